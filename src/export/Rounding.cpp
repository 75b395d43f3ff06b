// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Rounding.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

// Corner geometry. Take a corner at the origin with its edges along +x and +y
// and measure in units of the radius r (the shape scales with r).
//
// A clothoid (curvature growing linearly with length) leaves the edge at (a, 0)
// with zero curvature and turns through an angle t over the length 2t, where
// its curvature reaches 1; a circular arc of radius 1 continues through
// 90° - 2t and a mirrored clothoid returns to the other edge. The end of a
// clothoid turning through t lies at (x, y) in its own frame, with
//     x(t) = 2t * integral over [0,1] of cos(t v²) dv,
//     y(t) = 2t * integral over [0,1] of sin(t v²) dv,
// and the arc's centre must lie on the diagonal, which ties the reach to t:
//     a(t) = x(t) - sin t + y(t) + cos t.
// a(t) = 1.528665 gives t = 28.22°, leaving an arc of 33.56°.
//
// Each clothoid is drawn as the cubic Bézier P0..P3 with the same end points,
// end tangents and end curvatures: zero curvature at the edge puts P0, P1 and
// P2 on the edge line; the tangent at P3 puts P2 where that tangent meets the
// edge; and curvature 1 at P3 requires |P1P2| = 3 |P2P3|² / (2 sin t). The
// Bézier's curvature then rises almost linearly along it, like the clothoid's.
//
// When the corners do not fit (a r would pass half the shorter side s), the
// reach is held at s and t solved from a(t) = s / r: the transitions shorten
// and vanish at r = s, so the clamped radius gives an exact circle or capsule.

namespace {

// The two integrals by their power series; t stays below pi/4, so a few
// terms are exact to double precision.
double cosIntegral(double t)
{
    double sum = 0, term = 1; // t^(2n) / (2n)!
    for (int n = 0; n < 12; ++n) {
        sum += (n % 2 ? -term : term) / (4 * n + 1);
        term *= t * t / ((2 * n + 1) * (2 * n + 2));
    }
    return sum;
}

double sinIntegral(double t)
{
    double sum = 0, term = t; // t^(2n+1) / (2n+1)!
    for (int n = 0; n < 12; ++n) {
        sum += (n % 2 ? -term : term) / (4 * n + 3);
        term *= t * t / ((2 * n + 2) * (2 * n + 3));
    }
    return sum;
}

double reach(double t)
{
    return 2 * t * cosIntegral(t) - std::sin(t) + 2 * t * sinIntegral(t) + std::cos(t);
}

// The turn of each transition for a reach of `a` (in radii, 1 to 1.528665);
// reach() increases with t on this range.
double transitionAngle(double a)
{
    double low = 0, high = std::numbers::pi / 4;
    for (int i = 0; i < 60; ++i) {
        const double mid = (low + high) / 2;
        (reach(mid) < a ? low : high) = mid;
    }
    return low;
}

// Appends the arc of radius r around `centre` from angle b1 down to b2, the
// points being centre - r (cos b, sin b), as cubics of at most 30° each.
void appendArc(QPainterPath &path, QPointF centre, double r, double b1, double b2)
{
    const int pieces = std::max(1, int(std::ceil((b1 - b2) / (std::numbers::pi / 6))));
    const double step = (b1 - b2) / pieces;
    const double handle = 4.0 / 3.0 * std::tan(step / 4) * r;
    const auto point = [&](double b) {
        return centre - r * QPointF(std::cos(b), std::sin(b));
    };
    const auto tangent = [](double b) {
        return QPointF(-std::sin(b), std::cos(b));
    };
    for (int i = 0; i < pieces; ++i) {
        const double from = b1 - i * step, to = from - step;
        path.cubicTo(
            point(from) + handle * tangent(from), point(to) - handle * tangent(to), point(to));
    }
}

// The curve of one corner at the origin, edges along +x and +y, from (a, 0) to
// (0, a), appended to a path whose current point is (a, 0).
void appendCorner(QPainterPath &path, double r, double a)
{
    const double t = a > r ? transitionAngle(a / r) : 0;
    if (t < 1e-9) {
        appendArc(path, { r, r }, r, std::numbers::pi / 2, 0);
        return;
    }
    const double x = 2 * t * cosIntegral(t) * r, y = 2 * t * sinIntegral(t) * r;
    const QPointF p3(a - x, y);
    const double toEdge = y / std::sin(t); // |P2P3|
    const QPointF p2(p3.x() + toEdge * std::cos(t), 0);
    const QPointF p1(p2.x() + 3 * toEdge * toEdge / (2 * r * std::sin(t)), 0);
    const double c = y + r * std::cos(t);
    const auto mirror = [](QPointF p) {
        return QPointF(p.y(), p.x());
    };

    path.cubicTo(p1, p2, p3);
    appendArc(path, { c, c }, r, std::numbers::pi / 2 - t, t);
    path.cubicTo(mirror(p2), mirror(p1), QPointF(0, a));
}

struct CornerFit
{
    double radius;
    double reach;
};

CornerFit fit(const QRectF &rect, qreal radius)
{
    const double half = std::min(rect.width(), rect.height()) / 2;
    const double r = radius > 0 ? std::min(double(radius), half) : 0.0; // NaN gives 0 too
    return { r, std::min(continuousCornerExtent * r, half) };
}

// Maps the corner at the origin onto each corner of `rect`, clockwise from
// the top left.
std::array<QTransform, 4> cornerTransforms(const QRectF &rect)
{
    return { QTransform(1, 0, 0, 1, rect.left(), rect.top()),
        QTransform(0, 1, -1, 0, rect.right(), rect.top()),
        QTransform(-1, 0, 0, -1, rect.right(), rect.bottom()),
        QTransform(0, -1, 1, 0, rect.left(), rect.bottom()) };
}

// What the rounded rectangle cuts off `rect`: the four corner pieces, each a
// closed path. Empty for radius 0.
QPainterPath continuousCornerCutouts(const QRectF &rect, qreal radius)
{
    QPainterPath cutouts;
    const auto [r, a] = fit(rect, radius);
    if (r <= 0)
        return cutouts;
    QPainterPath corner;
    corner.moveTo(0, 0);
    corner.lineTo(a, 0);
    appendCorner(corner, r, a);
    corner.closeSubpath();
    for (const QTransform &transform : cornerTransforms(rect))
        cutouts.addPath(transform.map(corner));
    return cutouts;
}

} // namespace

std::optional<QImage> withCornerRadius(const QImage &image, qreal radius)
{
    if (image.isNull())
        return std::nullopt;
    QImage result = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QRectF rect(QPointF(0, 0), result.deviceIndependentSize());
    const QPainterPath cutouts = continuousCornerCutouts(rect, radius);
    if (cutouts.isEmpty())
        return result;
    // Only the corner pieces are touched: DestinationOut scales each pixel by
    // one minus the piece's coverage, so the edge keeps its antialiasing and
    // the inside stays as it was.
    QPainter painter(&result);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setCompositionMode(QPainter::CompositionMode_DestinationOut);
    painter.fillPath(cutouts, Qt::black);
    painter.end();
    return result;
}

std::optional<QImage> rounded(const QImage &image)
{
    const QSizeF size = image.deviceIndependentSize();
    return withCornerRadius(image, std::min(size.width(), size.height()) / 2);
}
