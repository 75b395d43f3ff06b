#include "ScreenHarness.h"
#include "store/LocalizationManager.h"
#include "store/SettingsManager.h"

class tst_SettingsScreen : public ScreenTest
{
    Q_OBJECT

    SettingsManager *settings() const { return SettingsManager::shared(); }
    bool checked(const char *name) const
    {
        return screen->item(name)->property("checked").toBool();
    }
    int currentTab() const
    {
        return screen->visibleItem("tabBar")->property("currentIndex").toInt();
    }

    void openSettings()
    {
        QVERIFY(screen->click("settingsButton"));
        QVERIFY(screen->waitForPopup("settingsView", true));
    }

private slots:
    void init()
    {
        settings()->setSaveAsOriginalJPEG(false);
        settings()->setSaveAsRounded(false);
        settings()->setSaveAsSlightlyRounded(false);
        settings()->setSelectedResolution(IconResolution::size1024);
        LocalizationManager::shared()->setCurrentLanguage(Language::chinese);
        ScreenTest::init();
        openSettings();
    }

    void switchesWriteTheOptionsAndTheJpegSwitchDimsTheRest()
    {
        QQuickItem *group = screen->item("roundingGroup");
        QVERIFY(screen->click("roundedSwitch"));
        QVERIFY(settings()->saveAsRounded());
        QVERIFY(screen->click("slightlyRoundedSwitch"));
        QVERIFY(settings()->saveAsSlightlyRounded());
        QVERIFY(!settings()->saveAsRounded() && !checked("roundedSwitch"));

        QVERIFY(screen->click("jpegSwitch"));
        QVERIFY(settings()->saveAsOriginalJPEG());
        QVERIFY(!settings()->saveAsSlightlyRounded() && !checked("slightlyRoundedSwitch"));
        QVERIFY(!group->isEnabled());
        QCOMPARE(group->opacity(), 0.5);
        QVERIFY(screen->click("roundedSwitch") && screen->click("resolutionPicker_0"));
        QVERIFY(!settings()->saveAsRounded());
        QCOMPARE(settings()->selectedResolution(), IconResolution::size1024);

        QVERIFY(screen->click("jpegSwitch"));
        QVERIFY(group->isEnabled());
        QCOMPARE(group->opacity(), 1.0);
        QVERIFY(screen->click("resolutionPicker_0"));
        QCOMPARE(settings()->selectedResolution(), IconResolution::size256);
        QVERIFY(checked("resolutionPicker_0") && !checked("resolutionPicker_2"));
    }

    void aNewLanguageRebuildsEveryScreen()
    {
        screen->pressKey(Qt::Key_Escape);
        QVERIFY(screen->waitForPopup("settingsView", false));
        screen->typeText("harbor");
        const QStringList before = screen->visibleTexts();
        QPointer<QObject> oldModel = screen->viewModel();

        openSettings();
        QVERIFY(screen->click("languagePicker_1"));
        QVERIFY(screen->waitForPopup("settingsView", false));
        QVERIFY(ScreenHarness::waitFor(
            [&] { return screen->viewModel() && screen->viewModel() != oldModel; }));
        QCOMPARE(screen->viewModel()->property("searchTerm").toString(), QString());
        screen->typeText("harbor");
        const QStringList after = screen->visibleTexts();
        QVERIFY(after.contains(qtTrId("search")));
        for (const QString &text : after) {
            if (before.contains(text))
                QVERIFY2(QStringList({ "Vellumar", "CN", "🇨🇳", "harbor" }).contains(text),
                    qPrintable(text));
        }

        // The history tab gives way to search.
        oldModel = screen->viewModel();
        QVERIFY(screen->click("historyTab"));
        QCOMPARE(currentTab(), 1);
        LocalizationManager::shared()->setCurrentLanguage(Language::chinese);
        QVERIFY(ScreenHarness::waitFor(
            [&] { return screen->viewModel() && screen->viewModel() != oldModel; }));
        QCOMPARE(currentTab(), 0);
    }
};

VELLUMAR_TEST_MAIN(tst_SettingsScreen)
#include "tst_settingsscreen.moc"
