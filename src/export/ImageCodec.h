// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ImageFormat.h"
#include "catalogue/Result.h"

#include <QByteArray>
#include <QImage>

#include <optional>

// Decodes PNG or JPEG bytes, told by their first bytes. Any other bytes (no
// other image plugin is asked), bytes that do not decode, and an image whose
// header declares a side above 8192, refused before any pixel is decoded, give
// an "ImageCodec" error of kind imageUnusable that says which. The bitmap is kept as stored (no
// orientation tag applied). A JPEG's chroma sampling goes into the image's text "JPEG sampling" as
// the luma factors, "2x2" for 4:2:0 or "1x1" for 4:4:4, for the JPEG encoder to keep.
[[nodiscard]] Result<QImage> decodeImage(const QByteArray &bytes);

// PNG bytes of `image`, 8 bits a sample, colours unpremultiplied: RGB when
// every pixel is opaque, RGBA otherwise; the image's colour space, when it has
// one, as an ICC profile (iCCP). Empty for a null image or when the encoder
// fails.
[[nodiscard]] QByteArray encodePng(const QImage &image);

// PNG, or JPEG at the highest quality with optimised Huffman tables, the
// chroma sampled as the image's "JPEG sampling" text says (4:2:0 without it);
// empty for a null image or on failure.
[[nodiscard]] QByteArray encodeImage(const QImage &image, ImageFormat format);
