// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Icon saves, ours against ImageMagick's `convert` and libvips's `vips`.
//
// Three 1024 × 1024 JPEG sources are made here at quality 90 (Qt's writer,
// so 4:2:0): a flat icon, a photo-like picture and a noisy one. Each is saved
// the four ways the app saves an icon: square PNG, slightly rounded PNG
// (radius 0.08 × side, the slightly rounded shape of IconSaveOptions),
// rounded PNG (a circle) and the original as JPEG at quality 100.
//
// Whole process against whole process: each tool does one save from file to
// file, ours being this program run again with --save, which loads no more
// than Qt GUI and the image code. CPU time is the child's user + system time
// (wait4), wall time runs from the start to the exit. In process: our save
// from bytes to bytes, without the process start. Medians.
// Sizes: ours against ImageMagick's and vips's, and each square PNG against
// what `optipng -o1` makes of it.
//
//   bench_export [--runs N] [--keep DIR]      (DIR keeps sources and outputs)
//   bench_export --save square|slight|rounded|original IN OUT

#include "export/ImageCodec.h"
#include "export/Rounding.h"

#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fcntl.h>
#include <optional>
#include <random>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <vector>

extern char **environ;

namespace {

constexpr int side = 1024;
const QStringList modes { "square", "slight", "rounded", "original" };

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

// A dusk sky with out-of-focus lights over hills, under fine grain, like a
// photograph.
QImage photoLike()
{
    QImage image(side, side, QImage::Format_RGB32);
    std::mt19937 random(7);
    std::uniform_real_distribution<double> unit(0, 1);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, side);
    sky.setColorAt(0, QColor(0x1d, 0x2b, 0x53));
    sky.setColorAt(0.6, QColor(0xe0, 0x7a, 0x5f));
    sky.setColorAt(1, QColor(0xf2, 0xcc, 0x8f));
    painter.fillRect(image.rect(), sky);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 24; ++i) {
        const QPointF centre(unit(random) * side, unit(random) * side);
        const double r = 40 + unit(random) * 160;
        QColor colour = QColor::fromHsvF(unit(random), 0.5, 1, 0.5);
        QRadialGradient light(centre, r);
        light.setColorAt(0, colour);
        colour.setAlpha(0);
        light.setColorAt(1, colour);
        painter.setBrush(light);
        painter.drawEllipse(centre, r, r);
    }
    for (int layer = 0; layer < 3; ++layer) { // darker towards the front
        QPainterPath hill(QPointF(0, side));
        for (int x = 0; x <= side; x += 16)
            hill.lineTo(x,
                side * (0.55 + 0.12 * layer) + 60 * std::sin(x / (90.0 + 40 * layer) + layer * 2)
                    + 20 * unit(random));
        hill.lineTo(side, side);
        QLinearGradient shade(0, side * 0.5, 0, side);
        shade.setColorAt(0, QColor::fromHsvF(0.3 + 0.05 * layer, 0.6, 0.55 - 0.15 * layer));
        shade.setColorAt(1, QColor::fromHsvF(0.28, 0.7, 0.2));
        painter.setBrush(shade);
        painter.drawPath(hill);
    }
    painter.end();
    // Grain mostly in brightness, a little in colour, as a sensor's.
    std::normal_distribution<double> grain(0, 3);
    for (int y = 0; y < side; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < side; ++x) {
            const double brightness = grain(random);
            const auto channel = [&](int value) {
                return std::clamp(int(value + brightness + grain(random) / 2), 0, 255);
            };
            line[x]
                = qRgb(channel(qRed(line[x])), channel(qGreen(line[x])), channel(qBlue(line[x])));
        }
    }
    return image;
}

// Smooth shapes under strong independent noise in every channel.
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

// One save as the app makes it once the bytes are downloaded; empty on failure.
QByteArray save(const QByteArray &source, const QString &mode)
{
    std::optional<QImage> image;
    if (Result<QImage> decoded = decodeImage(source))
        image = std::move(decoded).value();
    if (image && mode == "original")
        return encodeImage(*image, ImageFormat::jpeg);
    if (image && mode != "square")
        image
            = mode == "rounded" ? rounded(*image) : withCornerRadius(*image, image->width() * 0.08);
    return image ? encodeImage(*image, ImageFormat::png) : QByteArray();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Debian's own tool, before any wrapper of the same name earlier in PATH.
QString tool(const QString &name)
{
    const QString system = QStandardPaths::findExecutable(name, { QStringLiteral("/usr/bin") });
    return system.isEmpty() ? QStandardPaths::findExecutable(name) : system;
}

struct Timing
{
    double cpu = 0; // ms
    double wall = 0; // ms
};

// One run of a command with its output discarded; nothing when it failed.
std::optional<Timing> run(const QStringList &command)
{
    std::vector<QByteArray> strings;
    for (const QString &argument : command)
        strings.push_back(argument.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &string : strings)
        argv.push_back(string.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    QElapsedTimer timer;
    timer.start();
    pid_t child = 0;
    const int error = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    rusage usage {};
    if (error != 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status)
        || WEXITSTATUS(status) != 0)
        return std::nullopt;
    const double wall = timer.nsecsElapsed() / 1e6;
    const auto ms = [](timeval t) {
        return t.tv_sec * 1e3 + t.tv_usec / 1e3;
    };
    return Timing { ms(usage.ru_utime) + ms(usage.ru_stime), wall };
}

// This process's CPU time, Qt's helper threads included (no child is running
// while it is read).
double processCpuMs()
{
    timespec now {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

Timing median(const std::vector<Timing> &timings)
{
    std::vector<double> cpu, wall;
    for (const Timing &timing : timings) {
        cpu.push_back(timing.cpu);
        wall.push_back(timing.wall);
    }
    return { median(cpu), median(wall) };
}

// The rounded-rectangle mask vips composites with; rx = 512 makes the circle.
QByteArray maskSvg(double radius)
{
    return QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\">"
                          "<rect width=\"%1\" height=\"%1\" rx=\"%2\" fill=\"#fff\"/></svg>\n")
        .arg(side)
        .arg(radius)
        .toUtf8();
}

struct Row
{
    QString image, mode;
    Timing ours, magick, vips, inProcess;
    qint64 ourBytes = 0, magickBytes = 0, vipsBytes = 0, optipngBytes = 0;
};

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 5 && QByteArrayView(argv[1]) == "--save") {
        const QByteArray bytes = save(readFile(QString::fromLocal8Bit(argv[3])), argv[2]);
        return !bytes.isEmpty() && writeFile(QString::fromLocal8Bit(argv[4]), bytes) ? 0 : 1;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOptions({ { "runs", "Runs per image, mode and tool.", "n", "9" },
        { "keep", "Keep sources and outputs in this folder.", "folder" } });
    parser.process(app);
    const int runs = std::max(1, parser.value("runs").toInt());
    QTemporaryDir temporary;
    const QString folder = parser.isSet("keep") ? parser.value("keep") : temporary.path();
    QDir().mkpath(folder);
    const auto path = [&](const QString &name) {
        return QDir(folder).filePath(name);
    };

    const QString self = QCoreApplication::applicationFilePath(), convert = tool("convert"),
                  vips = tool("vips"), optipng = tool("optipng");
    if (convert.isEmpty() || vips.isEmpty() || optipng.isEmpty()) {
        std::fprintf(stderr, "needs ImageMagick's convert, vips and optipng\n");
        return 1;
    }
    const double slightRadius = side * 0.08;
    if (!writeFile(path("slight.svg"), maskSvg(slightRadius))
        || !writeFile(path("rounded.svg"), maskSvg(side / 2.0)))
        return 1;

    std::vector<Row> rows;
    for (const auto &[name, picture] : { std::pair { "flat", flatIcon() },
             std::pair { "photo", photoLike() }, std::pair { "noisy", noisyPhoto() } }) {
        const QString source = path(QStringLiteral("%1.jpg").arg(name));
        QImageWriter writer(source, "jpeg");
        writer.setQuality(90);
        if (!writer.write(picture))
            return 1;
        const QByteArray sourceBytes = readFile(source);
        for (const QString &mode : modes) {
            const bool jpeg = mode == "original";
            const QString stem = QStringLiteral("%1-%2-").arg(name, mode),
                          suffix = jpeg ? ".jpg" : ".png";
            const QString ours = path(stem + "ours" + suffix), magick = path(stem + "im" + suffix),
                          theirs = path(stem + "vips" + suffix);
            // ImageMagick keeps the source's 4:2:0 and optimises the Huffman
            // tables by itself; vips is told to do the same as ours.
            const QString draw = QStringLiteral("roundrectangle 0,0 %1,%1 %2,%2")
                                     .arg(side - 1)
                                     .arg(mode == "rounded" ? side / 2.0 : slightRadius);
            const QStringList magickCommand = mode == "square"
                ? QStringList { convert, source, magick }
                : jpeg ? QStringList { convert, source, "-quality", "100", magick }
                       : QStringList { convert, source, "-alpha", "set", "(", "-size",
                             QStringLiteral("%1x%1").arg(side), "xc:none", "-fill", "white",
                             "-draw", draw, ")", "-compose", "DstIn", "-composite", magick };
            const QStringList vipsCommand = mode == "square"
                ? QStringList { vips, "pngsave", source, theirs }
                : jpeg ? QStringList { vips, "jpegsave", source, theirs, "--Q", "100",
                      "--optimize-coding", "--subsample-mode", "on" }
                       : QStringList { vips, "composite2", source, path(mode + ".svg"), theirs,
                             "dest-in" };
            const QStringList ourCommand { self, "--save", mode, source, ours };

            Row row;
            row.image = name;
            row.mode = mode;
            std::vector<Timing> our, magicks, vipses, inProcess;
            for (int i = 0; i <= runs; ++i) { // the first run warms up
                const std::optional<Timing> a = run(ourCommand), b = run(magickCommand),
                                            c = run(vipsCommand);
                if (!a || !b || !c) {
                    std::fprintf(stderr, "%s %s: a save failed (%s)\n", name, qPrintable(mode),
                        !a       ? "ours"
                            : !b ? "ImageMagick"
                                 : "vips");
                    return 1;
                }
                QElapsedTimer timer;
                timer.start();
                const double cpu = processCpuMs();
                const QByteArray bytes = save(sourceBytes, mode);
                const Timing here { processCpuMs() - cpu, timer.nsecsElapsed() / 1e6 };
                if (bytes.isEmpty())
                    return 1;
                if (i > 0) {
                    our.push_back(*a);
                    magicks.push_back(*b);
                    vipses.push_back(*c);
                    inProcess.push_back(here);
                }
            }
            row.ours = median(our);
            row.magick = median(magicks);
            row.vips = median(vipses);
            row.inProcess = median(inProcess);
            row.ourBytes = QFileInfo(ours).size();
            row.magickBytes = QFileInfo(magick).size();
            row.vipsBytes = QFileInfo(theirs).size();
            if (mode == "square") {
                const QString optimised = path(stem + "optipng.png");
                QFile::remove(optimised);
                // -force: its own result even where ours is smaller.
                if (!run({ optipng, "-quiet", "-o1", "-force", "-out", optimised, ours }))
                    return 1;
                row.optipngBytes = QFileInfo(optimised).size();
            }
            rows.push_back(row);
        }
    }

    std::printf("Icon saves of 1024 x 1024 JPEG sources; medians of %d runs.\n"
                "Whole process: one save from file to file; CPU is user + system time.\n"
                "In process: ours from bytes to bytes, without the process start.\n\n",
        runs);
    std::printf("%-6s %-9s | %27s %11s | %23s %6s | %13s\n", "", "", "CPU ms, whole process",
        "ours /", "wall ms, whole process", "ours /", "in process");
    std::printf("%-6s %-9s | %8s %8s %8s %5s %5s | %7s %7s %7s %6s | %6s %6s\n", "image", "mode",
        "ours", "IM", "vips", "IM", "vips", "ours", "IM", "vips", "vips", "CPU", "wall");
    for (const Row &row : rows)
        std::printf(
            "%-6s %-9s | %8.1f %8.1f %8.1f %5.2f %5.2f | %7.1f %7.1f %7.1f %6.2f | %6.1f %6.1f\n",
            qPrintable(row.image), qPrintable(row.mode), row.ours.cpu, row.magick.cpu, row.vips.cpu,
            row.ours.cpu / row.magick.cpu, row.ours.cpu / row.vips.cpu, row.ours.wall,
            row.magick.wall, row.vips.wall, row.ours.wall / row.vips.wall, row.inProcess.cpu,
            row.inProcess.wall);

    std::printf("\n%-6s %-9s | %9s %9s %9s %5s %5s | %11s %6s\n", "image", "mode", "ours B", "IM B",
        "vips B", "/IM", "/vips", "optipng -o1", "ours /");
    for (const Row &row : rows) {
        std::printf("%-6s %-9s | %9lld %9lld %9lld %5.2f %5.2f |", qPrintable(row.image),
            qPrintable(row.mode), row.ourBytes, row.magickBytes, row.vipsBytes,
            double(row.ourBytes) / row.magickBytes, double(row.ourBytes) / row.vipsBytes);
        if (row.optipngBytes > 0)
            std::printf(" %11lld %6.3f", row.optipngBytes, double(row.ourBytes) / row.optipngBytes);
        std::printf("\n");
    }

    // The targets, each a ratio from this run.
    int cpuMet = 0, roundedMet = 0, roundedCount = 0, squareMet = 0, squareCount = 0;
    for (const Row &row : rows) {
        cpuMet += row.ours.cpu <= 0.8 * row.vips.cpu;
        if (row.mode == "slight" || row.mode == "rounded") {
            ++roundedCount;
            roundedMet += row.ourBytes <= row.magickBytes;
        } else if (row.mode == "square") {
            ++squareCount;
            squareMet += row.ourBytes <= 1.05 * row.optipngBytes;
        }
    }
    std::printf("\nTargets met: CPU <= 0.8 x vips %d of %zu; rounded PNG <= 1.0 x ImageMagick "
                "%d of %d; square PNG <= 1.05 x optipng -o1 %d of %d\n",
        cpuMet, rows.size(), roundedMet, roundedCount, squareMet, squareCount);
    return 0;
}
