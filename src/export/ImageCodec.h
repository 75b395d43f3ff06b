#pragma once

#include "ImageFormat.h"

#include <QByteArray>
#include <QImage>

#include <optional>

// Decodes image bytes. Nothing for bytes that are not an image, and for an
// image whose header declares a side above 8192, which is refused
// before any pixel is decoded. The bitmap is kept as stored (no orientation
// tag applied).
[[nodiscard]] std::optional<QImage> decodeImage(const QByteArray &bytes);

// PNG bytes of `image` as 8-bit RGBA, colours unpremultiplied. Empty for a
// null image or when the encoder fails.
[[nodiscard]] QByteArray encodePng(const QImage &image);

// PNG, or JPEG at the highest quality; empty for a null image or on failure.
[[nodiscard]] QByteArray encodeImage(const QImage &image, ImageFormat format);
