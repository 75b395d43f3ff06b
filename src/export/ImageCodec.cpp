// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ImageCodec.h"

#include <QBuffer>
#include <QColorSpace>
#include <QImageReader>
#include <QtEndian>

#include <algorithm>
#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE
#include <cstdlib>
#include <jpeglib.h>
#include <libdeflate.h>
#include <mutex>
#include <zlib.h>

namespace {

// The largest width or height decodeImage accepts.
constexpr int maxDecodedSide = 8192;

// The image text under which decodeImage notes a JPEG's luma sampling.
const QString samplingKey = QStringLiteral("JPEG sampling");

// `image` as RGB32, ARGB32 or ARGB32_Premultiplied, the formats the encoders
// read; decoded and rounded images already are.
QImage in32Bits(const QImage &image)
{
    switch (image.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
        return image;
    default:
        return image.convertToFormat(
            image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    }
}

// libjpeg reports an error through error_exit, which must not return: it
// jumps back to the setjmp of the call that failed. Nothing is printed.
struct JpegErrors : jpeg_error_mgr
{
    std::jmp_buf failed;
};

[[noreturn]] void jumpBack(j_common_ptr info)
{
    std::longjmp(static_cast<JpegErrors *>(info->err)->failed, 1);
}

void printNothing(j_common_ptr) { }

jpeg_error_mgr *quietErrors(JpegErrors &errors)
{
    jpeg_std_error(&errors);
    errors.error_exit = jumpBack;
    errors.output_message = printNothing;
    return &errors;
}

// The luma sampling factors of a YCbCr JPEG whose chroma components have the
// factors 1 x 1 (4:4:4, 4:2:2, 4:4:0 and 4:2:0), as "2x2" for 4:2:0; empty
// for anything else.
QString jpegSampling(const QByteArray &bytes)
{
    jpeg_decompress_struct info;
    JpegErrors errors;
    info.err = quietErrors(errors);
    if (setjmp(errors.failed)) {
        jpeg_destroy_decompress(&info);
        return {};
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const uchar *>(bytes.constData()),
        static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    const jpeg_component_info *c = info.comp_info;
    const bool kept = info.num_components == 3 && info.jpeg_color_space == JCS_YCbCr
        && c[0].h_samp_factor <= 2 && c[0].v_samp_factor <= 2 && c[1].h_samp_factor == 1
        && c[1].v_samp_factor == 1 && c[2].h_samp_factor == 1 && c[2].v_samp_factor == 1;
    const QString sampling = kept
        ? QStringLiteral("%1x%2").arg(c[0].h_samp_factor).arg(c[0].v_samp_factor)
        : QString();
    jpeg_destroy_decompress(&info);
    return sampling;
}

// libjpeg's output, into a byte array that grows as needed.
struct ByteArrayDestination : jpeg_destination_mgr
{
    QByteArray *bytes;
};

void startOutput(j_compress_ptr info)
{
    // A byte a pixel is more than most pictures take at quality 100; only
    // the pages written to are ever touched, and growing would copy.
    auto *destination = static_cast<ByteArrayDestination *>(info->dest);
    destination->bytes->resize(
        std::max<qsizetype>(qsizetype(info->image_width) * info->image_height, 1 << 16));
    destination->next_output_byte = reinterpret_cast<JOCTET *>(destination->bytes->data());
    destination->free_in_buffer = size_t(destination->bytes->size());
}

boolean growOutput(j_compress_ptr info)
{
    auto *destination = static_cast<ByteArrayDestination *>(info->dest);
    const qsizetype full = destination->bytes->size();
    destination->bytes->resize(full * 2);
    destination->next_output_byte = reinterpret_cast<JOCTET *>(destination->bytes->data()) + full;
    destination->free_in_buffer = size_t(full);
    return TRUE;
}

void endOutput(j_compress_ptr info)
{
    auto *destination = static_cast<ByteArrayDestination *>(info->dest);
    destination->bytes->resize(destination->bytes->size() - qsizetype(destination->free_in_buffer));
}

// `pixels` (32 bits, alpha ignored as by Qt's own writer) as JPEG at quality
// 100 into `bytes`, the luma sampled `h` by `v` times as often as the chroma;
// false on a libjpeg error. What has a destructor lives with the caller, out
// of reach of the jump back.
bool compressJpeg(const QImage &pixels, int h, int v, const QByteArray &profile, QByteArray &bytes)
{
    jpeg_compress_struct info;
    JpegErrors errors;
    info.err = quietErrors(errors);
    ByteArrayDestination destination;
    destination.bytes = &bytes;
    destination.init_destination = startOutput;
    destination.empty_output_buffer = growOutput;
    destination.term_destination = endOutput;
    if (setjmp(errors.failed)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    info.dest = &destination;
    info.image_width = JDIMENSION(pixels.width());
    info.image_height = JDIMENSION(pixels.height());
    // Qt's 32-bit pixels as they lie in memory.
    info.input_components = 4;
    info.in_color_space = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRX : JCS_EXT_XRGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    // Huffman tables made for this image: a second pass over the coefficients
    // for files a sixth to a fifth smaller, the pixels unchanged.
    info.optimize_coding = TRUE;
    info.comp_info[0].h_samp_factor = h;
    info.comp_info[0].v_samp_factor = v;
    jpeg_start_compress(&info, TRUE);
    if (!profile.isEmpty())
        jpeg_write_icc_profile(
            &info, reinterpret_cast<const JOCTET *>(profile.constData()), unsigned(profile.size()));
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<uchar *>(pixels.constScanLine(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

QByteArray encodeJpeg(const QImage &image)
{
    if (image.isNull())
        return {};
    const QImage pixels = in32Bits(image);
    // The source's chroma resolution is kept: 4:2:0, libjpeg's default, stays
    // 4:2:0, and full-resolution chroma is not thrown away.
    const QString sampling = image.text(samplingKey);
    const bool known = sampling.size() == 3 && sampling[1] == u'x';
    const int h = known ? std::clamp(sampling[0].digitValue(), 1, 2) : 2;
    const int v = known ? std::clamp(sampling[2].digitValue(), 1, 2) : 2;
    QByteArray bytes;
    if (!compressJpeg(pixels, h, v, image.colorSpace().iccProfile(), bytes))
        return {};
    return bytes;
}

// One row of `image` (RGB32, ARGB32 or ARGB32_Premultiplied) as PNG samples:
// red, green, blue and, for 4 bytes a pixel, straight alpha.
template<int bytesPerPixel>
void pngSamples(const QImage &image, int y, uchar *out)
{
    const auto *pixels = reinterpret_cast<const QRgb *>(image.constScanLine(y));
    const bool premultiplied = image.format() == QImage::Format_ARGB32_Premultiplied;
    for (int x = 0; x < image.width(); ++x, out += bytesPerPixel) {
        const QRgb pixel = premultiplied ? qUnpremultiply(pixels[x]) : pixels[x];
        out[0] = uchar(qRed(pixel));
        out[1] = uchar(qGreen(pixel));
        out[2] = uchar(qBlue(pixel));
        if constexpr (bytesPerPixel == 4)
            out[3] = uchar(qAlpha(pixel));
    }
}

bool isOpaque(const QImage &image)
{
    if (!image.hasAlphaChannel())
        return true;
    for (int y = 0; y < image.height(); ++y) {
        const auto *pixels = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        if (!std::all_of(pixels, pixels + image.width(), [](QRgb p) { return qAlpha(p) == 255; }))
            return false;
    }
    return true;
}

// How well a row of filter residuals compresses, by the usual estimate: the
// sum of their magnitudes read as signed bytes.
inline unsigned magnitude(uchar residual)
{
    return std::min<unsigned>(residual, 256 - residual);
}

// The PNG filter type bytes of the three filters tried.
constexpr uchar filterSub = 1, filterUp = 2, filterPaeth = 4;

// Filtered rows as PNG's compressed data holds them, and what they look like.
struct FilteredRows
{
    QByteArray bytes; // each row behind the type byte of its filter
    qint64 zeros = 0; // residuals that are zero
    qint64 magnitudes = 0; // sum of the residuals' magnitudes
};

// Every row of `image` as PNG samples (3 or 4 bytes a pixel), filtered all
// three ways in one pass. Each row is converted as it is reached: no copy of
// the whole image, whose fresh pages cost more than the conversion. Up is
// kept unless another filter's residuals are a fifth smaller by the
// estimate, as what Up leaves repeats what the row above left in the same
// place, where deflate finds it again: files of photographs came out 2 to 5 %
// smaller than by the estimate alone, those of flat icons within 2 %.
template<int bytesPerPixel>
FilteredRows filterRows(const QImage &image)
{
    const qsizetype length = qsizetype(image.width()) * bytesPerPixel;
    FilteredRows rows { QByteArray(image.height() * (length + 1), Qt::Uninitialized) };
    // Two rows of samples (the row above the first is zeros) and three of residuals.
    QByteArray scratch(5 * length, '\0');
    uchar *row = reinterpret_cast<uchar *>(scratch.data()), *above = row + length;
    uchar *const sub = above + length, *const up = sub + length, *const paeth = up + length;
    for (int y = 0; y < image.height(); ++y) {
        pngSamples<bytesPerPixel>(image, y, row);
        unsigned subCost = 0, upCost = 0, paethCost = 0;
        // The first pixel has nothing to its left: Sub keeps it, Paeth is Up.
        for (qsizetype i = 0; i < bytesPerPixel; ++i) {
            sub[i] = row[i];
            up[i] = paeth[i] = uchar(row[i] - above[i]);
            subCost += magnitude(sub[i]);
            upCost += magnitude(up[i]);
            paethCost += magnitude(paeth[i]);
        }
        for (qsizetype i = bytesPerPixel; i < length; ++i) {
            const int x = row[i], a = row[i - bytesPerPixel], b = above[i],
                      c = above[i - bytesPerPixel];
            const int pa = std::abs(b - c), pb = std::abs(a - c), pc = std::abs(a + b - 2 * c);
            sub[i] = uchar(x - a);
            up[i] = uchar(x - b);
            paeth[i] = uchar(x - (pa <= pb && pa <= pc ? a : pb <= pc ? b : c));
            subCost += magnitude(sub[i]);
            upCost += magnitude(up[i]);
            paethCost += magnitude(paeth[i]);
        }
        const bool upKept = upCost * 4 <= std::min(subCost, paethCost) * 5;
        const bool subKept = !upKept && subCost <= paethCost;
        uchar *out = reinterpret_cast<uchar *>(rows.bytes.data()) + y * (length + 1);
        out[0] = upKept ? filterUp : subKept ? filterSub : filterPaeth;
        std::copy_n(upKept ? up : subKept ? sub : paeth, length, out + 1);
        rows.zeros += std::count(out + 1, out + 1 + length, 0);
        rows.magnitudes += upKept ? upCost : subKept ? subCost : paethCost;
        std::swap(row, above);
    }
    return rows;
}

// Room for a zlib stream of `size` bytes from either library: zlib's own
// bound for the settings below, which exceeds libdeflate's.
qsizetype deflateRoom(qsizetype size)
{
    return size + size / 8 + size / 64 + 64;
}

// `data` as a zlib stream by zlib at `level` with `strategy`, into `out`;
// its length, 0 on failure.
qsizetype zlibDeflate(const QByteArray &data, int level, int strategy, char *out)
{
    z_stream stream {};
    if (deflateInit2(&stream, level, Z_DEFLATED, 15, 9, strategy) != Z_OK)
        return 0;
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.constData()));
    stream.avail_in = uInt(data.size());
    stream.next_out = reinterpret_cast<Bytef *>(out);
    stream.avail_out = uInt(deflateRoom(data.size()));
    const bool done = deflate(&stream, Z_FINISH) == Z_STREAM_END;
    deflateEnd(&stream);
    return done ? qsizetype(stream.total_out) : 0;
}

// `data` as a zlib stream by libdeflate at `level`, into `out`; its length,
// 0 on failure.
qsizetype libdeflateZlib(const QByteArray &data, int level, char *out)
{
    libdeflate_compressor *compressor = libdeflate_alloc_compressor(level);
    if (!compressor)
        return 0;
    const size_t length = libdeflate_zlib_compress(
        compressor, data.constData(), size_t(data.size()), out, size_t(deflateRoom(data.size())));
    libdeflate_free_compressor(compressor);
    return qsizetype(length);
}

void appendBigEndian(QByteArray &bytes, quint32 value)
{
    const quint32 big = qToBigEndian(value);
    bytes.append(reinterpret_cast<const char *>(&big), 4);
}

// Ends a PNG chunk whose length, type and data are in place from `start`:
// the CRC of type and data.
void appendCrc(QByteArray &png, qsizetype start)
{
    appendBigEndian(png,
        quint32(libdeflate_crc32(0, png.constData() + start + 4, size_t(png.size() - start - 4))));
}

} // namespace

Result<QImage> decodeImage(const QByteArray &bytes)
{
    const auto unusable = [](int code, const QString &why) {
        return Error { QStringLiteral("ImageCodec"), code, why, Error::Kind::imageUnusable };
    };
    // Enough for the largest accepted image at 32 bits a pixel; a header that
    // lies about its size cannot make the decoder allocate more.
    static std::once_flag limitSet;
    std::call_once(limitSet, [] {
        QImageReader::setAllocationLimit(int(qint64(maxDecodedSide) * maxDecodedSide * 4 >> 20));
    });

    // Only what the catalogue delivers, told by the bytes: any other installed
    // plugin (SVG draws local files) is never reached.
    const QByteArray format = bytes.startsWith("\x89PNG\r\n\x1a\n") ? "png"
        : bytes.startsWith("\xff\xd8\xff")                          ? "jpeg"
                                                                    : QByteArray();
    if (format.isEmpty())
        return unusable(1, QStringLiteral("not a PNG or JPEG image"));
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setDecideFormatFromContent(false);
    reader.setAutoTransform(false);
    const auto tooLarge = [&unusable](QSize size) {
        return unusable(2,
            QStringLiteral("%1 × %2 pixels, more than %3 a side")
                .arg(size.width())
                .arg(size.height())
                .arg(maxDecodedSide));
    };
    const QSize declared = reader.size();
    if (declared.width() > maxDecodedSide || declared.height() > maxDecodedSide)
        return tooLarge(declared);
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return unusable(3, reader.errorString());
    if (image.width() > maxDecodedSide || image.height() > maxDecodedSide)
        return tooLarge(image.size());
    if (bytes.startsWith("\xff\xd8")) { // a JPEG
        const QString sampling = jpegSampling(bytes);
        if (!sampling.isEmpty())
            image.setText(samplingKey, sampling);
    }
    return image;
}

QByteArray encodePng(const QImage &image)
{
    if (image.isNull())
        return {};
    const QImage source = in32Bits(image);
    // Straight (unpremultiplied) colours, which is what PNG stores. An image
    // without transparency goes without the alpha channel: a quarter less to
    // filter and compress, and a smaller file.
    const bool alpha = !isOpaque(source);
    const FilteredRows rows = alpha ? filterRows<4>(source) : filterRows<3>(source);

    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    appendBigEndian(png, 13);
    png.append("IHDR");
    appendBigEndian(png, quint32(source.width()));
    appendBigEndian(png, quint32(source.height()));
    // 8 bits a sample, RGB or RGBA, deflate, adaptive filtering, no interlace.
    const char header[] = { 8, char(alpha ? 6 : 2), 0, 0, 0 };
    png.append(header, sizeof header);
    appendCrc(png, 8);

    // The source's colour profile, as the JPEG encoder keeps it: without it
    // every viewer reads a wide-gamut picture's numbers as sRGB, and its
    // colours shift.
    const QByteArray profile = image.colorSpace().iccProfile();
    if (!profile.isEmpty()) {
        QByteArray compressed(deflateRoom(profile.size()), Qt::Uninitialized);
        const qsizetype length = libdeflateZlib(profile, 9, compressed.data());
        if (length == 0)
            return {};
        const qsizetype start = png.size();
        // The profile's name, its NUL, and (the literal's own NUL) compression
        // method 0: a zlib stream.
        const char name[] = "ICC Profile\0";
        appendBigEndian(png, quint32(sizeof name + length));
        png.append("iCCP");
        png.append(name, sizeof name);
        png.append(compressed.constData(), length);
        appendCrc(png, start);
    }

    // Which deflate does best depends on the picture, and the residuals tell
    // its kind (sizes and times measured with bench_export):
    // - Photographs: libdeflate at level 2, a fraction of zlib's time for the
    //   same size. Except with an alpha channel: there its greedy matching
    //   takes short matches through the constant alpha bytes that cost more
    //   than they save, and zlib at level 5, which passes over short distant
    //   matches, is smaller than libdeflate at level 7 and faster.
    // - Noise (residuals 4 or more on average) hides no long repeats to
    //   search for: libdeflate at level 1.
    // - Flat artwork, whose residuals are almost all zero runs: zlib's
    //   run-length strategy (matches only at distance one) is often the
    //   smallest and costs little; it is tried too and the smaller kept.
    // The stream goes straight into the file; fresh pages cost time.
    const qint64 count = rows.bytes.size();
    const bool noise = rows.magnitudes >= 4 * count, runs = rows.zeros * 10 >= count * 9;
    const qsizetype idat = png.size();
    png.resize(idat + 8 + deflateRoom(count));
    char *stream = png.data() + idat + 8;
    qsizetype length = alpha && !noise ? zlibDeflate(rows.bytes, 5, Z_DEFAULT_STRATEGY, stream)
                                       : libdeflateZlib(rows.bytes, noise ? 1 : 2, stream);
    if (runs) {
        QByteArray other(deflateRoom(count), Qt::Uninitialized);
        const qsizetype otherLength = zlibDeflate(rows.bytes, 1, Z_RLE, other.data());
        if (otherLength > 0 && (length == 0 || otherLength < length)) {
            std::copy_n(other.constData(), otherLength, stream);
            length = otherLength;
        }
    }
    if (length == 0)
        return {};
    qToBigEndian(quint32(length), png.data() + idat);
    std::copy_n("IDAT", 4, png.data() + idat + 4);
    png.resize(idat + 8 + length);
    appendCrc(png, idat);
    appendBigEndian(png, 0);
    png.append("IEND");
    appendCrc(png, png.size() - 8);
    return png;
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
