#include "TestEnvironment.h"
#include "export/Rounding.h"

#include <QLinearGradient>
#include <QPainter>

#include <cmath>

namespace {

// Opaque and different in every pixel, so a changed pixel shows.
QImage pattern(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, size.width(), size.height());
    gradient.setColorAt(0, QColor(200, 30, 90));
    gradient.setColorAt(1, QColor(20, 160, 240));
    painter.fillRect(image.rect(), gradient);
    return image;
}

int alphaAt(const QImage &image, int x, int y)
{
    return qAlpha(image.pixel(x, y));
}

} // namespace

class tst_Rounding : public QObject
{
    Q_OBJECT
private slots:
    void clipsToTheShape_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<qreal>("radius"); // negative: rounded()
        QTest::addColumn<qreal>("effectiveRadius");
        QTest::addColumn<bool>("circular");
        QTest::newRow("square becomes a circle") << QSize(1024, 1024) << -1.0 << 512.0 << true;
        QTest::newRow("200x100 becomes a capsule") << QSize(200, 100) << -1.0 << 50.0 << true;
        QTest::newRow("radius above half is clamped") << QSize(200, 100) << 500.0 << 50.0 << true;
        QTest::newRow("512 slightly rounded") << QSize(512, 512) << 40.96 << 40.96 << false;
        QTest::newRow("radius 0") << QSize(300, 200) << 0.0 << 0.0 << false;
    }

    void clipsToTheShape()
    {
        QFETCH(QSize, size);
        QFETCH(qreal, radius);
        QFETCH(qreal, effectiveRadius);
        QFETCH(bool, circular);
        const QImage source = pattern(size);
        const std::optional<QImage> result
            = radius < 0 ? rounded(source) : withCornerRadius(source, radius);
        QVERIFY(result);
        QCOMPARE(result->size(), size);
        QCOMPARE(result->format(), QImage::Format_ARGB32_Premultiplied);

        const int w = size.width(), h = size.height();
        const double half = std::min(w, h) / 2.0;
        const double reach = std::min(continuousCornerExtent * effectiveRadius, half);
        int partial = 0;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const int alpha = alphaAt(*result, x, y);
                partial += alpha > 0 && alpha < 255;
                // Outside the four reach-by-reach corner squares nothing changes.
                const bool inCorner
                    = std::min(x, w - 1 - x) < reach && std::min(y, h - 1 - y) < reach;
                if (!inCorner && result->pixel(x, y) != source.pixel(x, y))
                    QFAIL(qPrintable(QStringLiteral("pixel %1,%2 changed").arg(x).arg(y)));
                // Mirror images agree: every corner has the same shape.
                QVERIFY(std::abs(alpha - alphaAt(*result, w - 1 - x, h - 1 - y)) <= 2);
                QVERIFY(std::abs(alpha - alphaAt(*result, w - 1 - x, y)) <= 2);
                if (circular) {
                    // Distance of the pixel centre from the capsule's spine.
                    const double cx = std::clamp(x + 0.5, half, w - half);
                    const double cy = std::clamp(y + 0.5, half, h - half);
                    const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
                    if ((d < half - 1 && alpha != 255) || (d > half + 1 && alpha != 0))
                        QFAIL(qPrintable(QStringLiteral("pixel %1,%2 alpha %3 at distance %4")
                                             .arg(x)
                                             .arg(y)
                                             .arg(alpha)
                                             .arg(d)));
                }
            }
        }
        if (effectiveRadius == 0) {
            QCOMPARE(partial, 0);
            return;
        }
        QCOMPARE(alphaAt(*result, 0, 0), 0);
        QVERIFY(partial > 0); // antialiased edge
    }

    void slightlyRoundedCornerEasesIntoTheEdge()
    {
        const std::optional<QImage> icon = withCornerRadius(pattern({ 512, 512 }), 512 * 0.08);
        QVERIFY(icon);
        for (int i : { 0, 5, 11 })
            QCOMPARE(alphaAt(*icon, i, i), 0);
        QCOMPARE(alphaAt(*icon, 17, 17), 255);
        // A circular corner of radius 40.96 would be opaque at x = 44 on the
        // top row; this one is still leaving the edge and reaches it at 62.6.
        for (auto [x, y] :
            { std::pair { 44, 0 }, std::pair { 0, 44 }, std::pair { 511 - 44, 511 } }) {
            QVERIFY(alphaAt(*icon, x, y) > 30);
            QVERIFY(alphaAt(*icon, x, y) < 225);
        }
        QCOMPARE(alphaAt(*icon, 63, 0), 255);
        QCOMPARE(alphaAt(*icon, 0, 63), 255);
    }

    void imageWithoutPixelsGivesNothing()
    {
        QVERIFY(!withCornerRadius(QImage(), 10));
        QVERIFY(!rounded(QImage()));
    }
};

VELLUMAR_TEST_MAIN(tst_Rounding)
#include "tst_rounding.moc"
