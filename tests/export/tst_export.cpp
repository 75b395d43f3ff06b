// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TaskOutcome.h"
#include "TestEnvironment.h"
#include "export/DesktopPhotoLibrary.h"
#include "export/ImageCodec.h"
#include "export/ImageSaver.h"
#include "export/Rounding.h"

#include <QBuffer>
#include <QColorSpace>

#include <cmath>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using Probe = std::array<int, 4>; // x, y, lowest and highest alpha
// The size, the corner radius (negative: rounded(), a circle or capsule) and probes.
using Clip = std::tuple<QSize, qreal, QList<Probe>>;

class tst_Export : public QObject
{
    Q_OBJECT

    static QString folder() { return DesktopPhotoLibrary().folder(); }
    static QSet<QString> files()
    {
        const QStringList names = QDir(folder()).entryList(QDir::Files | QDir::Hidden);
        return { names.begin(), names.end() };
    }
    static QByteArray encoded(const QImage &image, const char *format)
    {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        image.save(&buffer, format, 100);
        return bytes;
    }
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
    void init() { QDir().mkpath(folder()); }

    // Two saves at once under one title take two new names, never one taken,
    // give where they wrote, get any new file's mode under the umask, and hold
    // what Qt's own encoders make of the image (JPEG at quality 100, PNG with a
    // rounded icon's clear corners). A write that fails leaves no file.
    void writesNewPhotos()
    {
        const std::tuple<ImageFormat, const char *, QString, mode_t> formats[]
            = { { ImageFormat::png, "png", ".png", 022 },
                  { ImageFormat::jpeg, "jpeg", ".jpg", 002 } };
        for (const auto &[imageFormat, format, extension, mask] : formats) {
            const QStringList planted { folder() + "/icon" + extension,
                folder() + "/icon 2" + extension };
            for (const QString &path : planted)
                QVERIFY(QFile(path).open(QIODevice::WriteOnly));
            const QImage image = *rounded(pattern({ 128, 128 }));
            const QSet<QString> before = files();
            const mode_t previousMask = ::umask(mask);
            const auto library = std::make_shared<DesktopPhotoLibrary>();
            auto first = ImageSaver::writeToPhotoAlbum(image, imageFormat, "icon", library);
            auto second
                = ImageSaver::writeToPhotoAlbum(image, imageFormat, "icon", library); // at once
            const Result<QString> one = await(std::move(first)), two = await(std::move(second));
            ::umask(previousMask);
            QVERIFY(one && two);
            QCOMPARE((QSet<QString> { one.value(), two.value() }),
                (QSet<QString> {
                    folder() + "/icon 3" + extension, folder() + "/icon 4" + extension }));
            for (const QString &path : planted)
                QCOMPARE(QFileInfo(path).size(), 0);
            QCOMPARE(
                files() - before, (QSet<QString> { "icon 3" + extension, "icon 4" + extension }));
            // (Compared premultiplied: straight colours at the edge may round either way.)
            const auto premultiplied = QImage::Format_ARGB32_Premultiplied;
            for (const QString &photo : { one.value(), two.value() }) {
                struct stat status;
                QCOMPARE(::stat(QFile::encodeName(photo).constData(), &status), 0);
                QCOMPARE(status.st_mode & 07777, 0666 & ~mask);
                QCOMPARE(QImage(photo).convertToFormat(premultiplied),
                    QImage::fromData(encoded(image, format)).convertToFormat(premultiplied));
            }
        }
        // A real write error (the process may not grow a file beyond 4 KiB): the
        // system's error, and no file left. (Refused permission: tst_workflow.)
        const QSet<QString> before = files();
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit original {};
        getrlimit(RLIMIT_FSIZE, &original);
        const rlimit limit { 4096, original.rlim_max };
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
        const auto saved = await(ImageSaver::writeToPhotoAlbum(pattern({ 1024, 1024 }),
            ImageFormat::png, "icon", std::make_shared<DesktopPhotoLibrary>()));
        setrlimit(RLIMIT_FSIZE, &original);
        QCOMPARE(outcome(saved), QStringLiteral("POSIX %1 tooLarge").arg(EFBIG));
        QCOMPARE(files(), before);
    }

    // A title becomes a file name every common file system takes, showing no hidden or
    // reordering characters; a name with nothing to show is the app's id. A dangling link
    // takes its name. What a crash left behind goes at the first write; a write running now
    // keeps its file.
    void namesFilesAndSweepsStaleOnes()
    {
        QFile stale(folder() + "/.vellumar-crash1.tmp"), fresh(folder() + "/.vellumar-now123.tmp");
        QVERIFY(stale.open(QIODevice::WriteOnly) && fresh.open(QIODevice::WriteOnly));
        QVERIFY(stale.setFileTime(
            QDateTime::currentDateTime().addSecs(-3600), QFile::FileModificationTime));
        DesktopPhotoLibrary library(folder());
        QCOMPARE(outcome(library.addPhoto("not an image", "icon")), "ImageSaver -2 writeFailed");
        const QByteArray png = encoded(pattern({ 8, 8 }), "png");
        const std::pair<QString, QString> names[]
            = { { "a/b:c*?\"<>|\\d", "a_b_c_______d.png" }, { "..hidden\n", "hidden.png" },
                  { " ", "Vellumar.png" }, { QString(300, u'微'), QString(66, u'微') + ".png" },
                  { QStringLiteral("abc\u202Egnp.exe 1024"), "abcgnp.exe 1024.png" },
                  { QStringLiteral("a\u200Bb\u2028c\U000E0001"), "abc.png" },
                  { PhotoLibrary::photoTitle(
                        PhotoLibrary::appName(QStringLiteral(" .\u200F. "), 42), "1024"),
                      "42 1024.png" },
                  { "dangling", "dangling 2.png" } };
        QVERIFY(QFile::link(folder() + "/nowhere", folder() + "/dangling.png"));
        for (const auto &[title, name] : names)
            QCOMPARE(library.addPhoto(png, title).value(), folder() + '/' + name);
        QVERIFY(!QFile::exists(folder() + "/nowhere"));
        QVERIFY(!stale.exists() && fresh.exists());
    }

    // PNG keeps every pixel of a straight or premultiplied image, and an image
    // without transparency is written as RGB (colour type 2). A JPEG keeps the
    // chroma sampling of the JPEG it was decoded from, and is 4:2:0 otherwise.
    // A wide-gamut JPEG's PNG carries its profile: both look the same in sRGB.
    void codecsKeepThePicture()
    {
        QImage wide = pattern({ 256, 256 });
        wide.setColorSpace(QColorSpace::AdobeRgb);
        const QImage source = *decodeImage(encoded(wide, "jpeg"));
        QCOMPARE(source.colorSpace(), wide.colorSpace()); // Qt's JPEG writer kept it
        // An untagged PNG would be shown as sRGB, and differ by up to 144 of 255.
        const QImage expected = source.convertedToColorSpace(QColorSpace::SRgb)
                                    .convertToFormat(QImage::Format_RGB888),
                     actual = decodeImage(encodePng(source))
                                  ->convertedToColorSpace(QColorSpace::SRgb)
                                  .convertToFormat(QImage::Format_RGB888);
        for (qsizetype i = 0; i < expected.sizeInBytes(); ++i)
            QVERIFY(std::abs(expected.constBits()[i] - actual.constBits()[i]) <= 2);

        // Another installed plugin (SVG's) is never asked.
        QVERIFY(!decodeImage("<svg xmlns='http://www.w3.org/2000/svg' width='8' height='8'/>"));
        QImage opaque = pattern({ 300, 200 }), round = *rounded(opaque);
        const std::pair<QImage, char> images[]
            = { { opaque, 2 }, { opaque.convertToFormat(QImage::Format_ARGB32), 2 }, { round, 6 },
                  { round.convertToFormat(QImage::Format_ARGB32), 6 } };
        for (const auto &[image, colourType] : images) {
            const QByteArray png = encodePng(image);
            QCOMPARE(png.at(25), colourType); // in the header
            QCOMPARE(decodeImage(png)->convertToFormat(image.format()), image);
        }
        QCOMPARE(decodeImage(encodeImage(opaque, ImageFormat::jpeg))->text("JPEG sampling"), "2x2");
        opaque.setText("JPEG sampling", "1x1");
        QCOMPARE(decodeImage(encodeImage(opaque, ImageFormat::jpeg))->text("JPEG sampling"), "1x1");
    }

    void clipsToTheShape_data()
    {
        QTest::addColumn<Clip>("clip");
        QTest::newRow("square becomes a circle") << Clip { { 1024, 1024 }, -1.0, {} };
        QTest::newRow("200x100 becomes a capsule") << Clip { { 200, 100 }, -1.0, {} };
        // A circular corner of radius 40.96 would be opaque at 44 along the edge;
        // this one is still leaving the edge there and joins it at 62.6.
        QTest::newRow("512 slightly rounded") << Clip { { 512, 512 }, 40.96,
            { { 11, 11, 0, 0 }, { 17, 17, 255, 255 }, { 494, 17, 255, 255 }, { 44, 0, 30, 225 },
                { 467, 511, 30, 225 }, { 63, 0, 255, 255 } } };
        QTest::newRow("no pixels") << Clip { QSize(), 10.0, {} };
    }

    void clipsToTheShape()
    {
        QFETCH(Clip, clip);
        const auto &[size, radius, probes] = clip;
        const QImage source = pattern(size);
        const std::optional<QImage> result
            = radius < 0 ? rounded(source) : withCornerRadius(source, radius);
        QCOMPARE(result.has_value(), !size.isEmpty());
        if (!result)
            return;
        QCOMPARE(result->size(), size);

        const int w = size.width(), h = size.height();
        const double circle = radius < 0 ? std::min(w, h) / 2.0 : 0;
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
        QVERIFY(partial > 0); // antialiased edges
        QCOMPARE(qAlpha(result->pixel(w - 1, h - 1)), 0);
        for (const auto &[x, y, lowest, highest] : probes) {
            const int alpha = qAlpha(result->pixel(x, y));
            QVERIFY2(alpha >= lowest && alpha <= highest,
                qPrintable(QString::asprintf("pixel %d,%d alpha %d", x, y, alpha)));
        }
    }
};

VELLUMAR_TEST_MAIN(tst_Export)
#include "tst_export.moc"
