// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DetailedAppInfo.h"

#include "AppItem.h"
#include "JsonDecoding.h"
#include "NetworkPolicy.h"

std::optional<QUrl> DetailedAppInfo::iconUrl(IconResolution resolution) const
{
    return iconUrlFromArtwork(resolution, artworkUrl512);
}

QStringList DetailedAppInfo::loadableScreenshotUrls(Platform platform) const
{
    const bool ipad
        = platform == Platform::IPad ? !ipadScreenshotUrls.isEmpty() : screenshotUrls.isEmpty();
    QStringList loadable;
    for (const QString &address : ipad ? ipadScreenshotUrls : screenshotUrls)
        loadable.append(NetworkPolicy::refusalFor(QUrl(address)) ? QString() : address);
    return loadable;
}

QString DetailedAppInfo::appStoreUrl() const
{
    return appStoreUrlOf(trackId);
}

Result<DetailedAppInfo> DetailedAppInfo::decode(const QJsonObject &object, const QString &where)
{
    JsonObjectReader reader(object, where);
    DetailedAppInfo info;
    info.trackId = reader.requiredInt64(QLatin1StringView("trackId"));
    info.trackName = reader.requiredString(QLatin1StringView("trackName"));
    info.artistName = reader.requiredString(QLatin1StringView("artistName"));
    info.bundleId = reader.requiredString(QLatin1StringView("bundleId"));
    info.description = reader.requiredString(QLatin1StringView("description"));
    info.version = reader.requiredString(QLatin1StringView("version"));
    info.releaseNotes = reader.optionalString(QLatin1StringView("releaseNotes"));
    info.artworkUrl512 = reader.requiredString(QLatin1StringView("artworkUrl512"));
    info.screenshotUrls = reader.requiredStringArray(QLatin1StringView("screenshotUrls"));
    info.ipadScreenshotUrls = reader.optionalStringArray(QLatin1StringView("ipadScreenshotUrls"));
    info.minimumOsVersion = reader.requiredString(QLatin1StringView("minimumOsVersion"));
    info.kind = reader.optionalString(QLatin1StringView("kind"));
    info.artistId = reader.optionalInt64(QLatin1StringView("artistId"));
    if (!reader.ok())
        return reader.error();
    return info;
}
