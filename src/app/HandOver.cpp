// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HandOver.h"

#include "store/Country.h"

#include <QDataStream>
#include <QIODevice>

namespace {

constexpr QDataStream::Version streamVersion = QDataStream::Qt_6_4;
constexpr quint32 nullString = 0xffffffff;

// One string: its length in bytes (all ones for a null string), then UTF-16.
// The length is looked at before the string is read, so that no declared
// length is ever allocated. False when the bytes cannot be one.
bool readString(QDataStream &stream, qsizetype available, QString &string, bool &complete)
{
    QIODevice &device = *stream.device();
    const qint64 start = device.pos();
    quint32 length = 0;
    if (available - start < qsizetype(sizeof length)) {
        complete = false;
        return true;
    }
    stream >> length;
    if (length != nullString && (length % 2 != 0 || length > HandOver::messageLimit))
        return false;
    if (length != nullString && available - device.pos() < qsizetype(length)) {
        complete = false;
        return true;
    }
    device.seek(start);
    stream >> string;
    return stream.status() == QDataStream::Ok;
}

} // namespace

namespace HandOver {

QByteArray encode(const StartRequest &request)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setVersion(streamVersion);
    stream << request.text << request.region;
    return bytes;
}

Decoded decode(const QByteArray &bytes)
{
    if (bytes.size() > messageLimit)
        return { Decoded::Refused, {} };
    QDataStream stream(bytes);
    stream.setVersion(streamVersion);
    Decoded decoded;
    bool complete = true;
    if (!readString(stream, bytes.size(), decoded.request.text, complete)
        || (complete && !readString(stream, bytes.size(), decoded.request.region, complete)))
        return { Decoded::Refused, {} };
    if (!complete)
        return { Decoded::Incomplete, {} };
    // Checked as the command line checks it.
    const QString &region = decoded.request.region;
    if (!region.isEmpty() && !countryForCode(region))
        return { Decoded::Refused, {} };
    decoded.status = Decoded::Complete;
    return decoded;
}

} // namespace HandOver
