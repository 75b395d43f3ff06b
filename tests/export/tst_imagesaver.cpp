#include "TaskOutcome.h"
#include "TestEnvironment.h"
#include "export/DesktopPhotoLibrary.h"
#include "export/ImageCodec.h"
#include "export/ImageSaver.h"
#include "export/Rounding.h"

#include <QBuffer>
#include <QRandomGenerator>

#include <csignal>
#include <sys/resource.h>

class tst_ImageSaver : public QObject
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
    static QImage noise(int side)
    {
        QImage image(side, side, QImage::Format_RGB32);
        QRandomGenerator::global()->fillRange(
            reinterpret_cast<quint32 *>(image.bits()), side * side);
        return image;
    }
private slots:
    void init() { QDir().mkpath(folder()); }

    // Two saves at once take two new names, never one already taken, and
    // hold what Qt's own encoders make of the image (JPEG at quality 100,
    // PNG with the transparent corners of a rounded icon).
    void writesNewPhotos()
    {
        const std::tuple<ImageFormat, const char *, QString> formats[]
            = { { ImageFormat::png, "png", ".png" }, { ImageFormat::jpeg, "jpeg", ".jpg" } };
        for (const auto &[imageFormat, format, extension] : formats) {
            QStringList planted; // the names of the next ten seconds are taken
            for (int second = 0; second < 10; ++second) {
                planted << folder()
                        + QDateTime::currentDateTime().addSecs(second).toString(
                            "'/Vellumar 'yyyy-MM-dd HH.mm.ss")
                        + extension;
                QFile file(planted.last());
                QVERIFY(file.open(QIODevice::WriteOnly) && file.write("planted") == 7);
            }
            const QImage image = *rounded(noise(128));
            const QSet<QString> before = files();
            auto first = ImageSaver::writeToPhotoAlbum(image, imageFormat);
            auto second = ImageSaver::writeToPhotoAlbum(image, imageFormat); // at the same time
            QCOMPARE(outcome(await(std::move(first))) + outcome(await(std::move(second))), "okok");
            for (const QString &path : planted)
                QCOMPARE(QFileInfo(path).size(), 7);
            const QSet<QString> added = files() - before;
            QCOMPARE(added.size(), 2);
            for (const QString &photo : added) {
                QVERIFY2(photo.endsWith(extension), qPrintable(photo));
                QCOMPARE(QImage(folder() + u'/' + photo), QImage::fromData(encoded(image, format)));
            }
        }
    }

    // A real write error (the process may not grow a file beyond 4 KiB): the
    // system's error, and no file left. (Refused permission: tst_iconsaveflow.)
    void writeErrorLeavesNothing()
    {
        const QSet<QString> before = files();
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit original {};
        getrlimit(RLIMIT_FSIZE, &original);
        const rlimit limit { 4096, original.rlim_max };
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
        const auto saved = await(ImageSaver::writeToPhotoAlbum(noise(128), ImageFormat::png));
        setrlimit(RLIMIT_FSIZE, &original);
        QCOMPARE(outcome(saved), QStringLiteral("POSIX %1 tooLarge").arg(EFBIG));
        QCOMPARE(files(), before);
    }

    // What a crash left behind goes at the first write; a write running now keeps its file.
    void sweepsStaleTemporaryFiles()
    {
        QFile stale(folder() + "/.vellumar-crash1.tmp"), fresh(folder() + "/.vellumar-now123.tmp");
        QVERIFY(stale.open(QIODevice::WriteOnly) && fresh.open(QIODevice::WriteOnly));
        QVERIFY(stale.setFileTime(
            QDateTime::currentDateTime().addSecs(-3600), QFile::FileModificationTime));
        DesktopPhotoLibrary library(folder());
        QCOMPARE(outcome(library.addPhoto("not an image")), "ImageSaver -2 writeFailed");
        QCOMPARE(outcome(library.addPhoto(encoded(noise(8), "png"))), "ok");
        QVERIFY(!stale.exists() && fresh.exists());
    }
};

VELLUMAR_TEST_MAIN(tst_ImageSaver)
#include "tst_imagesaver.moc"
