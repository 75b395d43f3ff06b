#include "TestEnvironment.h"
#include "export/ImageCodec.h"

#include <QtEndian>

#include <zlib.h>

namespace {

QByteArray bigEndian(quint32 value)
{
    value = qToBigEndian(value);
    return QByteArray(reinterpret_cast<const char *>(&value), 4);
}

QByteArray pngChunk(const QByteArray &type, const QByteArray &data)
{
    const QByteArray body = type + data;
    return bigEndian(data.size()) + body
        + bigEndian(crc32(0, reinterpret_cast<const Bytef *>(body.constData()), body.size()));
}

// A well-formed PNG declaring `width` x `height` whose pixel data is a few
// compressed zeros: tiny on the wire, huge once decoded.
QByteArray pngBomb(quint32 width, quint32 height)
{
    QByteArray zeros(4096, 0), compressed(8192, 0);
    uLongf length = compressed.size();
    compress(reinterpret_cast<Bytef *>(compressed.data()), &length,
        reinterpret_cast<const Bytef *>(zeros.constData()), zeros.size());
    compressed.truncate(length);
    return QByteArray("\x89PNG\r\n\x1a\n", 8)
        + pngChunk(
            "IHDR", bigEndian(width) + bigEndian(height) + QByteArray("\x08\x06\x00\x00\x00", 5))
        + pngChunk("IDAT", compressed) + pngChunk("IEND", {});
}

} // namespace

class tst_ImageCodec : public QObject
{
    Q_OBJECT
private slots:
    void decodeRefusesWhatIsNoImageOrTooLarge_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QSize>("expected"); // invalid: refused
        QTest::newRow("html error page")
            << QByteArray("<!DOCTYPE html><title>404</title>") << QSize();
        QTest::newRow("empty") << QByteArray() << QSize();
        QTest::newRow("100000 x 100000 bomb") << pngBomb(100000, 100000) << QSize();
        // Small enough to decode at once; refused for its declared width alone.
        QImage wide(8193, 2, QImage::Format_ARGB32);
        wide.fill(Qt::red);
        QTest::newRow("8193 wide") << encodePng(wide) << QSize();
        QImage widest(8192, 2, QImage::Format_ARGB32);
        widest.fill(Qt::red);
        QTest::newRow("8192 wide is fine") << encodePng(widest) << QSize(8192, 2);
    }

    void decodeRefusesWhatIsNoImageOrTooLarge()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QSize, expected);
        const std::optional<QImage> image = decodeImage(bytes);
        QCOMPARE(image.has_value(), expected.isValid());
        if (image)
            QCOMPARE(image->size(), expected);
    }

    // PNG stores straight alpha: opaque colours come back exactly, translucent
    // ones as close as 8 bits allow.
    void pngKeepsColoursAndAlpha()
    {
        QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x)
                image.setPixel(
                    x, y, qPremultiply(qRgba(x * 4, y * 4, 255 - x * 2, y < 32 ? 255 : x * 4)));
        const std::optional<QImage> back = decodeImage(encodePng(image));
        QVERIFY(back);
        const QImage decoded = back->convertToFormat(QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < 64; ++y) {
            for (int x = 0; x < 64; ++x) {
                const QRgb want = image.pixel(x, y), got = decoded.pixel(x, y);
                const int tolerance = qAlpha(want) == 255 ? 0 : 1;
                for (int shift : { 0, 8, 16, 24 })
                    QVERIFY2(std::abs(int((want >> shift) & 0xff) - int((got >> shift) & 0xff))
                            <= tolerance,
                        qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
            }
        }
    }
};

VELLUMAR_TEST_MAIN(tst_ImageCodec)
#include "tst_imagecodec.moc"
