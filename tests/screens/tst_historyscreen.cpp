#include "DetailTestSupport.h"
#include "store/TemporaryDirectory.h"

class tst_HistoryScreen : public DetailScreenTest
{
    Q_OBJECT

    QQuickItem *row(int index) const
    {
        return screen->visibleItem(QStringLiteral("historyRow_%1").arg(index));
    }
    QStringList shownNames() const
    {
        QStringList names;
        for (int index = 0; index < screen->item("historyList")->property("count").toInt(); ++index)
            names.append(row(index) ? row(index)->property("modelData").value<AppItem>().trackName
                                    : QStringLiteral("<hidden>"));
        return names;
    }
    static QStringList storedNames()
    {
        QStringList names;
        for (const AppItem &item : HistoryManager::shared()->loadHistory())
            names.append(item.trackName);
        return names;
    }

    void showHistory(const QList<int> &stored)
    {
        for (auto index = stored.crbegin(); index != stored.crend(); ++index)
            HistoryManager::shared()->addHistory(historyItem(*index));
        QVERIFY(screen->click("historyTab"));
        QVERIFY(ScreenHarness::waitFor(
            [&] { return screen->settled("historyPage", "historyNavigation"); }));
    }

    void filter(const QString &text)
    {
        QVERIFY(screen->click("historySearchField"));
        screen->typeText(text);
    }

private slots:
    void theFilterMatchesNamesIgnoringCase_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("upper case") << "NOTES" << QStringList { "Lantern Notes" };
        QTest::newRow("any part") << "a" << QStringList { "Lantern Notes", "Harbor Maps" };
        QTest::newRow("chinese") << "日记" << QStringList { "墨水日记" };
        QTest::newRow("identifier digits") << "1234567890123" << QStringList {};
    }

    void theFilterMatchesNamesIgnoringCase()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, names);
        showHistory({ 0, 1, 2 });
        const QStringList everything = storedNames();
        QCOMPARE(shownNames(), everything);

        filter(text);
        QCOMPARE(shownNames(), names);
        // Empty state and the clear button follow the whole list, not the filtered one.
        QVERIFY(!screen->shown("noDownloadHistory"));
        QVERIFY(screen->visibleItem("clearDownloadHistoryButton")->isEnabled());
        QVERIFY(screen->click("clearHistorySearchButton"));
        QCOMPARE(shownNames(), everything);
    }

    void swipeDeletingResolvesTheShownRowToItsItem()
    {
        showHistory({ 2, 1, 0 });
        filter("a");
        QCOMPARE(shownNames(), (QStringList { "Harbor Maps", "Lantern Notes" }));
        press(row(1), QPoint(-200, 0), 0);
        QVERIFY(ScreenHarness::waitFor(
            [&] { return screen->click(screen->visibleItem("deleteButton", row(1))); }));
        QVERIFY(
            ScreenHarness::waitFor([&] { return shownNames() == QStringList { "Harbor Maps" }; }));
        QCOMPARE(storedNames(), (QStringList { "墨水日记", "Harbor Maps" }));
    }

    void savingAgainDoesNotRecordTheItem()
    {
        showHistory({ 0 });
        HistoryManager::shared()->removeHistory(historyItem(0));
        QVERIFY(screen->click(screen->visibleItem("saveButton", row(0))));
        QVERIFY(screen->waitForPopup("historySaveAlert", true));
        QCOMPARE(screen->shownText("saveAlertTitle"), qtTrId("success"));
        QCOMPARE(photos().size(), 1);
        QVERIFY(storedNames().isEmpty());
        QVERIFY(!screen->shown("appDetailView"));
        screen->pressKey(Qt::Key_Return);
        QVERIFY(screen->waitForPopup("historySaveAlert", false));
    }

    void clearingAsksFirstAndEmptiesOnlyTheApplicationsFolder()
    {
        QFile leftover(applicationTemporaryDirectory().value() + "/leftover.png");
        QFile foreign(QDir::tempPath() + "/another-program.txt");
        QVERIFY(leftover.open(QIODevice::WriteOnly) && foreign.open(QIODevice::WriteOnly));
        leftover.close();
        foreign.close();
        showHistory({ 0, 1 });

        for (const char *button : { "cancelClearButton", "clearAllButton" }) {
            QVERIFY(screen->click("clearDownloadHistoryButton"));
            QVERIFY(screen->waitForPopup("clearHistoryAlert", true));
            QVERIFY(screen->click(button));
            QVERIFY(screen->waitForPopup("clearHistoryAlert", false));
            QCOMPARE(storedNames().size(), qstrcmp(button, "clearAllButton") ? 2 : 0);
            QCOMPARE(leftover.exists(), storedNames().size() == 2);
        }
        QVERIFY(foreign.exists());
        QCOMPARE(shownNames(), QStringList {});
        QVERIFY(screen->shown("noDownloadHistory"));
        // Nothing left to clear: the button no longer offers it.
        QVERIFY(!screen->item("clearDownloadHistoryButton")->isEnabled());
        QVERIFY(screen->click("clearDownloadHistoryButton"));
        QVERIFY(!screen->popupVisible("clearHistoryAlert"));
    }
};

VELLUMAR_TEST_MAIN(tst_HistoryScreen)
#include "tst_historyscreen.moc"
