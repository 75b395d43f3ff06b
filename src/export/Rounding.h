// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

#include <optional>

// How far along each edge a corner of radius r reaches, in units of r, as long
// as that stays within half the shorter side.
inline constexpr double continuousCornerExtent = 1.528665;

// A copy of `image` with the same pixel size and device pixel ratio, fully
// transparent outside a rounded rectangle of `radius` (in device-independent
// pixels), antialiased along the curve; premultiplied ARGB. The corners have
// continuous curvature: each eases out of the straight edge, turns through a
// circular arc of the radius and eases back in. The radius is clamped to half
// the shorter side, which gives an exact circle or capsule; radius 0 gives an
// unclipped copy. Nothing for an image without pixels.
[[nodiscard]] std::optional<QImage> withCornerRadius(const QImage &image, qreal radius);

// withCornerRadius with half the shorter side: a circle for a square image, a
// capsule otherwise.
[[nodiscard]] std::optional<QImage> rounded(const QImage &image);
