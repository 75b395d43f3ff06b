#include "ScreenHarness.h"
#include "store/HistoryManager.h"
#include "store/SettingsManager.h"
#include "workflow/ScreenshotSaver.h"

#include <QImageReader>

// The full-screen screenshot and its long press, reached from the detail
// screen of a fixture app.
class tst_ScreenshotViewer : public ScreenTest
{
    Q_OBJECT

    // Shows the address as a tap on one of the detail screen's screenshots would.
    bool showScreenshot(const QString &address, const char *shown = "screenshotPicture")
    {
        QMetaObject::invokeMethod(
            screen->visibleItem("appDetailView"), "showScreenshot", Q_ARG(QVariant, address));
        const bool opened = ScreenHarness::waitFor([&] {
            return screen->settled("screenshotDetailView", "searchNavigation")
                && screen->shown(shown);
        });
        catalogue->clearRequests();
        return opened;
    }
    // Scrolls the detail screen to its strip and taps the first screenshot.
    bool tapFirstScreenshot()
    {
        QQuickItem *scroll = screen->visibleItem("detailScroll");
        scroll->setProperty(
            "contentY", scroll->property("contentHeight").toReal() - scroll->height());
        const bool opened = screen->click("screenshot_0") && ScreenHarness::waitFor([&] {
            return screen->settled("screenshotDetailView", "searchNavigation")
                && screen->shown("screenshotPicture");
        });
        catalogue->clearRequests();
        return opened;
    }
    void longPress(const char *name, QPoint drift = {})
    {
        screen->press(screen->visibleItem(name), drift, 800);
    }

private slots:
    void aStillLongPressSavesThePictureAsServed()
    {
        // Options that would change an icon change nothing here.
        SettingsManager::shared()->setSaveAsOriginalJPEG(true);
        QVERIFY(openSearchResult(0) && tapFirstScreenshot());
        longPress("screenshotPicture", QPoint(30, 0));
        QVERIFY(!screen->popupVisible("screenshotSaveAlert"));
        longPress("screenshotPicture");
        QVERIFY(screen->alertShows(
            "screenshotSaveAlert", qtTrId("success"), qtTrId("save_success_message_screenshot")));
        SettingsManager::shared()->setSaveAsOriginalJPEG(false);
        QCOMPARE(requestsContaining("/shots/"), 1); // downloaded again, once
        QCOMPARE(ScreenHarness::photos().size(), 1);
        QImageReader reader(ScreenHarness::photoFolder().filePath(ScreenHarness::photos().first()));
        QCOMPARE(reader.format(), QByteArray("png"));
        QCOMPARE(reader.size(), QSize(392, 696));
        QVERIFY(HistoryManager::shared()->loadHistory().isEmpty());
        // Back on the detail screen, the details are looked up again.
        QVERIFY(screen->click("backButton"));
        QVERIFY(ScreenHarness::waitFor([&] { return requestsContaining("GET /lookup?") == 1; }));
        // A file where the photo folder belongs: the library refuses to add.
        ScreenHarness::photoFolder().removeRecursively();
        QFile blocker(ScreenHarness::photoFolder().path());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QVERIFY(tapFirstScreenshot());
        longPress("screenshotPicture");
        QVERIFY(screen->alertShows("screenshotSaveAlert", qtTrId("error"),
            qtTrId("save_fail_message").arg(qtTrId("permission_denied_message"))));
    }

    void aPictureThatIsNotShownCannotBeSaved_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("shown");
        QTest::newRow("not an image")
            << catalogue->notAnImageUrl().toString() << "screenshotFailed";
        QTest::newRow("still loading")
            << catalogue->stallingImageUrl().toString() << "screenshotLoading";
    }

    void aPictureThatIsNotShownCannotBeSaved()
    {
        QFETCH(QString, address);
        QFETCH(QString, shown);
        QVERIFY(openSearchResult(0) && showScreenshot(address, qPrintable(shown)));
        longPress("screenshotDetailView");
        QVERIFY(!screen->popupVisible("screenshotSaveAlert"));
        QCOMPARE(requestsContaining("/art/special/"), 0);
    }

    void theSaverReportsUnusableAddresses_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("messageKey");
        QTest::newRow("empty") << QString() << "screenshot_url_invalid";
        QTest::newRow("no address") << "http://[::1"
                                    << "screenshot_url_invalid";
        QTest::newRow("not an image")
            << catalogue->notAnImageUrl().toString() << "download_fail_message_screenshot";
    }

    void theSaverReportsUnusableAddresses()
    {
        QFETCH(QString, address);
        QFETCH(QString, messageKey);
        ScreenshotSaver saver;
        saver.saveScreenshot(address);
        QVERIFY(ScreenHarness::waitFor([&] { return saver.showingSaveAlert(); }));
        QCOMPARE(saver.saveAlertTitle(), qtTrId("error"));
        QCOMPARE(saver.saveAlertMessage(), qtTrId(messageKey.toUtf8().constData()));
    }
};

VELLUMAR_TEST_MAIN(tst_ScreenshotViewer)
#include "tst_screenshotviewer.moc"
