#include "AppItem.h"

#include "JsonDecoding.h"

#include <QHashFunctions>

namespace {
const auto trackIdKey = QLatin1StringView("trackId");
const auto trackNameKey = QLatin1StringView("trackName");
const auto artworkUrl100Key = QLatin1StringView("artworkUrl100");
const auto artworkUrl512Key = QLatin1StringView("artworkUrl512");
const auto countryCodeKey = QLatin1StringView("countryCode");
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
    return object;
}

size_t qHash(const AppItem &item, size_t seed) noexcept
{
    // Absent and empty country codes differ, as they do for equality.
    return qHashMulti(seed, item.trackId, item.trackName, item.artworkUrl100, item.artworkUrl512,
        item.countryCode.has_value(), item.countryCode.value_or(QString()));
}
