#include "ImageCodec.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>

#include <cstdlib>
#include <memory>
#include <mutex>
#include <spng.h>
#include <zlib.h>

namespace {

struct SpngContextDeleter
{
    void operator()(spng_ctx *context) const { spng_ctx_free(context); }
};

} // namespace

std::optional<QImage> decodeImage(const QByteArray &bytes)
{
    // Enough for the largest accepted image at 32 bits a pixel; a header that
    // lies about its size cannot make the decoder allocate more.
    static std::once_flag limitSet;
    std::call_once(limitSet, [] {
        QImageReader::setAllocationLimit(int(qint64(maxDecodedSide) * maxDecodedSide * 4 >> 20));
    });

    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(false);
    const QSize declared = reader.size();
    if (declared.width() > maxDecodedSide || declared.height() > maxDecodedSide)
        return std::nullopt;
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return std::nullopt;
    if (image.width() > maxDecodedSide || image.height() > maxDecodedSide)
        return std::nullopt;
    return image;
}

QByteArray encodePng(const QImage &image)
{
    if (image.isNull())
        return {};
    // Straight (unpremultiplied) RGBA, which is what PNG stores; Qt's
    // conversion leaves opaque pixels exactly as they are.
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);

    std::unique_ptr<spng_ctx, SpngContextDeleter> context(spng_ctx_new(SPNG_CTX_ENCODER));
    if (!context)
        return {};
    spng_ctx *ctx = context.get();
    spng_set_option(ctx, SPNG_ENCODE_TO_BUFFER, 1);
    // After row filtering, a noisy photograph has almost no repeated strings
    // left for deflate's match search to find, while the flat areas of an
    // icon turn into runs of zeros: run-length matching with Huffman coding
    // keeps nearly all of the compression at a fraction of the time. Each row
    // takes whichever of Sub, Up or Paeth predicts it best; Avg and None
    // rarely win and cost another pass each.
    spng_set_option(ctx, SPNG_IMG_COMPRESSION_LEVEL, 1);
    spng_set_option(ctx, SPNG_IMG_COMPRESSION_STRATEGY, Z_RLE);
    spng_set_option(ctx, SPNG_FILTER_CHOICE,
        SPNG_FILTER_CHOICE_SUB | SPNG_FILTER_CHOICE_UP | SPNG_FILTER_CHOICE_PAETH);

    spng_ihdr header = {};
    header.width = uint32_t(rgba.width());
    header.height = uint32_t(rgba.height());
    header.bit_depth = 8;
    header.color_type = SPNG_COLOR_TYPE_TRUECOLOR_ALPHA;
    if (spng_set_ihdr(ctx, &header) != 0)
        return {};
    // 32-bit rows are never padded, so the pixels are one block.
    if (spng_encode_image(
            ctx, rgba.constBits(), size_t(rgba.sizeInBytes()), SPNG_FMT_PNG, SPNG_ENCODE_FINALIZE)
        != 0)
        return {};
    size_t length = 0;
    int error = 0;
    std::unique_ptr<void, decltype(&std::free)> png(
        spng_get_png_buffer(ctx, &length, &error), &std::free);
    if (!png || error != 0)
        return {};
    return QByteArray(static_cast<const char *>(png.get()), qsizetype(length));
}

QByteArray encodeJpeg(const QImage &image)
{
    if (image.isNull())
        return {};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(100);
    if (!writer.write(image))
        return {};
    return bytes;
}

QByteArray encodeImage(const QImage &image, ImageFormat format)
{
    switch (format) {
    case ImageFormat::png:
        return encodePng(image);
    case ImageFormat::jpeg:
        return encodeJpeg(image);
    }
    return {};
}
