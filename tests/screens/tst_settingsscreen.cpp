#include "ScreenHarness.h"
#include "TestEnvironment.h"
#include "store/LocalizationManager.h"
#include "store/SearchHistoryManager.h"
#include "store/SettingsManager.h"

class tst_SettingsScreen : public QObject
{
    Q_OBJECT

    std::unique_ptr<ScreenHarness> screen;

    SettingsManager *settings() const { return SettingsManager::shared(); }
    bool checked(const char *name) const
    {
        return screen->item(QLatin1String(name))->property("checked").toBool();
    }

    void openSettings()
    {
        QVERIFY(screen->click("settingsButton"));
        QVERIFY(screen->waitForPopup(QStringLiteral("settingsView"), true));
    }

    void pickLanguage(int segment)
    {
        QVERIFY(
            screen->click(screen->visibleItem(QStringLiteral("languagePicker_%1").arg(segment))));
    }

private slots:
    void init()
    {
        settings()->setSaveAsOriginalJPEG(false);
        settings()->setSaveAsRounded(false);
        settings()->setSaveAsSlightlyRounded(false);
        settings()->setSelectedResolution(IconResolution::size1024);
        SearchHistoryManager::shared()->clearAllHistory();
        LocalizationManager::shared()->setCurrentLanguage(Language::chinese);
        screen = std::make_unique<ScreenHarness>();
        QVERIFY(screen->window());
        openSettings();
    }

    void cleanup() { screen.reset(); }

    void switchesWriteTheOptionsAndTheJpegSwitchDimsTheRest()
    {
        QQuickItem *group = screen->item("roundingGroup");
        QVERIFY(screen->click("roundedSwitch"));
        QVERIFY(settings()->saveAsRounded());
        QVERIFY(screen->click("slightlyRoundedSwitch"));
        QVERIFY(settings()->saveAsSlightlyRounded());
        QVERIFY(!settings()->saveAsRounded());
        QVERIFY(!checked("roundedSwitch"));

        QVERIFY(screen->click("jpegSwitch"));
        QVERIFY(settings()->saveAsOriginalJPEG());
        QVERIFY(!settings()->saveAsSlightlyRounded() && !checked("slightlyRoundedSwitch"));
        QVERIFY(!group->isEnabled());
        QCOMPARE(group->opacity(), 0.5);
        QVERIFY(screen->click("roundedSwitch"));
        QVERIFY(screen->click("resolutionPicker_0"));
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
        QVERIFY(screen->waitForPopup(QStringLiteral("settingsView"), false));
        screen->typeText(QStringLiteral("harbor"));
        const QStringList before = screen->visibleTexts();
        QPointer<QObject> oldModel = screen->viewModel();

        openSettings();
        pickLanguage(1);
        QVERIFY(screen->waitForPopup(QStringLiteral("settingsView"), false));
        QVERIFY(ScreenHarness::waitFor(
            [&] { return screen->viewModel() && screen->viewModel() != oldModel; }));
        QCOMPARE(screen->viewModel()->property("searchTerm").toString(), QString());
        QCOMPARE(screen->visibleItem("tabBar")->property("currentIndex").toInt(), 0);

        screen->typeText(QStringLiteral("harbor"));
        const QStringList after = screen->visibleTexts();
        QVERIFY(after.contains(qtTrId("search")));
        for (const QString &text : after) {
            if (before.contains(text))
                QVERIFY2(QStringList({ "Vellumar", "CN", "🇨🇳", "harbor" }).contains(text),
                    qPrintable(text));
        }
    }

    void theHistoryTabGivesWayToSearchOnAChange()
    {
        screen->pressKey(Qt::Key_Escape);
        QVERIFY(screen->waitForPopup(QStringLiteral("settingsView"), false));
        QVERIFY(screen->click("historyTab"));
        QCOMPARE(screen->visibleItem("tabBar")->property("currentIndex").toInt(), 1);
        LocalizationManager::shared()->setCurrentLanguage(Language::english);
        QVERIFY(ScreenHarness::waitFor([&] { return screen->viewModel() != nullptr; }));
        QCOMPARE(screen->visibleItem("tabBar")->property("currentIndex").toInt(), 0);
    }
};

VELLUMAR_TEST_MAIN(tst_SettingsScreen)
#include "tst_settingsscreen.moc"
