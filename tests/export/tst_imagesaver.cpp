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

struct Save
{
    QPointer<ImageSaver> saver;
    bool returned = false;
    int successes = 0;
    QList<Error> errors;
    bool alwaysOnGuiThreadAfterReturn = true;
};

std::shared_ptr<Save> startSave(const QImage &image, ImageFormat format)
{
    auto save = std::make_shared<Save>();
    auto *saver = new ImageSaver;
    save->saver = saver;
    const auto check = [save] {
        save->alwaysOnGuiThreadAfterReturn
            &= save->returned && QThread::currentThread() == qApp->thread();
    };
    saver->onSuccess = [save, check] {
        check(), ++save->successes;
    };
    saver->onError = [save, check](const Error &error) {
        check(), save->errors.append(error);
    };
    saver->writeToPhotoAlbum(image, format);
    save->returned = true;
    return save;
}

QImage noise(int side)
{
    QImage image(side, side, QImage::Format_RGB32);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            image.setPixel(x, y, QRandomGenerator::global()->generate() | 0xff000000);
    return image;
}

QString folder()
{
    return DesktopPhotoLibrary().folder();
}

// Every file there, hidden ones included.
QStringList photos()
{
    return QDir(folder()).entryList(QDir::Files | QDir::Hidden);
}

} // namespace

class tst_ImageSaver : public QObject
{
    Q_OBJECT
private slots:
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
        const QStringList before = photos();
        const auto save = startSave(image, format);
        QTRY_VERIFY(save->saver.isNull()); // deleted itself after the callback
        QCOMPARE(save->successes, 1);
        QVERIFY(save->errors.isEmpty());
        QVERIFY(save->alwaysOnGuiThreadAfterReturn);

        QStringList added = photos();
        for (const QString &name : before)
            added.removeOne(name);
        QCOMPARE(added.size(), 1);
        QVERIFY2(
            QRegularExpression(
                QStringLiteral(R"(^Vellumar \d{4}-\d\d-\d\d \d\d\.\d\d\.\d\d( \d+)?\.(png|jpg)$)"))
                .match(added[0])
                .hasMatch(),
            qPrintable(added[0]));
        QFile file(folder() + u'/' + added[0]);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        if (format == ImageFormat::png) {
            QVERIFY(added[0].endsWith(QLatin1String(".png")));
            const std::optional<QImage> written = decodeImage(bytes);
            QVERIFY(written);
            QCOMPARE(qAlpha(written->pixel(0, 0)), 0);
            QCOMPARE(written->pixel(64, 64), image.pixel(64, 64));
        } else {
            QVERIFY(added[0].endsWith(QLatin1String(".jpg")));
            QByteArray best;
            QBuffer buffer(&best);
            buffer.open(QIODevice::WriteOnly);
            QImageWriter writer(&buffer, "jpeg");
            writer.setQuality(100);
            QVERIFY(writer.write(image));
            QVERIFY(bytes.startsWith("\xff\xd8\xff"));
            QCOMPARE(bytes, best);
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
        const QString aside = folder() + QStringLiteral(".aside");
        QDir().mkpath(folder());
        const QStringList before = photos();
        if (fileBlocksFolder) {
            QVERIFY(QDir().rename(folder(), aside));
            QFile blocker(folder());
            QVERIFY(blocker.open(QIODevice::WriteOnly));
            blocker.write("not a folder");
        }
        const auto save = startSave(image, ImageFormat::png);
        QTRY_VERIFY(save->saver.isNull());
        if (fileBlocksFolder) {
            QFile blocker(folder());
            QVERIFY(blocker.open(QIODevice::ReadOnly));
            QCOMPARE(blocker.readAll(), QByteArray("not a folder"));
            QVERIFY(blocker.remove());
            QVERIFY(QDir().rename(aside, folder()));
        }
        QCOMPARE(save->errors.size(), 1);
        QCOMPARE(save->errors[0], expected);
        QCOMPARE(save->successes, 0);
        QVERIFY(save->alwaysOnGuiThreadAfterReturn);
        QCOMPARE(photos(), before);
    }

    void neverReplacesAndKeepsConcurrentSavesApart()
    {
        // Take the names of the next seconds before the saves can.
        QDir().mkpath(folder());
        const QDateTime now = QDateTime::currentDateTime();
        QStringList planted;
        for (int second = 0; second < 10; ++second) {
            planted << QStringLiteral("Vellumar %1.png")
                           .arg(now.addSecs(second).toString("yyyy-MM-dd HH.mm.ss"));
            QFile file(folder() + u'/' + planted.last());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("planted");
        }
        const int before = photos().size();
        const auto first = startSave(noise(64), ImageFormat::png);
        const auto second = startSave(noise(64), ImageFormat::png);
        QTRY_VERIFY(first->saver.isNull() && second->saver.isNull());
        QCOMPARE(first->successes + second->successes, 2);
        QCOMPARE(photos().size(), before + 2);
        for (const QString &name : planted) {
            QFile file(folder() + u'/' + name);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), QByteArray("planted"));
        }
    }

    // A real write error: the process may not grow a file beyond 4 KiB.
    void writeErrorReportsTheSystemsTextAndLeavesNothing()
    {
        QDir().mkpath(folder());
        const QStringList before = photos();
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit {};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &limit), 0);
        const rlimit original = limit;
        limit.rlim_cur = 4096;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
        const auto save = startSave(noise(128), ImageFormat::png);
        const bool finished = QTest::qWaitFor([&] { return save->saver.isNull(); });
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &original), 0);
        QVERIFY(finished);
        QCOMPARE(save->errors.size(), 1);
        QCOMPARE(save->errors[0], (Error { "POSIX", EFBIG, qt_error_string(EFBIG) }));
        QVERIFY(save->alwaysOnGuiThreadAfterReturn);
        QCOMPARE(photos(), before);
    }
};

VELLUMAR_TEST_MAIN(tst_ImageSaver)
#include "tst_imagesaver.moc"
