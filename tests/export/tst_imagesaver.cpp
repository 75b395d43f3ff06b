#include "TestEnvironment.h"
#include "export/DesktopPhotoLibrary.h"
#include "export/ImageCodec.h"
#include "export/ImageSaver.h"
#include "export/Rounding.h"

#include <QBuffer>
#include <QDateTime>
#include <QPointer>
#include <QRandomGenerator>

#include <csignal>
#include <sys/resource.h>

Q_DECLARE_METATYPE(ImageFormat)

namespace {

// One save, watched until the saver has called back and deleted itself.
struct Save
{
    QPointer<ImageSaver> saver = new ImageSaver;
    bool returned = false, onGuiThreadAfterReturn = true;
    int callbacks = 0;
    std::optional<Error> error;

    // Waits for the end: exactly one callback, on the GUI thread, after
    // writeToPhotoAlbum returned.
    bool finishedOnce()
    {
        return QTest::qWaitFor([this] { return saver.isNull(); }) && callbacks == 1
            && onGuiThreadAfterReturn;
    }
};

std::shared_ptr<Save> startSave(const QImage &image, ImageFormat format = ImageFormat::png)
{
    auto save = std::make_shared<Save>();
    const auto calledBack = [save](std::optional<Error> error) {
        save->onGuiThreadAfterReturn
            &= save->returned && QThread::currentThread() == qApp->thread();
        ++save->callbacks, save->error = std::move(error);
    };
    save->saver->onSuccess = [calledBack] {
        calledBack(std::nullopt);
    };
    save->saver->onError = calledBack;
    save->saver->writeToPhotoAlbum(image, format);
    save->returned = true;
    return save;
}

QImage noise(int side)
{
    QImage image(side, side, QImage::Format_RGB32);
    QRandomGenerator::global()->fillRange(reinterpret_cast<quint32 *>(image.bits()), side * side);
    return image;
}

QByteArray encoded(const QImage &image, const char *format, int quality = -1)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    return image.save(&buffer, format, quality) ? bytes : QByteArray();
}

QString folder()
{
    return DesktopPhotoLibrary().folder();
}

// Every file in the folder, hidden ones included, less those in `before`.
QStringList photosExcept(const QStringList &before = {})
{
    QStringList photos = QDir(folder()).entryList(QDir::Files | QDir::Hidden);
    for (const QString &name : before)
        photos.removeOne(name);
    return photos;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class tst_ImageSaver : public QObject
{
    Q_OBJECT
private slots:
    void init() { QDir().mkpath(folder()); }

    void writesNewPhotos_data()
    {
        QTest::addColumn<ImageFormat>("format");
        QTest::newRow("png") << ImageFormat::png;
        QTest::newRow("jpeg") << ImageFormat::jpeg;
    }

    // Two saves at once take two new names, and never one already taken.
    void writesNewPhotos()
    {
        QFETCH(ImageFormat, format);
        const bool png = format == ImageFormat::png;
        const QDateTime now = QDateTime::currentDateTime();
        QStringList planted;
        for (int second = 0; second < 10; ++second) {
            QFile file(QStringLiteral("%1/Vellumar %2.%3")
                           .arg(folder(), now.addSecs(second).toString("yyyy-MM-dd HH.mm.ss"),
                               png ? "png" : "jpg"));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("planted") == 7);
            planted << file.fileName();
        }
        const QImage image = png ? *rounded(noise(128)) : noise(128);
        const QStringList before = photosExcept();
        const auto first = startSave(image, format), second = startSave(image, format);
        for (const auto &save : { first, second })
            QVERIFY(save->finishedOnce() && !save->error);
        for (const QString &path : planted)
            QCOMPARE(readFile(path), QByteArray("planted"));

        const QStringList added = photosExcept(before);
        QCOMPARE(added.size(), 2);
        for (const QString &photo : added) {
            QVERIFY2(photo.endsWith(png ? ".png" : ".jpg"), qPrintable(photo));
            const QByteArray bytes = readFile(folder() + u'/' + photo);
            if (!png) {
                QCOMPARE(bytes, encoded(image, "jpeg", 100));
                continue;
            }
            // Transparent corners, exact opaque colours, translucent edges as
            // close as straight 8-bit alpha allows.
            const QImage written
                = decodeImage(bytes).value_or(QImage()).convertToFormat(image.format());
            QCOMPARE(written.size(), image.size());
            for (int i = 0; i < 128 * 128; ++i) {
                const QRgb want = image.pixel(i % 128, i / 128),
                           got = written.pixel(i % 128, i / 128);
                for (int shift : { 0, 8, 16, 24 })
                    QVERIFY(std::abs(int((want >> shift) & 0xff) - int((got >> shift) & 0xff))
                        <= (qAlpha(want) == 255 ? 0 : 1));
            }
        }
    }

    void permissionDeniedWritesNothing()
    {
        const QStringList before = photosExcept();
        const QString aside = folder() + QStringLiteral(".aside");
        QFile blocker(folder());
        QVERIFY(QDir().rename(folder(), aside) && blocker.open(QIODevice::WriteOnly)
            && blocker.write("not a folder") == 12);
        blocker.close();
        const auto save = startSave(noise(16));
        const bool finishedOnce = save->finishedOnce();
        QCOMPARE(readFile(folder()), QByteArray("not a folder"));
        QVERIFY(blocker.remove() && QDir().rename(aside, folder()));
        QVERIFY(finishedOnce);
        QCOMPARE(save->error.value_or(Error()),
            (Error { "PhotoLibrary", -1, qtTrId("permission_denied_message") }));
        QCOMPARE(photosExcept(before), QStringList());
    }

    // A real write error: the process may not grow a file beyond 4 KiB.
    void writeErrorReportsTheSystemsTextAndLeavesNothing()
    {
        const QStringList before = photosExcept();
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit original {};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &original), 0);
        const rlimit limit { 4096, original.rlim_max };
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
        const auto save = startSave(noise(128));
        const bool finishedOnce = save->finishedOnce();
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &original), 0);
        QVERIFY(finishedOnce);
        QCOMPARE(save->error.value_or(Error()), (Error { "POSIX", EFBIG, qt_error_string(EFBIG) }));
        QCOMPARE(photosExcept(before), QStringList());
    }

    // A tiny image with a side above 8192 shows the declared size alone refuses it.
    void decodeRefusesWhatIsNoImageOrTooLarge()
    {
        QVERIFY(!decodeImage(encoded(QImage(8193, 1, QImage::Format_Mono), "png")));
        QVERIFY(!decodeImage(encoded(QImage(1, 8193, QImage::Format_Mono), "png")));
        const QImage widest(8192, 1, QImage::Format_Mono);
        QCOMPARE(decodeImage(encoded(widest, "png")).value_or(QImage()).size(), widest.size());
        QVERIFY(!decodeImage("<!DOCTYPE html><title>404</title>"));
    }
};

VELLUMAR_TEST_MAIN(tst_ImageSaver)
#include "tst_imagesaver.moc"
