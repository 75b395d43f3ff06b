// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "catalogue/Result.h"

#include <QByteArray>
#include <QString>
#include <qcorotask.h>

// The user's photo library as far as the application needs it: permission to
// add photos (never to read them) and adding one photo from encoded bytes.
// Both calls block, so callers keep them off the GUI thread; several threads
// may call at once.
class PhotoLibrary
{
public:
    virtual ~PhotoLibrary() = default;

    // Asks for add-only access (limited access counts): nothing when granted,
    // else why not.
    [[nodiscard]] virtual Result<void> requestAddOnlyAuthorization() = 0;
    // Stores `bytes` (PNG or JPEG, exactly as encoded) as one new photo
    // titled `title` ("微信 512 圆角"); gives where it went, for showing
    // it later (empty where photos have no place a person can visit).
    [[nodiscard]] virtual Result<QString> addPhoto(const QByteArray &bytes, const QString &title)
        = 0;

    // Where new photos go, as a person would look for them; may be empty.
    [[nodiscard]] virtual QString location() const = 0;
    // Shows a photo that addPhoto() stored at `place` where the user keeps
    // it: nothing when shown, else why not.
    [[nodiscard]] virtual QCoro::Task<Result<void>> showPhoto(QString place) = 0;

    // A photo's title: the app's name (cut to a length people read) and
    // what was saved, e.g. "微信 512 圆角" or "微信 截图 2".
    [[nodiscard]] static QString photoTitle(const QString &appName, const QString &what);
    // The app's name as a title starts with it, or its id when the name has
    // nothing to show (empty, blank or dots only).
    [[nodiscard]] static QString appName(const QString &name, qint64 id);
    // The text without what hides or reorders what a name shows: control and
    // format characters (bidirectional controls, zero-width ones) and line or
    // paragraph separators.
    [[nodiscard]] static QString visibleText(const QString &text);
    // A screenshot's: "微信 截图 2", in the interface's language; without a
    // number when `number` is 0.
    [[nodiscard]] static QString screenshotTitle(const QString &appName, int number);

    // A place as a person reads it: the home folder as "~".
    [[nodiscard]] static QString readable(const QString &place);
};
