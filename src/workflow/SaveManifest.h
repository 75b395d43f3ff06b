// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "catalogue/Result.h"

#include <QDateTime>
#include <QFile>
#include <QList>
#include <QString>

#include <memory>

// One record per saved icon, in a file a script or a spreadsheet reads: CSV
// (a header line, then RFC 4180 rows) or JSON Lines, by the file's extension
// (.csv, .jsonl or .ndjson). Records are appended one whole line at a time,
// so a run killed at any moment leaves every earlier record whole; a partial
// last line is dropped when the file is opened again. A later run appends.
class SaveManifest
{
public:
    struct Record
    {
        qint64 trackId = 0;
        QString bundleId;
        QString name;
        QString developer;
        QString region;
        QString platform;
        int size = 0; // the saved picture's width
        QString shape;
        QString file;
        QString sha256; // of the file, in hexadecimal
        QString artworkUrl; // the address the picture came from
        QDateTime time; // when it was saved, UTC

        friend bool operator==(const Record &, const Record &) = default;
    };

    // The names of the fields, in the order of a CSV row.
    [[nodiscard]] static QStringList fieldNames();

    // Opens `path` for appending, creating it, and reads the records it
    // already holds.
    [[nodiscard]] static Result<std::unique_ptr<SaveManifest>> open(const QString &path);

    [[nodiscard]] const QList<Record> &records() const { return m_records; }
    // The record of an icon saved from `artworkUrl` in `shape` whose file is
    // still there with the content recorded.
    [[nodiscard]] const Record *savedFrom(const QString &artworkUrl, const QString &shape) const;
    // Whether any record names `file`.
    [[nodiscard]] bool lists(const QString &file) const;

    [[nodiscard]] Result<void> append(const Record &record);

    // The SHA-256 of a file's bytes in hexadecimal; empty when it cannot be read.
    [[nodiscard]] static QString sha256Of(const QString &file);

private:
    SaveManifest() = default;
    [[nodiscard]] QByteArray line(const Record &record) const;

    bool m_csv = true;
    QFile m_file;
    QList<Record> m_records;
};
