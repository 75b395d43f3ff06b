#include "FixtureCatalogue.h"
#include "TestEnvironment.h"
#include "store/HistoryManager.h"
#include "store/KeyValueStore.h"
#include "store/LocalizationManager.h"
#include "store/SettingsManager.h"
#include "workflow/ContentViewModel.h"
#include "workflow/IconSaveFlow.h"

#include <QDir>
#include <QImageReader>
#include <QStandardPaths>

using namespace std::chrono_literals;

// The icon save flow from download to file, against the fixture catalogue
// and the photo folder of the isolated home.
class tst_IconSaveFlow : public QObject
{
    Q_OBJECT

    FixtureCatalogue *catalogue = nullptr;
    SettingsManager *settings = nullptr;
    bool bothRoundingsLoaded = false;

    static QDir photoFolder()
    {
        return QDir(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation)
            + QStringLiteral("/Vellumar"));
    }
    static QStringList photos() { return photoFolder().entryList(QDir::Files); }

    AppItem lantern() const
    {
        const auto &app = FixtureCatalogue::apps().at(0);
        return AppItem { app.trackId, app.trackName,
            catalogue->artworkUrl(app.trackId, QStringLiteral("100x100")),
            catalogue->artworkUrl(app.trackId, QStringLiteral("512x512")), std::nullopt };
    }

    // Saves `item` and waits for the alert.
    static bool save(IconSaveFlow &flow, const AppItem &item)
    {
        flow.saveIcon(item);
        return QTest::qWaitFor([&] { return flow.showingSaveAlert(); }, 15000);
    }

    // The one photo written since the folder was emptied.
    static QImage onlyPhoto(QByteArray *format = nullptr)
    {
        const QStringList files = photos();
        if (files.size() != 1)
            return {};
        QImageReader reader(photoFolder().filePath(files.first()));
        if (format)
            *format = reader.format();
        return reader.read();
    }

    void setOptions(
        bool jpeg, IconResolution resolution, bool rounded = false, bool slightly = false)
    {
        settings->setSaveAsOriginalJPEG(jpeg);
        settings->setSelectedResolution(resolution);
        settings->setSaveAsRounded(rounded);
        settings->setSaveAsSlightlyRounded(slightly);
    }

private slots:
    void initTestCase()
    {
        LocalizationManager::shared();
        catalogue = new FixtureCatalogue(this);
        // Both true, as an older version may have stored them: loaded without the rules.
        KeyValueStore::shared().setBool(QStringLiteral("saveAsRounded"), true);
        KeyValueStore::shared().setBool(QStringLiteral("saveAsSlightlyRounded"), true);
        settings = SettingsManager::shared();
        bothRoundingsLoaded = settings->saveAsRounded() && settings->saveAsSlightlyRounded();
    }

    void init()
    {
        photoFolder().removeRecursively();
        HistoryManager::shared()->clearAllHistory();
        catalogue->clearRequests();
    }

    // The format and the resolution are read before the download, the
    // rounding after it.
    void saves_data()
    {
        QTest::addColumn<bool>("jpeg");
        QTest::addColumn<IconResolution>("resolution");
        QTest::addColumn<bool>("slightly");
        QTest::addColumn<int>("side"); // of the icon requested and written
        QTest::addColumn<QPoint>("clear"); // a transparent pixel; (-1, -1): square

        // First, while the settings hold what initTestCase stored.
        QTest::newRow("both roundings stored: the full one wins")
            << false << IconResolution::size256 << false << 256 << QPoint(30, 30);
        QTest::newRow("defaults: 1024 square PNG")
            << false << IconResolution::size1024 << false << 1024 << QPoint(-1, -1);
        // Radius 40.96: clear 2 px into a corner, opaque 40 px in.
        QTest::newRow("512 slightly rounded")
            << false << IconResolution::size512 << true << 512 << QPoint(2, 2);
        // Rounding is on as well, and must not matter.
        QTest::newRow("original JPEG ignores size and rounding")
            << true << IconResolution::size256 << false << 1024 << QPoint(-1, -1);
        // Rounding turned on and the size changed while the bytes are on their way.
        QTest::newRow("options changed in flight")
            << false << IconResolution::size256 << false << 256 << QPoint(30, 30);
    }

    void saves()
    {
        QFETCH(bool, jpeg);
        QFETCH(IconResolution, resolution);
        QFETCH(bool, slightly);
        QFETCH(int, side);
        QFETCH(QPoint, clear);
        const QByteArray tag = QTest::currentDataTag();
        const bool inFlight = tag.endsWith("in flight");
        if (tag.startsWith("both roundings stored")) {
            QVERIFY(bothRoundingsLoaded);
            settings->setSelectedResolution(resolution);
        } else {
            setOptions(jpeg, resolution, jpeg, slightly);
        }
        const QString path = QStringLiteral("/art/1234567890123/%1x%1bb.png").arg(side);
        catalogue->setDelay(path, inFlight ? 800ms : 0ms);

        IconSaveFlow flow;
        flow.saveIcon(lantern());
        if (inFlight) {
            QTRY_VERIFY(!catalogue->requestLines().isEmpty());
            settings->setSaveAsRounded(true);
            settings->setSelectedResolution(IconResolution::size512);
        }
        const bool alerted = QTest::qWaitFor([&] { return flow.showingSaveAlert(); }, 15000);
        catalogue->setDelay(path, 0ms);
        QVERIFY(alerted);
        QCOMPARE(catalogue->requestLines(), QList<QByteArray> { "GET " + path.toLatin1() });
        QCOMPARE(flow.saveAlertTitle(), qtTrId("success"));
        QCOMPARE(flow.saveAlertMessage(),
            qtTrId(jpeg ? "save_success_message_original" : "save_success_message_icon"));

        QByteArray format;
        const QImage photo = onlyPhoto(&format);
        QCOMPARE(format, QByteArray(jpeg ? "jpeg" : "png"));
        QCOMPARE(photo.size(), QSize(side, side));
        for (const QPoint opaque :
            { QPoint(40, 40), QPoint(side / 2, 3), QPoint(side / 2, side / 2) })
            QCOMPARE(qAlpha(photo.pixel(opaque)), 255);
        if (clear.x() >= 0) {
            QCOMPARE(qAlpha(photo.pixel(clear)), 0);
            QCOMPARE(qAlpha(photo.pixel(side - 1 - clear.x(), clear.y())), 0);
        } else {
            // Square: the corner shows the same background as the middle of the edge.
            const QRgb corner = photo.pixel(0, 0), edge = photo.pixel(2, side / 2);
            QCOMPARE(qAlpha(corner), 255);
            QVERIFY(qAbs(qRed(corner) - qRed(edge)) + qAbs(qGreen(corner) - qGreen(edge))
                    + qAbs(qBlue(corner) - qBlue(edge))
                < 24);
        }
    }

    void failures_data()
    {
        QTest::addColumn<QString>("url"); // of the 512 artwork
        QTest::addColumn<bool>("jpeg");
        QTest::addColumn<QString>("message");
        const QString icon = qtTrId("download_fail_message_icon");
        const QString original = qtTrId("download_fail_message_original");
        QTest::newRow("HTML error page")
            << catalogue->baseUrl().toString() + QStringLiteral("/lookup?id=404") << true
            << original;
        QTest::newRow("image bomb") << catalogue->imageBombUrl().toString() << false << icon;
        QTest::newRow("nobody listening") << "http://127.0.0.1:1/512x512bb.png" << false << icon;
        QTest::newRow("no address") << "http://[broken" << true << original;
        // A file where the folder should be: the library cannot be written.
        QTest::newRow("permission denied")
            << lantern().artworkUrl512 << false
            << qtTrId("save_fail_message").arg(qtTrId("permission_denied_message"));
    }

    void failures()
    {
        QFETCH(QString, url);
        QFETCH(bool, jpeg);
        QFETCH(QString, message);
        setOptions(jpeg, IconResolution::size256);
        QFile blocker(photoFolder().path());
        const bool denied = QTest::currentDataTag() == QByteArray("permission denied");
        QVERIFY(!denied
            || (QDir().mkpath(QFileInfo(blocker).path()) && blocker.open(QIODevice::WriteOnly)));
        blocker.close();

        IconSaveFlow flow;
        const bool alerted
            = save(flow, AppItem { 9, QStringLiteral("Broken"), QString(), url, std::nullopt });
        QVERIFY(!denied || blocker.remove());
        QVERIFY(alerted);
        QCOMPARE(flow.saveAlertTitle(), qtTrId("error"));
        QCOMPARE(flow.saveAlertMessage(), message);
        QVERIFY(photos().isEmpty());
        QVERIFY(HistoryManager::shared()->loadHistory().isEmpty());
    }

    // The detail and history screens' flows are checked through those screens.
    void searchModelStampsItsRegionAndTwoSavesGiveTwoAlerts()
    {
        setOptions(false, IconResolution::size256);
        ContentViewModel model;
        model.setSelectedCountryCode(QStringLiteral("JP"));
        int alerts = 0;
        connect(&model, &IconSaveFlow::showingSaveAlertChanged, this,
            [&] { alerts += model.showingSaveAlert(); });
        model.saveIcon(lantern());
        model.saveIcon(lantern());
        QTRY_COMPARE_WITH_TIMEOUT(alerts, 2, 15000);
        QCOMPARE(photos().size(), 2);
        AppItem stamped = lantern();
        stamped.countryCode = QStringLiteral("JP");
        QCOMPARE(HistoryManager::shared()->loadHistory(), QList<AppItem> { stamped });
    }
};

VELLUMAR_TEST_MAIN(tst_IconSaveFlow)
#include "tst_iconsaveflow.moc"
