// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "IconSaveOptions.h"

#include "Rounding.h"
#include "catalogue/Error.h"

#include <QDebug>

#include <array>

namespace {
struct ShapeRule
{
    IconSaveOptions::Shape shape;
    const char *name;
    double cornerFraction; // of the side: a half is a circle
    const char *fileNameWord; // a message id; none for the plain square
};
constexpr std::array shapeRules {
    ShapeRule { IconSaveOptions::Shape::square, "square", 0, nullptr },
    ShapeRule { IconSaveOptions::Shape::slightlyRounded, "slightly-rounded", 0.08,
        "file_name_slightly_rounded" },
    ShapeRule { IconSaveOptions::Shape::rounded, "rounded", 0.5, "file_name_rounded" },
    ShapeRule { IconSaveOptions::Shape::original, "original", 0, "file_name_original" },
};
const ShapeRule &ruleOf(IconSaveOptions::Shape shape)
{
    return shapeRules[size_t(shape)];
}
} // namespace

QStringList IconSaveOptions::shapeNames()
{
    QStringList names;
    for (const ShapeRule &rule : shapeRules)
        names.append(QLatin1StringView(rule.name));
    return names;
}

std::optional<IconSaveOptions::Shape> IconSaveOptions::shapeNamed(const QString &name)
{
    for (const ShapeRule &rule : shapeRules) {
        if (name == QLatin1StringView(rule.name))
            return rule.shape;
    }
    return std::nullopt;
}

QString IconSaveOptions::shapeName() const
{
    return QLatin1StringView(ruleOf(shape).name);
}

void IconSaveOptions::setShapeName(const QString &name)
{
    if (const std::optional<Shape> named = shapeNamed(name))
        shape = *named;
    else
        qCInfo(lcStore).noquote() << "unknown icon shape, kept as it was:" << name;
}

void IconSaveOptions::setResolutionName(const QString &raw)
{
    if (const std::optional<IconResolution> named = iconResolutionFromRawValue(raw))
        resolution = *named;
    else
        qCInfo(lcStore).noquote() << QStringLiteral("未知的图标分辨率: ") + raw;
}

double IconSaveOptions::cornerFraction() const
{
    return ruleOf(shape).cornerFraction;
}

ImageFormat IconSaveOptions::format() const
{
    return shape == Shape::original ? ImageFormat::jpeg : ImageFormat::png;
}

IconResolution IconSaveOptions::downloadResolution() const
{
    return shape == Shape::original ? IconResolution::size1024 : resolution;
}

int IconSaveOptions::side() const
{
    return shape == Shape::original ? 0 : rawValue(resolution).section(u'x', 0, 0).toInt();
}

IconSaveOptions IconSaveOptions::withShapeOf(const IconSaveOptions &later) const
{
    IconSaveOptions options = *this;
    if (shape != Shape::original)
        options.shape = later.shape == Shape::original ? Shape::square : later.shape;
    return options;
}

QString IconSaveOptions::description() const
{
    if (shape == Shape::original)
        return qtTrId("save_original_description");
    const char *word = ruleOf(shape).fileNameWord;
    const QString size = QString::number(side());
    return word ? qtTrId("save_shaped_description").arg(size, qtTrId(word))
                : qtTrId("save_size_description").arg(size);
}

QVariantList IconSaveOptions::alternatives() const
{
    QVariantList others;
    const auto add = [&](const IconSaveOptions &options) {
        if (options != *this)
            others.append(QVariant::fromValue(options));
    };
    // An original has no size of its own: its neighbours are square.
    const Shape sized = shape == Shape::original ? Shape::square : shape;
    for (const IconResolution size : allIconResolutions)
        add({ sized, size });
    for (const ShapeRule &rule : shapeRules)
        if (rule.shape != sized && rule.shape != shape)
            add({ rule.shape,
                rule.shape == Shape::original ? IconResolution::size1024 : resolution });
    return others;
}

QImage IconSaveOptions::applied(QImage image) const
{
    const int limit = side();
    if (limit > 0 && (image.width() > limit || image.height() > limit))
        image = image.scaled(limit, limit, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    if (cornerFraction() > 0) {
        if (std::optional<QImage> shaped
            = withCornerRadius(image, image.width() * cornerFraction()))
            image = std::move(*shaped);
    }
    return image;
}

QString IconSaveOptions::fileNameWords(int width) const
{
    const char *word = ruleOf(shape).fileNameWord;
    if (shape == Shape::original)
        return qtTrId(word);
    const QString size = QString::number(width);
    return word ? size + u' ' + qtTrId(word) : size;
}
