// The icon save pipeline without the network: decode a 1024 x 1024 PNG from
// bytes, round its corners, encode PNG. Ours runs in this process; the same
// job is timed with ImageMagick's `convert` (one process per run) on the same
// files.
//
//   bench_export [--runs N] [--sample rounded.png]
//
// --sample writes the rounded flat icon to the given file.

#include "export/ImageCodec.h"
#include "export/Rounding.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

namespace {

constexpr int side = 1024;
constexpr double radius = side * 0.08; // the slightly rounded option

// Flat colours and smooth shading, like most app icons.
QImage flatIcon()
{
    QImage image(side, side, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient background(0, 0, 0, side);
    background.setColorAt(0, QColor(0x3a, 0x7b, 0xd5));
    background.setColorAt(1, QColor(0x00, 0xd2, 0xff));
    painter.fillRect(image.rect(), background);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(512, 470), 300, 300);
    painter.setBrush(QColor(0xff, 0x9f, 0x0a));
    painter.drawRoundedRect(QRectF(312, 380, 400, 180), 60, 60);
    painter.setBrush(QColor(0x1c, 0x1c, 0x1e));
    painter.drawEllipse(QPointF(420, 470), 40, 40);
    painter.drawEllipse(QPointF(604, 470), 40, 40);
    return image;
}

// Smooth shapes under sensor-like noise, like a photograph.
QImage noisyPhoto()
{
    QImage image(side, side, QImage::Format_RGB32);
    std::mt19937 random(20261206);
    std::normal_distribution<double> noise(0, 10);
    const auto channel = [&](double base) {
        return std::clamp(int(base + noise(random)), 0, 255);
    };
    for (int y = 0; y < side; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < side; ++x) {
            const double u = double(x) / side, v = double(y) / side;
            line[x] = qRgb(channel(120 + 80 * std::sin(6 * u + 2 * std::cos(5 * v))),
                channel(110 + 70 * std::cos(4 * v - 3 * u * u)),
                channel(100 + 60 * std::sin(9 * u * v + 1)));
        }
    }
    return image;
}

QByteArray pngOf(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, "png").write(image);
    return bytes;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Wall time of one `convert` run in milliseconds; negative when it failed.
double timeConvert(const QStringList &arguments)
{
    QProcess convert;
    QElapsedTimer timer;
    timer.start();
    convert.start(QStringLiteral("convert"), arguments);
    if (!convert.waitForFinished(60000) || convert.exitStatus() != QProcess::NormalExit
        || convert.exitCode() != 0)
        return -1;
    return timer.nsecsElapsed() / 1e6;
}

qint64 fileSize(const QString &path)
{
    return QFileInfo(path).size();
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOptions({ { QStringLiteral("runs"), QStringLiteral("Runs per image."),
                            QStringLiteral("n"), QStringLiteral("15") },
        { QStringLiteral("sample"), QStringLiteral("Write the rounded flat icon here."),
            QStringLiteral("file") } });
    parser.process(app);
    const int runs = std::max(1, parser.value(QStringLiteral("runs")).toInt());

    QTemporaryDir dir;
    const QString draw = QStringLiteral("roundrectangle 0,0 %1,%1 %2,%2").arg(side - 1).arg(radius);
    std::printf("Pipeline: decode a %dx%d PNG from bytes, round (radius %.2f), encode PNG.\n", side,
        side, radius);
    std::printf("Ours runs in this process (no process start); ImageMagick is one `convert`\n"
                "process per run, timed from start to exit. Medians of %d runs.\n\n",
        runs);

    std::vector<double> startTimes;
    for (int run = 0; run < runs; ++run)
        startTimes.push_back(timeConvert({ QStringLiteral("-size"), QStringLiteral("1x1"),
            QStringLiteral("xc:none"), dir.filePath("one.png") }));
    if (*std::min_element(startTimes.begin(), startTimes.end()) < 0) {
        std::fprintf(stderr, "ImageMagick's convert did not run\n");
        return 1;
    }

    std::printf("%-6s %10s %10s %7s %10s %10s %7s\n", "image", "ours ms", "IM ms", "ratio",
        "our bytes", "IM bytes", "size");
    for (const auto &[name, image] :
        { std::pair { "flat", flatIcon() }, std::pair { "noisy", noisyPhoto() } }) {
        const QByteArray input = pngOf(image);
        const QString inputPath = dir.filePath(QStringLiteral("%1.png").arg(name));
        const QString outputPath = dir.filePath(QStringLiteral("%1-im.png").arg(name));
        QFile file(inputPath);
        if (!file.open(QIODevice::WriteOnly) || file.write(input) != input.size())
            return 1;
        file.close();
        const QStringList convertArguments
            = { inputPath, QStringLiteral("-alpha"), QStringLiteral("set"), QStringLiteral("("),
                  QStringLiteral("-size"), QStringLiteral("%1x%1").arg(side),
                  QStringLiteral("xc:none"), QStringLiteral("-fill"), QStringLiteral("white"),
                  QStringLiteral("-draw"), draw, QStringLiteral(")"), QStringLiteral("-compose"),
                  QStringLiteral("DstIn"), QStringLiteral("-composite"), outputPath };

        QByteArray ours;
        const auto pipeline = [&] {
            const std::optional<QImage> decoded = decodeImage(input);
            ours = decoded ? encodePng(withCornerRadius(*decoded, radius).value_or(QImage()))
                           : QByteArray();
        };
        pipeline(); // warm up
        std::vector<double> ourTimes, theirTimes;
        for (int run = 0; run < runs; ++run) {
            QElapsedTimer timer;
            timer.start();
            pipeline();
            ourTimes.push_back(timer.nsecsElapsed() / 1e6);
            theirTimes.push_back(timeConvert(convertArguments));
        }
        if (ours.isEmpty() || *std::min_element(theirTimes.begin(), theirTimes.end()) < 0) {
            std::fprintf(stderr, "%s: a pipeline failed\n", name);
            return 1;
        }
        const double ourMedian = median(ourTimes), theirMedian = median(theirTimes);
        const qint64 theirBytes = fileSize(outputPath);
        std::printf("%-6s %10.1f %10.1f %7.2f %10lld %10lld %7.2f\n", name, ourMedian, theirMedian,
            ourMedian / theirMedian, qint64(ours.size()), theirBytes,
            double(ours.size()) / theirBytes);

        if (parser.isSet(QStringLiteral("sample")) && QByteArrayView(name) == "flat") {
            QFile sample(parser.value(QStringLiteral("sample")));
            if (!sample.open(QIODevice::WriteOnly) || sample.write(ours) != ours.size())
                return 1;
        }
    }
    std::printf("\nImageMagick process start (convert on a 1x1 image): median %.1f ms\n",
        median(startTimes));
    return 0;
}
