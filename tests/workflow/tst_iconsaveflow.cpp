#include "FixtureCatalogue.h"
#include "TestEnvironment.h"
#include "store/HistoryManager.h"
#include "store/KeyValueStore.h"
#include "store/LocalizationManager.h"
#include "store/SettingsManager.h"
#include "workflow/ContentViewModel.h"

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

    static QDir photoFolder()
    {
        return QDir(
            QStandardPaths::writableLocation(QStandardPaths::PicturesLocation) + "/Vellumar");
    }
    // With another 512 address, also without the 100 one the others derive from.
    AppItem lantern(const QString &artwork512 = {}) const
    {
        const qint64 id = FixtureCatalogue::apps().at(0).trackId;
        if (!artwork512.isEmpty())
            return AppItem { id, QStringLiteral("Lantern Notes"), {}, artwork512, std::nullopt };
        return AppItem { id, QStringLiteral("Lantern Notes"), catalogue->artworkUrl(id, "100x100"),
            catalogue->artworkUrl(id, "512x512"), std::nullopt };
    }
    static bool alerted(IconSaveFlow &flow)
    {
        return QTest::qWaitFor([&] { return flow.showingSaveAlert(); }, 15000);
    }

private slots:
    void initTestCase()
    {
        LocalizationManager::shared();
        catalogue = new FixtureCatalogue(this);
        // Both true, as an older version may have stored them.
        KeyValueStore::shared().setBool(QStringLiteral("saveAsRounded"), true);
        KeyValueStore::shared().setBool(QStringLiteral("saveAsSlightlyRounded"), true);
        settings = SettingsManager::shared();
    }

    void init()
    {
        photoFolder().removeRecursively();
        HistoryManager::shared()->clearAllHistory();
        catalogue->clearRequests();
    }

    // The format and the resolution are read before the download, the
    // rounding after it. Options: J(PEG), R(ounded), S(lightly rounded).
    void saves_data()
    {
        QTest::addColumn<QString>("options");
        QTest::addColumn<IconResolution>("resolution");
        QTest::addColumn<int>("side"); // of the icon requested and written
        QTest::addColumn<QPoint>("clear"); // a transparent pixel; (-1, -1): square
        // First, while the settings hold both roundings as stored.
        QTest::newRow("both stored: the full rounding wins")
            << "*" << IconResolution::size256 << 256 << QPoint(30, 30);
        QTest::newRow("defaults: square PNG")
            << "" << IconResolution::size1024 << 1024 << QPoint(-1, -1);
        // Radius 40.96: clear 2 px into a corner, opaque 40 px in.
        QTest::newRow("slightly rounded") << "S" << IconResolution::size512 << 512 << QPoint(2, 2);
        QTest::newRow("JPEG ignores size and rounding")
            << "JR" << IconResolution::size256 << 1024 << QPoint(-1, -1);
        // Rounding turned on and the size changed while the bytes are on their way.
        QTest::newRow("changed in flight")
            << "" << IconResolution::size256 << 256 << QPoint(30, 30);
    }

    void saves()
    {
        QFETCH(QString, options);
        QFETCH(IconResolution, resolution);
        QFETCH(int, side);
        QFETCH(QPoint, clear);
        const bool jpeg = options.contains('J'),
                   inFlight = QTest::currentDataTag() == QByteArray("changed in flight");
        if (options == "*") {
            QVERIFY(settings->saveAsRounded() && settings->saveAsSlightlyRounded());
        } else {
            settings->setSaveAsOriginalJPEG(jpeg);
            settings->setSaveAsRounded(options.contains('R'));
            settings->setSaveAsSlightlyRounded(options.contains('S'));
        }
        settings->setSelectedResolution(resolution);
        const QString path = QStringLiteral("/art/1234567890123/%1x%1bb.png").arg(side);
        catalogue->setDelay(path, inFlight ? 800ms : 0ms);

        IconSaveFlow flow;
        flow.saveIcon(lantern());
        if (inFlight) {
            QTRY_VERIFY(!catalogue->requestLines().isEmpty());
            settings->setSaveAsRounded(true);
            settings->setSelectedResolution(IconResolution::size512);
        }
        QVERIFY(alerted(flow));
        catalogue->setDelay(path, 0ms);
        QCOMPARE(catalogue->requestLines(), QList<QByteArray> { "GET " + path.toLatin1() });
        QCOMPARE(flow.saveAlertTitle(), qtTrId("success"));
        QCOMPARE(flow.saveAlertMessage(),
            qtTrId(jpeg ? "save_success_message_original" : "save_success_message_icon"));
        QCOMPARE(HistoryManager::shared()->loadHistory(), QList<AppItem> { lantern() });

        const QStringList files = photoFolder().entryList(QDir::Files);
        QCOMPARE(files.size(), 1);
        QImageReader reader(photoFolder().filePath(files.first()));
        QCOMPARE(reader.format(), QByteArray(jpeg ? "jpeg" : "png"));
        const QImage photo = reader.read();
        QCOMPARE(photo.size(), QSize(side, side));
        QCOMPARE(qAlpha(photo.pixel(side / 2, 3)), 255);
        // A clear corner where rounded, an opaque one where square.
        QCOMPARE(
            qAlpha(photo.pixel(clear.x() < 0 ? QPoint(0, 0) : clear)), clear.x() < 0 ? 255 : 0);
    }

    void failures_data()
    {
        QTest::addColumn<QString>("url"); // of the 512 artwork
        QTest::addColumn<bool>("jpeg");
        QTest::addColumn<QString>("message");
        const QString icon = qtTrId("download_fail_message_icon");
        const QString original = qtTrId("download_fail_message_original");
        QTest::newRow("HTML error page")
            << catalogue->baseUrl().toString() + "/lookup?id=404" << true << original;
        QTest::newRow("nobody listening") << "http://127.0.0.1:1/512x512bb.png" << false << icon;
        QTest::newRow("no address") << "http://[broken" << true << original;
        // A file where the folder should be: the library cannot be written.
        QTest::newRow("permission denied")
            << QString() << false
            << qtTrId("save_fail_message").arg(qtTrId("permission_denied_message"));
    }

    void failures()
    {
        QFETCH(QString, url);
        QFETCH(bool, jpeg);
        QFETCH(QString, message);
        settings->setSaveAsOriginalJPEG(jpeg);
        settings->setSelectedResolution(IconResolution::size256);
        QFile blocker(photoFolder().path());
        QVERIFY(!url.isEmpty() || blocker.open(QIODevice::WriteOnly));
        blocker.close();

        IconSaveFlow flow;
        flow.saveIcon(lantern(url));
        const bool done = alerted(flow);
        blocker.remove();
        QVERIFY(done);
        QCOMPARE(flow.saveAlertTitle(), qtTrId("error"));
        QCOMPARE(flow.saveAlertMessage(), message);
        QVERIFY(photoFolder().entryList(QDir::Files).isEmpty());
        QVERIFY(HistoryManager::shared()->loadHistory().isEmpty());
    }

    // The search model's flow stamps the model's region (the history
    // screen's, which records nothing, is tried on that screen). Two taps are
    // two saves with two alerts.
    void theSearchModelsFlowStampsItsRegion()
    {
        settings->setSaveAsOriginalJPEG(false);
        ContentViewModel model;
        model.setSelectedCountryCode(QStringLiteral("JP"));
        int alerts = 0;
        connect(model.saveFlow(), &SaveAlert::showingSaveAlertChanged, this,
            [&] { alerts += model.saveFlow()->showingSaveAlert(); });
        model.saveFlow()->saveIcon(lantern());
        model.saveFlow()->saveIcon(lantern());
        QTRY_COMPARE_WITH_TIMEOUT(alerts, 2, 15000);
        QCOMPARE(photoFolder().entryList(QDir::Files).size(), 2);
        QCOMPARE(
            HistoryManager::shared()->loadHistory().value(0).countryCode, QStringLiteral("JP"));
    }
};

VELLUMAR_TEST_MAIN(tst_IconSaveFlow)
#include "tst_iconsaveflow.moc"
