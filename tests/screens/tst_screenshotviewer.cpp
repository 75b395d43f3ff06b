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
        if (!openSearchResult(0) || !ScreenHarness::waitFor([&] { return shown("detailStack"); }))
            return false;
        QQuickItem *scroll = screen->visibleItem(QStringLiteral("detailScroll"));
        scroll->setProperty(
            "contentY", scroll->property("contentHeight").toReal() - scroll->height());
        const bool opened
            = screen->click(QStringLiteral("screenshot_0")) && ScreenHarness::waitFor([&] {
                  return settled("screenshotDetailView", "searchNavigation")
                      && shown("screenshotPicture");
              });
        catalogue->clearRequests();
        return opened;
    }

    void longPress(const char *name, QPoint drift = {})
    {
        press(screen->visibleItem(QLatin1String(name)), drift, 800);
    }

private slots:
    void aLongPressSavesThePictureAsServedAndNothingElse()
    {
        // Options that would change an icon change nothing here.
        SettingsManager::shared()->setSaveAsOriginalJPEG(true);
        SettingsManager::shared()->setSelectedResolution(IconResolution::size256);
        QVERIFY(openFirstScreenshot());

        longPress("screenshotPicture");
        QVERIFY(screen->waitForPopup(QStringLiteral("screenshotSaveAlert"), true));
        SettingsManager::shared()->setSaveAsOriginalJPEG(false);
        QCOMPARE(shownProperty("saveAlertTitle"), qtTrId("success"));
        QCOMPARE(shownProperty("saveAlertMessage"), qtTrId("save_success_message_screenshot"));
        // Downloaded again, not taken from the screen.
        QCOMPARE(requestsContaining("/shots/"), 1);
        QCOMPARE(photos().size(), 1);
        QImageReader reader(photoFolder().filePath(photos().first()));
        QCOMPARE(reader.format(), QByteArray("png"));
        QCOMPARE(reader.size(), QSize(392, 696));
        QVERIFY(HistoryManager::shared()->loadHistory().isEmpty());

        // Back on the detail screen, the details are looked up again.
        screen->pressKey(Qt::Key_Return);
        QVERIFY(screen->waitForPopup(QStringLiteral("screenshotSaveAlert"), false));
        QVERIFY(screen->click(QStringLiteral("backButton")));
        QVERIFY(ScreenHarness::waitFor([&] { return requestsContaining("GET /lookup?") == 1; }));
    }

    void aMovingFingerSavesNothing()
    {
        QVERIFY(openFirstScreenshot());
        longPress("screenshotPicture", QPoint(30, 0));
        QTest::qWait(500);
        QCOMPARE(requestsContaining("/shots/"), 0);
        QVERIFY(!popupShown("screenshotSaveAlert"));
    }

    void deniedPermissionShowsTheError()
    {
        QVERIFY(openFirstScreenshot());
        // A file where the photo folder belongs: the library refuses to add.
        QFile blocker(photoFolder().path());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();

        longPress("screenshotPicture");
        QVERIFY(screen->waitForPopup(QStringLiteral("screenshotSaveAlert"), true));
        QCOMPARE(shownProperty("saveAlertTitle"), qtTrId("error"));
        QCOMPARE(shownProperty("saveAlertMessage"),
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
        QMetaObject::invokeMethod(screen->visibleItem(QStringLiteral("appDetailView")),
            "showScreenshot", Q_ARG(QVariant, address));
        QVERIFY(ScreenHarness::waitFor(
            [&] { return settled("screenshotDetailView", "searchNavigation"); }));
        QVERIFY(ScreenHarness::waitFor(
            [&] { return shown(loading ? "screenshotLoading" : "screenshotFailed"); }));
        QVERIFY(!shown(loading ? "screenshotFailed" : "screenshotLoading"));
        catalogue->clearRequests();
        longPress("screenshotDetailView");
        QTest::qWait(300);
        QVERIFY(!popupShown("screenshotSaveAlert"));
        QCOMPARE(requestsContaining("/art/special/"), 0);
    }

    void theSaverReportsUnusableAddresses_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("messageKey");
        const QString invalid = QStringLiteral("screenshot_url_invalid");
        QTest::newRow("empty") << QString() << invalid;
        QTest::newRow("no address") << QStringLiteral("http://[::1") << invalid;
        QTest::newRow("not an image") << catalogue->notAnImageUrl().toString()
                                      << QStringLiteral("download_fail_message_screenshot");
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
