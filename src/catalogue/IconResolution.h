#pragma once

#include <QString>

#include <array>
#include <optional>

// The icon size choice. The raw value ("256x256", ...) is also its id, its
// display name and the size segment of icon addresses.
enum class IconResolution { size256, size512, size1024 };

inline constexpr std::array allIconResolutions = {IconResolution::size256, IconResolution::size512,
                                                  IconResolution::size1024};

[[nodiscard]] QString rawValue(IconResolution resolution);
[[nodiscard]] std::optional<IconResolution> iconResolutionFromRawValue(const QString &raw);
