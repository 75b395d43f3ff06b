// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SaveManifest.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cerrno>
#include <unistd.h>

namespace {

Error manifestError(const QString &detail)
{
    return Error { QStringLiteral("SaveManifest"), -1, detail, Error::Kind::writeFailed };
}

// A CSV field: quoted when it holds a separator or a quote. Line breaks,
// which no name needs, become spaces, so that a record is one line.
QByteArray csvField(QString text)
{
    text.replace(u'\r', u' ').replace(u'\n', u' ');
    QByteArray field = text.toUtf8();
    if (field.contains(',') || field.contains('"')) {
        field.replace("\"", "\"\"");
        field = '"' + field + '"';
    }
    return field;
}

QStringList csvFields(const QString &line)
{
    QStringList fields(1);
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (quoted && c == u'"' && i + 1 < line.size() && line.at(i + 1) == u'"') {
            fields.last() += c;
            ++i;
        } else if (c == u'"') {
            quoted = !quoted;
        } else if (c == u',' && !quoted) {
            fields.append(QString());
        } else {
            fields.last() += c;
        }
    }
    return fields;
}

} // namespace

QStringList SaveManifest::fieldNames()
{
    return { QStringLiteral("trackId"), QStringLiteral("bundleId"), QStringLiteral("name"),
        QStringLiteral("developer"), QStringLiteral("region"), QStringLiteral("platform"),
        QStringLiteral("size"), QStringLiteral("shape"), QStringLiteral("file"),
        QStringLiteral("sha256"), QStringLiteral("artworkUrl"), QStringLiteral("time") };
}

Result<std::unique_ptr<SaveManifest>> SaveManifest::open(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != u"csv" && suffix != u"jsonl" && suffix != u"ndjson") {
        return manifestError(
            path + QStringLiteral(": a manifest's name ends in .csv, .jsonl or .ndjson"));
    }
    std::unique_ptr<SaveManifest> manifest(new SaveManifest);
    manifest->m_csv = suffix == u"csv";
    manifest->m_file.setFileName(path);
    if (!manifest->m_file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return manifestError(path + QStringLiteral(": ") + manifest->m_file.errorString());
    const QByteArray existing = manifest->m_file.readAll();
    // Only whole lines count: what follows the last line break is a record
    // cut off by a killed run.
    const qsizetype whole = existing.lastIndexOf('\n') + 1;
    if (whole < existing.size() && !manifest->m_file.resize(whole))
        return manifestError(path + QStringLiteral(": ") + manifest->m_file.errorString());
    const QStringList names = fieldNames();
    const QList<QByteArray> lines = existing.left(whole).split('\n');
    for (const QByteArray &line : lines) {
        if (line.trimmed().isEmpty())
            continue;
        QStringList fields;
        if (manifest->m_csv) {
            fields = csvFields(QString::fromUtf8(line).remove(u'\r'));
            if (fields == names)
                continue;
        } else {
            const QJsonObject object = QJsonDocument::fromJson(line).object();
            for (const QString &name : names)
                fields.append(object.value(name).isDouble()
                        ? QString::number(object.value(name).toInteger())
                        : object.value(name).toString());
        }
        if (fields.size() != names.size())
            continue;
        manifest->m_records.append({ fields[0].toLongLong(), fields[1], fields[2], fields[3],
            fields[4], fields[5], fields[6].toInt(), fields[7], fields[8], fields[9], fields[10],
            QDateTime::fromString(fields[11], Qt::ISODate) });
    }
    if (!manifest->m_file.seek(whole))
        return manifestError(path + QStringLiteral(": ") + manifest->m_file.errorString());
    if (whole == 0 && manifest->m_csv) {
        QByteArray header = names.join(u',').toUtf8() + '\n';
        if (manifest->m_file.write(header) != header.size())
            return manifestError(path + QStringLiteral(": ") + manifest->m_file.errorString());
    }
    return manifest;
}

const SaveManifest::Record *SaveManifest::savedFrom(
    const QString &artworkUrl, const QString &shape) const
{
    // The latest record counts: a file replaced by hand is fetched again.
    for (auto record = m_records.crbegin(); record != m_records.crend(); ++record) {
        if (record->artworkUrl == artworkUrl && record->shape == shape)
            return sha256Of(record->file) == record->sha256 ? &*record : nullptr;
    }
    return nullptr;
}

bool SaveManifest::lists(const QString &file) const
{
    return std::any_of(m_records.cbegin(), m_records.cend(),
        [&file](const Record &record) { return record.file == file; });
}

QByteArray SaveManifest::line(const Record &r) const
{
    const QString time = r.time.toUTC().toString(Qt::ISODateWithMs);
    if (!m_csv) {
        const QJsonObject object { { "trackId", r.trackId }, { "bundleId", r.bundleId },
            { "name", r.name }, { "developer", r.developer }, { "region", r.region },
            { "platform", r.platform }, { "size", r.size }, { "shape", r.shape },
            { "file", r.file }, { "sha256", r.sha256 }, { "artworkUrl", r.artworkUrl },
            { "time", time } };
        return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
    }
    const QStringList fields { QString::number(r.trackId), r.bundleId, r.name, r.developer,
        r.region, r.platform, QString::number(r.size), r.shape, r.file, r.sha256, r.artworkUrl,
        time };
    QByteArrayList row;
    for (const QString &field : fields)
        row.append(csvField(field));
    return row.join(',') + '\n';
}

Result<void> SaveManifest::append(const Record &record)
{
    // One write of the whole line: a kill leaves it whole or absent.
    const QByteArray bytes = line(record);
    const int fd = m_file.handle();
    const off_t before = ::lseek(fd, 0, SEEK_CUR);
    const ssize_t written = ::write(fd, bytes.constData(), size_t(bytes.size()));
    if (written != bytes.size()) {
        const int error = written < 0 ? errno : ENOSPC;
        // A line cut short would join the next one.
        if (written > 0 && ::ftruncate(fd, before) == 0)
            ::lseek(fd, before, SEEK_SET);
        return Error::fromErrno(error, m_file.fileName());
    }
    m_records.append(record);
    return {};
}

QString SaveManifest::sha256Of(const QString &file)
{
    QFile input(file);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!input.open(QIODevice::ReadOnly) || !hash.addData(&input))
        return {};
    return QString::fromLatin1(hash.result().toHex());
}
