#include "TestEnvironment.h"
#include "export/DesktopPhotoLibrary.h"
#include "export/ImageCodec.h"
#include "export/ImageSaver.h"
#include "export/Rounding.h"

#include <QBuffer>
#include <QDateTime>
#include <QImageWriter>
#include <QPointer>
#include <QRandomGenerator>

#include <csignal>
#include <sys/resource.h>

Q_DECLARE_METATYPE(Error)
Q_DECLARE_METATYPE(ImageFormat)

namespace {

// One save, watched until the saver has called back and deleted itself.
struct Save
{
    QPointer<ImageSaver> saver;
    bool returned = false, onGuiThreadAfterReturn = true;
    int callbacks = 0;
    std::optional<Error> error;

    void calledBack(std::optional<Error> outcome)
    {
        onGuiThreadAfterReturn &= returned && QThread::currentThread() == qApp->thread();
        ++callbacks, error = std::move(outcome);
    }
    [[nodiscard]] bool calledBackOnce() const { return callbacks == 1 && onGuiThreadAfterReturn; }
};

std::shared_ptr<Save> startSave(const QImage &image, ImageFormat format)
{
    auto save = std::make_shared<Save>();
    save->saver = new ImageSaver;
    save->saver->onSuccess = [save] {
        save->calledBack(std::nullopt);
    };
    save->saver->onError = [save](const Error &error) {
        save->calledBack(error);
    };
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
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    return writer.write(image) ? bytes : QByteArray();
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

    void writesOneNewPhoto_data()
    {
        QTest::addColumn<ImageFormat>("format");
        QTest::newRow("png") << ImageFormat::png;
        QTest::newRow("jpeg") << ImageFormat::jpeg;
    }

    void writesOneNewPhoto()
    {
        QFETCH(ImageFormat, format);
        const QImage image = format == ImageFormat::png ? *rounded(noise(128)) : noise(128);
        const QStringList before = photosExcept();
        const auto save = startSave(image, format);
        QTRY_VERIFY(save->saver.isNull());
        QVERIFY(save->calledBackOnce() && !save->error);

        const QStringList added = photosExcept(before);
        QCOMPARE(added.size(), 1);
        const QRegularExpression name(
            QStringLiteral(R"(^Vellumar \d{4}(-\d\d){2} \d\d(\.\d\d){2}\.)")
            + (format == ImageFormat::png ? "png$" : "jpg$"));
        QVERIFY2(name.match(added[0]).hasMatch(), qPrintable(added[0]));
        const QByteArray bytes = readFile(folder() + u'/' + added[0]);
        if (format == ImageFormat::jpeg) {
            QCOMPARE(bytes, encoded(image, "jpeg", 100));
            return;
        }
        // Transparent corners, exact opaque colours, translucent edges as
        // close as straight 8-bit alpha allows.
        const QImage written
            = decodeImage(bytes).value_or(QImage()).convertToFormat(image.format());
        QCOMPARE(written.size(), image.size());
        QCOMPARE(qAlpha(written.pixel(0, 0)), 0);
        for (int y = 0; y < 128; ++y) {
            for (int x = 0; x < 128; ++x) {
                const QRgb want = image.pixel(x, y), got = written.pixel(x, y);
                for (int shift : { 0, 8, 16, 24 })
                    QVERIFY(std::abs(int((want >> shift) & 0xff) - int((got >> shift) & 0xff))
                        <= (qAlpha(want) == 255 ? 0 : 1));
            }
        }
    }

    void failsWithoutWriting_data()
    {
        QTest::addColumn<bool>("fileBlocksFolder");
        QTest::addColumn<QImage>("image");
        QTest::addColumn<Error>("expected");
        QTest::newRow("permission denied")
            << true << noise(16)
            << Error { "PhotoLibrary", -1, qtTrId("permission_denied_message") };
        QTest::newRow("no image data")
            << false << QImage() << Error { "ImageSaver", -1, qtTrId("image_data_error") };
    }

    void failsWithoutWriting()
    {
        QFETCH(bool, fileBlocksFolder);
        QFETCH(QImage, image);
        QFETCH(Error, expected);
        const QStringList before = photosExcept();
        const QString aside = folder() + QStringLiteral(".aside");
        QFile blocker(folder());
        if (fileBlocksFolder)
            QVERIFY(QDir().rename(folder(), aside) && blocker.open(QIODevice::WriteOnly)
                && blocker.write("not a folder") == 12);
        blocker.close();
        const auto save = startSave(image, ImageFormat::png);
        QTRY_VERIFY(save->saver.isNull());
        if (fileBlocksFolder) {
            QCOMPARE(readFile(folder()), QByteArray("not a folder"));
            QVERIFY(blocker.remove() && QDir().rename(aside, folder()));
        }
        QVERIFY(save->calledBackOnce());
        QCOMPARE(save->error.value_or(Error()), expected);
        QCOMPARE(photosExcept(before), QStringList());
    }

    void neverReplacesAndKeepsConcurrentSavesApart()
    {
        // Take the names of the next seconds before the saves can.
        const QDateTime now = QDateTime::currentDateTime();
        QStringList planted;
        for (int second = 0; second < 10; ++second) {
            QFile file(
                folder() + now.addSecs(second).toString("'/Vellumar 'yyyy-MM-dd HH.mm.ss'.png'"));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("planted") == 7);
            planted << file.fileName();
        }
        const QStringList before = photosExcept();
        const auto first = startSave(noise(64), ImageFormat::png);
        const auto second = startSave(noise(64), ImageFormat::png);
        QTRY_VERIFY(first->saver.isNull() && second->saver.isNull());
        QVERIFY(
            first->calledBackOnce() && !first->error && second->calledBackOnce() && !second->error);
        QCOMPARE(photosExcept(before).size(), 2);
        for (const QString &path : planted)
            QCOMPARE(readFile(path), QByteArray("planted"));
    }

    // A real write error: the process may not grow a file beyond 4 KiB.
    void writeErrorReportsTheSystemsTextAndLeavesNothing()
    {
        const QStringList before = photosExcept();
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit {};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &limit), 0);
        const rlimit original = limit;
        limit.rlim_cur = 4096;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
        const auto save = startSave(noise(128), ImageFormat::png);
        const bool finished = QTest::qWaitFor([&] { return save->saver.isNull(); });
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &original), 0);
        QVERIFY(finished && save->calledBackOnce());
        QCOMPARE(save->error.value_or(Error()), (Error { "POSIX", EFBIG, qt_error_string(EFBIG) }));
        QCOMPARE(photosExcept(before), QStringList());
    }

    void decodeRefusesWhatIsNoImageOrTooLarge_data()
    {
        QTest::addColumn<QImage>("image"); // encoded as PNG; null: an HTML page
        QTest::addColumn<bool>("accepted");
        // 8 MB of pixels in a few kilobytes, within the decoder's allocation
        // limit: only the declared size can refuse it.
        QImage bomb(8200, 8200, QImage::Format_Mono);
        bomb.fill(0);
        QTest::newRow("8200 x 8200 bomb") << bomb << false;
        QTest::newRow("8193 wide") << QImage(8193, 1, QImage::Format_Mono) << false;
        QTest::newRow("8192 wide") << QImage(8192, 1, QImage::Format_Mono) << true;
        QTest::newRow("html error page") << QImage() << false;
    }

    void decodeRefusesWhatIsNoImageOrTooLarge()
    {
        QFETCH(QImage, image);
        QFETCH(bool, accepted);
        const std::optional<QImage> decoded
            = decodeImage(image.isNull() ? QByteArray("<!DOCTYPE html><title>404</title>")
                                         : encoded(image, "png"));
        QCOMPARE(decoded.has_value(), accepted);
        QVERIFY(!decoded || decoded->size() == image.size());
    }
};

VELLUMAR_TEST_MAIN(tst_ImageSaver)
#include "tst_imagesaver.moc"
