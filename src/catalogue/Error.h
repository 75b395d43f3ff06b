// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLoggingCategory>
#include <QObject>
#include <QString>

// The technical side of failures (addresses, Qt's and the decoder's messages,
// file paths), one English line each, and the console lines of each area:
// console only, never shown in the interface. One category per area.
Q_DECLARE_LOGGING_CATEGORY(lcCatalogue) // "vellumar.catalogue"
Q_DECLARE_LOGGING_CATEGORY(lcExport) // "vellumar.export"
Q_DECLARE_LOGGING_CATEGORY(lcStore) // "vellumar.store"
Q_DECLARE_LOGGING_CATEGORY(lcScreens) // "vellumar.screens"
Q_DECLARE_LOGGING_CATEGORY(lcApp) // "vellumar.app"

// A failure: where it comes from and its code, what kind of failure it is for
// the person using the application, and the technical detail for the console.
struct Error
{
    Q_GADGET
public:
    // What a person is told; each kind has one sentence in the string tables.
    enum class Kind {
        unknown,
        invalidAddress,
        notSecure,
        noNetwork,
        serverRefused,
        connectionLost,
        timedOut,
        tooLarge,
        unreadableAnswer,
        notFound,
        noPermission,
        diskFull,
        imageUnusable,
        writeFailed,
        rateLimited,
        regionNotServed,
        requestRejected,
        notAFolder,
        noFileManager,
    };
    Q_ENUM(Kind)

    QString domain;
    int code = 0;
    QString detail;
    Kind kind = Kind::unknown;

    // The sentence of the kind in the in-app language, looked up now.
    [[nodiscard]] QString localizedDescription() const;

    // A failed system call on `path`, with the errno it set.
    [[nodiscard]] static Error fromErrno(int code, const QString &path);

    friend bool operator==(const Error &, const Error &) = default;
};
