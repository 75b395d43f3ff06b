// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "export/ImageCodec.h"
#include "export/Rounding.h"

#include <cstdint>

// Image bytes from the network: they decode to an image or to nothing. A
// decoded image rounds to its own size and encodes in both formats, and the
// PNG decodes again to that size.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const Result<QImage> image = decodeImage(
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)));
    // Decoding is what meets hostile bytes; beyond it a large image costs only
    // time (up to 8192 × 8192 pixels), so the rest runs on icon-sized ones.
    if (!image || qint64(image->width()) * image->height() > 1024 * 1024)
        return 0;
    const std::optional<QImage> circle = rounded(*image);
    const std::optional<QImage> corners = withCornerRadius(*image, data[size - 1] / 4.0);
    if (!circle || !corners || circle->size() != image->size() || corners->size() != image->size())
        qFatal("Rounding lost the image");
    const Result<QImage> png = decodeImage(encodeImage(*corners, ImageFormat::png));
    if (!png || png->size() != image->size() || encodeImage(*circle, ImageFormat::jpeg).isEmpty())
        qFatal("Encoding failed");
    return 0;
}
