// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Platform.h"

#include <array>

namespace {
// In the order of the cases.
constexpr std::array<const char *, 3> rawValues = { "iphone", "ipad", "mac" };
constexpr std::array<const char *, 3> entities = { "software", "iPadSoftware", "macSoftware" };
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

QByteArray searchEntity(Platform platform)
{
    return entities[size_t(platform)];
}
