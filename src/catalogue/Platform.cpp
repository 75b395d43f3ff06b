// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Platform.h"

#include <array>

namespace {
// In the order of the cases.
constexpr std::array<const char *, 3> rawValues = { "iphone", "ipad", "mac" };
constexpr std::array<const char *, 3> entities = { "software", "iPadSoftware", "macSoftware" };
constexpr std::array<const char *, 3> displayNames = { "iPhone", "iPad", "Mac" };
} // namespace

QString rawValue(Platform platform)
{
    return QLatin1StringView(rawValues[size_t(platform)]);
}

std::optional<Platform> platformFromRawValue(const QString &raw)
{
    for (size_t i = 0; i < rawValues.size(); ++i) {
        if (raw == QLatin1StringView(rawValues[i]))
            return Platform(i);
    }
    return std::nullopt;
}

QStringList platformDisplayNames()
{
    QStringList names;
    for (const char *name : displayNames)
        names.append(QLatin1StringView(name));
    return names;
}

QByteArray searchEntity(Platform platform)
{
    return entities[size_t(platform)];
}
