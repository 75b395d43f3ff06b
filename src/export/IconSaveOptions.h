// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ImageFormat.h"
#include "catalogue/IconResolution.h"

#include <QImage>
#include <QObject>
#include <QStringList>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

#include <optional>

// What a save makes of an icon: a shape and a size. Each shape's rules live
// here (its name, its corners, its format, its words in a file name); the
// settings store the value, the settings screen shows it, the command line
// parses it and the save flow applies it.
struct IconSaveOptions
{
    Q_GADGET
    QML_VALUE_TYPE(iconSaveOptions)
    // The shape by its name ("square", "slightly-rounded", "rounded", "original").
    Q_PROPERTY(QString shape READ shapeName WRITE setShapeName)
    // The size by its raw value ("256x256", ...).
    Q_PROPERTY(QString resolution READ resolutionName WRITE setResolutionName)
    // The corner radius as a fraction of the side, for a preview.
    Q_PROPERTY(double cornerFraction READ cornerFraction)
    // What a save with these options makes, as its button says it.
    Q_PROPERTY(QString description READ description)

public:
    // The original is the catalogue's 1024 artwork as a JPEG, never reshaped.
    enum class Shape { square, slightlyRounded, rounded, original };

    Shape shape = Shape::square;
    IconResolution resolution = IconResolution::size1024;

    // The names the settings screen and the command line know, in this order.
    [[nodiscard]] static QStringList shapeNames();
    [[nodiscard]] static std::optional<Shape> shapeNamed(const QString &name);
    [[nodiscard]] QString shapeName() const;
    // An unknown name changes nothing.
    void setShapeName(const QString &name);
    [[nodiscard]] QString resolutionName() const { return rawValue(resolution); }
    void setResolutionName(const QString &raw);

    [[nodiscard]] double cornerFraction() const;
    [[nodiscard]] ImageFormat format() const;
    // The artwork size asked of the catalogue.
    [[nodiscard]] IconResolution downloadResolution() const;
    // The side a larger picture is scaled down to; 0 keeps the original's.
    [[nodiscard]] int side() const;
    // The shape is read once more after a download, so a change meanwhile
    // counts; the format and size stay those the download was made for.
    [[nodiscard]] IconSaveOptions withShapeOf(const IconSaveOptions &later) const;
    // Scaled down to the side and given the corners; a picture that cannot be
    // rounded keeps its corners.
    [[nodiscard]] QImage applied(QImage image) const;
    // How a saved file tells the options, in the interface's language: "1024",
    // "512 rounded", "original"; the width is the picture's own.
    [[nodiscard]] QString fileNameWords(int width) const;
    // "Save 1024 px, rounded", "Save the original artwork (JPEG)", in the
    // interface's language.
    [[nodiscard]] QString description() const;
    // The other sizes in this shape, then the other shapes in this size (the
    // original last), for saving once differently; a list of IconSaveOptions.
    Q_INVOKABLE [[nodiscard]] QVariantList alternatives() const;

    friend bool operator==(const IconSaveOptions &, const IconSaveOptions &) = default;
};
