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

// The largest width or height decodeImage accepts.
constexpr int maxDecodedSide = 8192;

struct SpngContextDeleter
{
    void operator()(spng_ctx *context) const { spng_ctx_free(context); }
};

// How well a row of filter residuals compresses, by the usual estimate: the
// sum of their magnitudes read as signed bytes.
inline unsigned magnitude(uchar residual)
{
    return residual < 128 ? residual : 256 - residual;
}

// The PNG row filter among Sub, Up and Paeth whose residuals are smallest for
// this row of RGBA pixels. One pass over the row for all three, where the
// library's own choice filters the row once per candidate.
int bestFilter(const uchar *row, const uchar *previous, qsizetype length)
{
    if (!previous)
        return SPNG_FILTER_CHOICE_SUB;
    unsigned sub = 0, up = 0, paeth = 0;
    for (qsizetype i = 0; i < length; ++i) {
        const int x = row[i], b = previous[i];
        const int a = i >= 4 ? row[i - 4] : 0, c = i >= 4 ? previous[i - 4] : 0;
        const int pa = std::abs(b - c), pb = std::abs(a - c), pc = std::abs(a + b - 2 * c);
        const int predicted = pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
        sub += magnitude(uchar(x - a));
        up += magnitude(uchar(x - b));
        paeth += magnitude(uchar(x - predicted));
    }
    if (up <= sub && up <= paeth)
        return SPNG_FILTER_CHOICE_UP;
    return sub <= paeth ? SPNG_FILTER_CHOICE_SUB : SPNG_FILTER_CHOICE_PAETH;
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
    // keeps nearly all of the compression at a fraction of the time (the
    // level does not matter for it). Avg and None filters would gain a few
    // per cent on photographs for another pass over every row.
    spng_set_option(ctx, SPNG_IMG_COMPRESSION_LEVEL, 1);
    spng_set_option(ctx, SPNG_IMG_COMPRESSION_STRATEGY, Z_RLE);

    spng_ihdr header = {};
    header.width = uint32_t(rgba.width());
    header.height = uint32_t(rgba.height());
    header.bit_depth = 8;
    header.color_type = SPNG_COLOR_TYPE_TRUECOLOR_ALPHA;
    if (spng_set_ihdr(ctx, &header) != 0
        || spng_encode_image(
               ctx, nullptr, 0, SPNG_FMT_PNG, SPNG_ENCODE_PROGRESSIVE | SPNG_ENCODE_FINALIZE)
            != 0)
        return {};
    // Each row is handed over with its filter chosen; a library that ignored
    // the change between rows would still write a valid, only larger, file.
    const qsizetype rowLength = qsizetype(rgba.width()) * 4;
    for (int y = 0; y < rgba.height(); ++y) {
        const uchar *row = rgba.constScanLine(y);
        spng_set_option(ctx, SPNG_FILTER_CHOICE,
            bestFilter(row, y > 0 ? rgba.constScanLine(y - 1) : nullptr, rowLength));
        const int status = spng_encode_row(ctx, row, size_t(rowLength));
        if (status != 0 && !(status == SPNG_EOI && y == rgba.height() - 1))
            return {};
    }
    size_t length = 0;
    int error = 0;
    std::unique_ptr<void, decltype(&std::free)> png(
        spng_get_png_buffer(ctx, &length, &error), &std::free);
    if (!png || error != 0)
        return {};
    return QByteArray(static_cast<const char *>(png.get()), qsizetype(length));
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
