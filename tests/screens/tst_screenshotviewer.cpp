#include "DetailTestSupport.h"
#include "store/SettingsManager.h"
#include "workflow/ScreenshotSaver.h"

#include <QImageReader>

// The full-screen screenshot and its long press, reached from the detail
// screen of a fixture app.
class tst_ScreenshotViewer : public DetailScreenTest
{
    Q_OBJECT

    // Lantern Notes' first screenshot, scrolled into view and tapped.
    bool openFirstScreenshot()
    {
        if (!openSearchResult(0))
            return false;
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
        press(screen->visibleItem(name), drift, 800);
    }

private slots:
    void onlyAStillLongPressSavesThePictureAsServed()
    {
        // Options that would change an icon change nothing here.
        SettingsManager::shared()->setSaveAsOriginalJPEG(true);
        SettingsManager::shared()->setSelectedResolution(IconResolution::size256);
        QVERIFY(openFirstScreenshot());
        longPress("screenshotPicture", QPoint(30, 0));
        QTest::qWait(500);
        QCOMPARE(requestsContaining("/shots/"), 0);
        QVERIFY(!screen->popupVisible("screenshotSaveAlert"));

        longPress("screenshotPicture");
        QVERIFY(screen->waitForPopup("screenshotSaveAlert", true));
        SettingsManager::shared()->setSaveAsOriginalJPEG(false);
        QCOMPARE(screen->shownText("saveAlertTitle"), qtTrId("success"));
        QCOMPARE(screen->shownText("saveAlertMessage"), qtTrId("save_success_message_screenshot"));
        // Downloaded again, not taken from the screen.
        QCOMPARE(requestsContaining("/shots/"), 1);
        QCOMPARE(photos().size(), 1);
        QImageReader reader(ScreenHarness::photoFolder().filePath(photos().first()));
        QCOMPARE(reader.format(), QByteArray("png"));
        QCOMPARE(reader.size(), QSize(392, 696));
        QVERIFY(HistoryManager::shared()->loadHistory().isEmpty());

        // Back on the detail screen, the details are looked up again.
        screen->pressKey(Qt::Key_Return);
        QVERIFY(screen->waitForPopup("screenshotSaveAlert", false));
        QVERIFY(screen->click("backButton"));
        QVERIFY(ScreenHarness::waitFor([&] { return requestsContaining("GET /lookup?") == 1; }));
    }

    void deniedPermissionShowsTheError()
    {
        QVERIFY(openFirstScreenshot());
        // A file where the photo folder belongs: the library refuses to add.
        QFile blocker(ScreenHarness::photoFolder().path());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        longPress("screenshotPicture");
        QVERIFY(screen->waitForPopup("screenshotSaveAlert", true));
        QCOMPARE(screen->shownText("saveAlertTitle"), qtTrId("error"));
        QCOMPARE(screen->shownText("saveAlertMessage"),
            qtTrId("save_fail_message").arg(qtTrId("permission_denied_message")));
    }

    void aPictureThatIsNotShownCannotBeSaved_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("loading");
        QTest::newRow("not an image") << catalogue->notAnImageUrl().toString() << false;
        QTest::newRow("still loading") << catalogue->stallingImageUrl().toString() << true;
    }

    void aPictureThatIsNotShownCannotBeSaved()
    {
        QFETCH(QString, address);
        QFETCH(bool, loading);
        QVERIFY(openSearchResult(0));
        // The strip holds only the catalogue's working addresses.
        QMetaObject::invokeMethod(
            screen->visibleItem("appDetailView"), "showScreenshot", Q_ARG(QVariant, address));
        QVERIFY(ScreenHarness::waitFor([&] {
            return screen->settled("screenshotDetailView", "searchNavigation")
                && screen->shown(loading ? "screenshotLoading" : "screenshotFailed");
        }));
        QVERIFY(!screen->shown(loading ? "screenshotFailed" : "screenshotLoading"));
        catalogue->clearRequests();
        longPress("screenshotDetailView");
        QTest::qWait(300);
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
        QVERIFY(photos().isEmpty());
    }
};

VELLUMAR_TEST_MAIN(tst_ScreenshotViewer)
#include "tst_screenshotviewer.moc"
