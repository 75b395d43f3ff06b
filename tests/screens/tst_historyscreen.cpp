#include "ScreenHarness.h"
#include "store/HistoryManager.h"
#include "store/TemporaryDirectory.h"

// The history tab; the filter's and deletion's rules are the history model's.
class tst_HistoryScreen : public ScreenTest
{
    Q_OBJECT

    QQuickItem *row(int index) const
    {
        return screen->visibleItem(QStringLiteral("historyRow_%1").arg(index));
    }
    QStringList shownNames() const
    {
        QStringList names;
        for (int index = 0; row(index); ++index)
            names.append(row(index)->property("trackName").toString());
        return names;
    }
    static QStringList storedNames()
    {
        QStringList names;
        for (const AppItem &item : HistoryManager::shared()->loadHistory())
            names.append(item.trackName);
        return names;
    }
    bool showHistory(const QList<int> &stored)
    {
        for (auto index = stored.crbegin(); index != stored.crend(); ++index)
            HistoryManager::shared()->addHistory(historyItem(*index));
        return screen->click("historyTab") && ScreenHarness::waitFor([&] {
            return screen->settled("historyPage", "historyNavigation");
        });
    }

private slots:
    // A swipe deletes the row shown, under the filter; the empty state and the
    // clear button follow the stored list, not the filtered one.
    void filteringAndSwipeDeleting()
    {
        QVERIFY(showHistory({ 2, 1, 0 }));
        QVERIFY(screen->click("historySearchField"));
        screen->typeText("A");
        QCOMPARE(shownNames(), (QStringList { "Harbor Maps", "Lantern Notes" }));
        screen->press(row(1), QPoint(-200, 0), 0);
        QVERIFY(ScreenHarness::waitFor(
            [&] { return screen->click(screen->visibleItem("deleteButton", row(1))); }));
        QVERIFY(
            ScreenHarness::waitFor([&] { return shownNames() == QStringList { "Harbor Maps" }; }));
        QCOMPARE(storedNames(), (QStringList { "墨水日记", "Harbor Maps" }));
        QVERIFY(screen->click("historySearchField"));
        screen->typeText("qqq");
        QCOMPARE(shownNames(), QStringList());
        QVERIFY(!screen->shown("noDownloadHistory")
            && screen->item("clearDownloadHistoryButton")->isEnabled());
        QVERIFY(screen->click("clearHistorySearchButton"));
        QVERIFY(ScreenHarness::waitFor([&] {
            return shownNames() == QStringList { "墨水日记", "Harbor Maps" };
        }));
    }

    // Saving again does not record; a row opens in its region, else the US store.
    void savingAgainAndOpening()
    {
        QVERIFY(showHistory({ 0 }));
        HistoryManager::shared()->removeHistory(historyItem(0));
        QVERIFY(screen->click(screen->visibleItem("saveButton", row(0))));
        QVERIFY(screen->alertShows("historySaveAlert", qtTrId("success")));
        QCOMPARE(ScreenHarness::photos().size(), 1);
        QVERIFY(storedNames().isEmpty() && !screen->shown("appDetailView"));
        QVERIFY(screen->click(row(0)));
        QVERIFY(ScreenHarness::waitFor([&] { return screen->shown("detailStack"); }));
        QCOMPARE(requestsContaining("GET /lookup?id=1234567890123&country=US"), 1);
    }

    void clearingAsksFirstAndEmptiesOnlyTheApplicationsFolder()
    {
        QFile leftover(applicationTemporaryDirectory().value() + "/leftover.png");
        QFile foreign(QDir::tempPath() + "/another-program.txt");
        QVERIFY(leftover.open(QIODevice::WriteOnly) && foreign.open(QIODevice::WriteOnly));
        leftover.close();
        foreign.close();
        QVERIFY(showHistory({ 0, 1 }));
        for (const char *button : { "cancelClearButton", "clearAllButton" }) {
            QVERIFY(screen->click("clearDownloadHistoryButton"));
            QVERIFY(screen->waitForPopup("clearHistoryAlert", true) && screen->click(button));
            QVERIFY(screen->waitForPopup("clearHistoryAlert", false));
            QCOMPARE(storedNames().size(), qstrcmp(button, "clearAllButton") ? 2 : 0);
            QCOMPARE(leftover.exists(), storedNames().size() == 2);
        }
        QVERIFY(foreign.exists());
        QVERIFY(shownNames().isEmpty() && screen->shown("noDownloadHistory"));
        QVERIFY(!screen->item("clearDownloadHistoryButton")->isEnabled());
        QVERIFY(screen->click("clearDownloadHistoryButton"));
        QVERIFY(!screen->popupVisible("clearHistoryAlert"));
    }
};

VELLUMAR_TEST_MAIN(tst_HistoryScreen)
#include "tst_historyscreen.moc"
