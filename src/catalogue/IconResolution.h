// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QUrl>

#include <array>
#include <optional>

// The icon size choice. The raw value ("256x256", ...) is also its id, its
// display name and the size segment of icon addresses.
enum class IconResolution { size256, size512, size1024 };

inline constexpr std::array allIconResolutions
    = { IconResolution::size256, IconResolution::size512, IconResolution::size1024 };

[[nodiscard]] QString rawValue(IconResolution resolution);
[[nodiscard]] std::optional<IconResolution> iconResolutionFromRawValue(const QString &raw);

// The download address of an icon at `resolution`: the first "512x512" of
// `artworkUrl512`, or failing that the first "100x100" of `artworkUrl100`,
// becomes the size text; with neither, `artworkUrl512` as it is. Empty when
// the result does not parse as an address.
[[nodiscard]] std::optional<QUrl> iconUrlFromArtwork(
    IconResolution resolution, const QString &artworkUrl512, const QString &artworkUrl100 = {});
