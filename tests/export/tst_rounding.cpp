#include "TestEnvironment.h"
#include "export/Rounding.h"

#include <cmath>

class tst_Rounding : public QObject
{
    Q_OBJECT

    // Opaque and different in every pixel, so a changed pixel shows.
    static QImage pattern(QSize size)
    {
        QImage image(size, QImage::Format_RGB32);
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                image.setPixel(x, y, qRgb(x, y, x ^ y));
        return image;
    }

private slots:
    void clipsToTheShape_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<qreal>("radius"); // negative: rounded()
        QTest::addColumn<qreal>("circle"); // radius of the expected circle or capsule, or 0
        QTest::newRow("square becomes a circle") << QSize(1024, 1024) << -1.0 << 512.0;
        QTest::newRow("200x100 becomes a capsule") << QSize(200, 100) << -1.0 << 50.0;
        QTest::newRow("512 slightly rounded") << QSize(512, 512) << 40.96 << 0.0;
        QTest::newRow("radius 0") << QSize(300, 200) << 0.0 << 0.0;
        QTest::newRow("no pixels") << QSize() << 10.0 << 0.0;
        QTest::newRow("no pixels, rounded") << QSize() << -1.0 << 0.0;
    }

    void clipsToTheShape()
    {
        QFETCH(QSize, size);
        QFETCH(qreal, radius);
        QFETCH(qreal, circle);
        const QImage source = pattern(size);
        const std::optional<QImage> result
            = radius < 0 ? rounded(source) : withCornerRadius(source, radius);
        QCOMPARE(result.has_value(), !size.isEmpty());
        if (!result)
            return;
        QCOMPARE(result->size(), size);

        const int w = size.width(), h = size.height();
        const double reach = circle > 0 ? circle : continuousCornerExtent * radius;
        int partial = 0;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const int alpha = qAlpha(result->pixel(x, y));
                partial += alpha > 0 && alpha < 255;
                // Outside the four reach-by-reach corner squares nothing changes; a circle or
                // capsule is opaque inside and clear outside (pixel centre to its spine).
                const bool inCorner
                    = std::min(x, w - 1 - x) < reach && std::min(y, h - 1 - y) < reach;
                const double d = std::hypot(x + 0.5 - std::clamp(x + 0.5, circle, w - circle),
                    y + 0.5 - std::clamp(y + 0.5, circle, h - circle));
                if ((!inCorner && result->pixel(x, y) != source.pixel(x, y))
                    || (circle > 0 && alpha != (d < circle ? 255 : 0) && std::abs(d - circle) > 1))
                    QFAIL(qPrintable(QString::asprintf("pixel %d,%d alpha %d", x, y, alpha)));
            }
        }
        QCOMPARE(partial > 0, radius != 0); // antialiased edges
        QCOMPARE(qAlpha(result->pixel(w - 1, h - 1)), radius != 0 ? 0 : 255);
    }

    // A circular corner of radius 40.96 would be opaque at 44 along the edge;
    // this one is still leaving the edge there and joins it at 62.6.
    void slightlyRoundedCornerEasesIntoTheEdge()
    {
        const QImage icon = withCornerRadius(pattern({ 512, 512 }), 512 * 0.08).value_or(QImage());
        const std::array<int, 4> pixels[] = { { 0, 0, 0, 0 }, { 11, 11, 0, 0 }, { 500, 500, 0, 0 },
            { 17, 17, 255, 255 }, { 494, 17, 255, 255 }, { 44, 0, 30, 225 }, { 0, 44, 30, 225 },
            { 467, 511, 30, 225 }, { 63, 0, 255, 255 }, { 0, 448, 255, 255 } };
        for (const auto &[x, y, minimum, maximum] : pixels) {
            const int alpha = qAlpha(icon.pixel(x, y));
            QVERIFY2(alpha >= minimum && alpha <= maximum,
                qPrintable(QString::asprintf("pixel %d,%d alpha %d", x, y, alpha)));
        }
    }
};

VELLUMAR_TEST_MAIN(tst_Rounding)
#include "tst_rounding.moc"
