// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "IconResolution.h"

#include "NetworkPolicy.h"

#include <algorithm>

namespace {
// The raw values, in the order of the cases.
constexpr std::array<const char *, 3> rawValues = { "256x256", "512x512", "1024x1024" };
} // namespace

QString rawValue(IconResolution resolution)
{
    return QLatin1StringView(rawValues[size_t(resolution)]);
}

std::optional<IconResolution> iconResolutionFromRawValue(const QString &raw)
{
    const auto it = std::find_if(rawValues.begin(), rawValues.end(),
        [&raw](const char *value) { return raw == QLatin1StringView(value); });
    if (it == rawValues.end())
        return std::nullopt;
    return IconResolution(it - rawValues.begin());
}

std::optional<QUrl> iconUrlFromArtwork(
    IconResolution resolution, const QString &artworkUrl512, const QString &artworkUrl100)
{
    static const QString size512 = QStringLiteral("512x512");
    static const QString size100 = QStringLiteral("100x100");

    QString address = artworkUrl512;
    if (const qsizetype at = artworkUrl512.indexOf(size512, 0, Qt::CaseSensitive); at >= 0) {
        address.replace(at, size512.size(), rawValue(resolution));
    } else if (const qsizetype at100 = artworkUrl100.indexOf(size100, 0, Qt::CaseSensitive);
               at100 >= 0) {
        address = artworkUrl100;
        address.replace(at100, size100.size(), rawValue(resolution));
    }
    // Strict parsing: an address with spaces or other characters that need
    // escaping is not an address the catalogue handed out. Nor is one the
    // network rules refuse: the screens would open a file: or qrc: address.
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid() || url.isRelative() || NetworkPolicy::refusalFor(url))
        return std::nullopt;
    return url;
}
