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

// The icon save flow from download to file, for the three kinds of owner,
// against the fixture catalogue and the real photo folder of the isolated home.
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
    static QStringList photos() { return photoFolder().entryList(QDir::Files, QDir::Name); }

    AppItem lantern() const
    {
        const auto &app = FixtureCatalogue::apps().at(0);
        return AppItem{app.trackId, app.trackName, catalogue->artworkUrl(app.trackId, QStringLiteral("100x100")),
                       catalogue->artworkUrl(app.trackId, QStringLiteral("512x512")), std::nullopt};
    }

    static void waitForAlert(IconSaveFlow &flow)
    {
        QTRY_VERIFY_WITH_TIMEOUT(flow.showingSaveAlert(), 15000);
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

    void setOptions(bool jpeg, IconResolution resolution, bool rounded, bool slightly)
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

    void storedBothRoundingsGiveTheFullRounding()
    {
        // Both keys true, as an older version may have stored them: a fresh
        // start loads both without applying the rules, and full rounding wins.
        // (The shared settings were made in initTestCase from such a store.)
        QVERIFY(bothRoundingsLoaded);
        IconSaveFlow flow;
        settings->setSelectedResolution(IconResolution::size256);
        flow.saveIcon(lantern());
        waitForAlert(flow);
        QCOMPARE(qAlpha(onlyPhoto().pixel(30, 30)), 0); // outside the circle, inside a slight corner
    }

    void optionCombinations_data()
    {
        QTest::addColumn<bool>("jpeg");
        QTest::addColumn<IconResolution>("resolution");
        QTest::addColumn<bool>("rounded");
        QTest::addColumn<bool>("slightly");
        QTest::addColumn<QString>("requestedSize");
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<QPoint>("transparentPixel"); // (-1, -1): every corner opaque

        QTest::newRow("defaults: 1024 square PNG")
                << false << IconResolution::size1024 << false << false << "1024x1024" << QByteArray("png") << QPoint(-1, -1);
        // Radius 40.96: the very corner is clear, a point 40 px in is not.
        QTest::newRow("512 slightly rounded")
                << false << IconResolution::size512 << false << true << "512x512" << QByteArray("png") << QPoint(2, 2);
        // Both stored true (set without the rules in between): full rounding wins.
        QTest::newRow("full rounding: circle")
                << false << IconResolution::size256 << true << false << "256x256" << QByteArray("png") << QPoint(30, 30);
        QTest::newRow("original JPEG ignores size and rounding")
                << true << IconResolution::size256 << true << false << "1024x1024" << QByteArray("jpeg") << QPoint(-1, -1);
    }

    void optionCombinations()
    {
        QFETCH(bool, jpeg);
        QFETCH(IconResolution, resolution);
        QFETCH(bool, rounded);
        QFETCH(bool, slightly);
        QFETCH(QString, requestedSize);
        QFETCH(QByteArray, format);
        QFETCH(QPoint, transparentPixel);

        setOptions(jpeg, resolution, rounded, slightly);
        if (jpeg)
            settings->setSaveAsRounded(true); // rounding turned on under the JPEG option must not matter

        IconSaveFlow flow;
        flow.saveIcon(lantern());
        waitForAlert(flow);
        QCOMPARE(flow.saveAlertTitle(), qtTrId("success"));
        QCOMPARE(flow.saveAlertMessage(),
                 qtTrId(jpeg ? "save_success_message_original" : "save_success_message_icon"));
        QVERIFY(catalogue->lastRequestLine().contains(requestedSize.toLatin1() + "bb.png"));

        QByteArray writtenFormat;
        const QImage photo = onlyPhoto(&writtenFormat);
        QCOMPARE(writtenFormat, format);
        const int side = requestedSize.section(u'x', 0, 0).toInt();
        QCOMPARE(photo.size(), QSize(side, side));
        const QPoint centre(side / 2, side / 2);
        QCOMPARE(qAlpha(photo.pixel(centre)), 255);
        if (transparentPixel.x() < 0) {
            // Square: the corner shows the same background as the middle of the edge.
            const QRgb corner = photo.pixel(0, 0);
            const QRgb edge = photo.pixel(2, side / 2);
            QCOMPARE(qAlpha(corner), 255);
            QVERIFY(qAbs(qRed(corner) - qRed(edge)) + qAbs(qGreen(corner) - qGreen(edge))
                            + qAbs(qBlue(corner) - qBlue(edge)) < 24);
        } else {
            QCOMPARE(qAlpha(photo.pixel(transparentPixel)), 0);
            QCOMPARE(qAlpha(photo.pixel(side - 1 - transparentPixel.x(), transparentPixel.y())), 0);
            QCOMPARE(qAlpha(photo.pixel(side / 2, 3)), 255); // the middle of an edge stays
        }
        if (slightly)
            QCOMPARE(qAlpha(photo.pixel(40, 40)), 255); // just inside a 40.96 corner
    }

    void roundingIsReadAfterTheDownload()
    {
        catalogue->setDelay(QStringLiteral("/art/1234567890123/256x256bb.png"), 800ms);
        setOptions(false, IconResolution::size256, false, false);
        IconSaveFlow flow;
        flow.saveIcon(lantern());
        QVERIFY(catalogue->waitForRequests(1));
        // While the bytes are on their way: rounding counts, size and format do not.
        settings->setSaveAsRounded(true);
        settings->setSelectedResolution(IconResolution::size512);
        waitForAlert(flow);
        QByteArray format;
        const QImage photo = onlyPhoto(&format);
        QCOMPARE(format, QByteArray("png"));
        QCOMPARE(photo.size(), QSize(256, 256));
        QCOMPARE(qAlpha(photo.pixel(30, 30)), 0);
        catalogue->setDelay(QStringLiteral("/art/1234567890123/256x256bb.png"), 0ms);
    }

    void downloadFailures_data()
    {
        QTest::addColumn<QString>("artwork512");
        QTest::addColumn<bool>("jpeg");
        QTest::addColumn<QByteArray>("key");
        QTest::newRow("not an image") << "not-an-image" << false << QByteArray("download_fail_message_icon");
        QTest::newRow("HTML error page") << "error-page" << true << QByteArray("download_fail_message_original");
        QTest::newRow("image bomb") << "bomb" << false << QByteArray("download_fail_message_icon");
        QTest::newRow("nobody listening") << "closed-port" << false << QByteArray("download_fail_message_icon");
        QTest::newRow("no address") << "" << true << QByteArray("download_fail_message_original");
    }

    void downloadFailures()
    {
        QFETCH(QString, artwork512);
        QFETCH(bool, jpeg);
        QFETCH(QByteArray, key);
        setOptions(jpeg, IconResolution::size1024, false, false);

        QString url;
        if (artwork512 == u"not-an-image")
            url = catalogue->notAnImageUrl().toString();
        else if (artwork512 == u"error-page")
            url = catalogue->baseUrl().toString() + QStringLiteral("/lookup?id=404&country=CN");
        else if (artwork512 == u"bomb")
            url = catalogue->imageBombUrl().toString();
        else if (artwork512 == u"closed-port")
            url = QStringLiteral("http://127.0.0.1:1/512x512bb.png");
        else
            url = QStringLiteral("http://[broken");

        IconSaveFlow flow;
        flow.saveIcon(AppItem{9, QStringLiteral("Broken"), QString(), url, std::nullopt});
        waitForAlert(flow);
        QCOMPARE(flow.saveAlertTitle(), qtTrId("error"));
        QCOMPARE(flow.saveAlertMessage(), qtTrId(key.constData()));
        QVERIFY(photos().isEmpty());
        QVERIFY(HistoryManager::shared()->loadHistory().isEmpty());
    }

    void permissionDenied()
    {
        setOptions(false, IconResolution::size256, false, false);
        // A file where the folder should be: the library cannot be written.
        QDir().mkpath(QFileInfo(photoFolder().path()).path());
        QFile blocker(photoFolder().path());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();

        IconSaveFlow flow;
        flow.saveIcon(lantern());
        waitForAlert(flow);
        QCOMPARE(flow.saveAlertTitle(), qtTrId("error"));
        QCOMPARE(flow.saveAlertMessage(), qtTrId("save_fail_message").arg(qtTrId("permission_denied_message")));
        QVERIFY(HistoryManager::shared()->loadHistory().isEmpty());
        QVERIFY(blocker.remove());
    }

    void historyPerOwnerAndTwoSavesAtOnce()
    {
        setOptions(false, IconResolution::size256, false, false);
        // The history screen's flow does not record.
        IconSaveFlow historyScreen;
        historyScreen.setRecordsHistory(false);
        historyScreen.saveIcon(lantern());
        waitForAlert(historyScreen);
        QVERIFY(HistoryManager::shared()->loadHistory().isEmpty());

        // The detail screen's flow records the item as it is.
        IconSaveFlow detailScreen;
        detailScreen.saveIcon(lantern());
        waitForAlert(detailScreen);
        QCOMPARE(HistoryManager::shared()->loadHistory(), QList<AppItem>{lantern()});

        // The search model stamps its region; two taps give two photos and two alerts.
        HistoryManager::shared()->clearAllHistory();
        photoFolder().removeRecursively();
        ContentViewModel model;
        model.setSelectedCountryCode(QStringLiteral("JP"));
        int alerts = 0;
        connect(&model, &IconSaveFlow::showingSaveAlertChanged, this, [&] { alerts += model.showingSaveAlert(); });
        model.saveIcon(lantern());
        model.saveIcon(lantern());
        QTRY_COMPARE_WITH_TIMEOUT(alerts, 2, 15000);
        QCOMPARE(photos().size(), 2);
        const QList<AppItem> history = HistoryManager::shared()->loadHistory();
        QCOMPARE(history.size(), 1);
        QCOMPARE(history.first().countryCode, QStringLiteral("JP"));
        QCOMPARE(history.first().trackId, lantern().trackId);
    }
};

VELLUMAR_TEST_MAIN(tst_IconSaveFlow)
#include "tst_iconsaveflow.moc"
