// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AppItem.h"

#include "JsonDecoding.h"

#include <QHashFunctions>

namespace {
const auto trackIdKey = QLatin1StringView("trackId");
const auto trackNameKey = QLatin1StringView("trackName");
const auto artworkUrl100Key = QLatin1StringView("artworkUrl100");
const auto artworkUrl512Key = QLatin1StringView("artworkUrl512");
const auto countryCodeKey = QLatin1StringView("countryCode");
const auto kindKey = QLatin1StringView("kind");
const auto artistIdKey = QLatin1StringView("artistId");
const auto artistNameKey = QLatin1StringView("artistName");
const auto bundleIdKey = QLatin1StringView("bundleId");
const auto versionKey = QLatin1StringView("version");
} // namespace

QString appStoreUrlOf(qint64 trackId)
{
    return QStringLiteral("https://apps.apple.com/app/id") + QString::number(trackId);
}

std::optional<QUrl> AppItem::iconUrl(IconResolution resolution) const
{
    return iconUrlFromArtwork(resolution, artworkUrl512, artworkUrl100);
}

Result<AppItem> AppItem::decode(const QJsonObject &object, const QString &where)
{
    JsonObjectReader reader(object, where);
    AppItem item;
    item.trackId = reader.requiredInt64(trackIdKey);
    item.trackName = reader.requiredString(trackNameKey);
    item.artworkUrl100 = reader.requiredString(artworkUrl100Key);
    item.artworkUrl512 = reader.requiredString(artworkUrl512Key);
    item.countryCode = reader.optionalString(countryCodeKey);
    item.kind = reader.optionalString(kindKey);
    item.artistId = reader.optionalInt64(artistIdKey);
    item.artistName = reader.optionalString(artistNameKey);
    item.bundleId = reader.optionalString(bundleIdKey);
    item.version = reader.optionalString(versionKey);
    if (!reader.ok())
        return reader.error();
    return item;
}

QJsonObject AppItem::toJson() const
{
    QJsonObject object {
        { trackIdKey, trackId },
        { trackNameKey, trackName },
        { artworkUrl100Key, artworkUrl100 },
        { artworkUrl512Key, artworkUrl512 },
    };
    if (countryCode)
        object.insert(countryCodeKey, *countryCode);
    if (kind)
        object.insert(kindKey, *kind);
    if (artistId)
        object.insert(artistIdKey, *artistId);
    if (artistName)
        object.insert(artistNameKey, *artistName);
    if (bundleId)
        object.insert(bundleIdKey, *bundleId);
    if (version)
        object.insert(versionKey, *version);
    return object;
}

size_t qHash(const AppItem &item, size_t seed) noexcept
{
    // Absent and empty texts differ, as they do for equality.
    return qHashMulti(seed, item.trackId, item.trackName, item.artworkUrl100, item.artworkUrl512,
        item.countryCode.has_value(), item.countryCode.value_or(QString()), item.kind.has_value(),
        item.kind.value_or(QString()), item.artistId.has_value(), item.artistIdValue(),
        item.artistName.has_value(), item.artistNameText(), item.bundleId.has_value(),
        item.bundleId.value_or(QString()), item.version.has_value(),
        item.version.value_or(QString()));
}
