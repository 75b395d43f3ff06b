#include "ScreenHarness.h"
#include "screens/CopyableState.h"
#include "store/HistoryManager.h"

#include <QClipboard>
#include <QTcpServer>

using namespace std::chrono_literals;

namespace {
// The lines the detail screen writes when a lookup fails.
int failureLines = 0;
QtMessageHandler qtTestHandler = nullptr;

void recordConsole(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    failureLines += message.startsWith(QStringLiteral("详情加载失败: "));
    qtTestHandler(type, context, message);
}
} // namespace

class tst_DetailScreen : public ScreenTest
{
    Q_OBJECT

    bool checkmarkShown(const char *row) const
    {
        return screen->visibleItem("checkmarkGlyph", screen->visibleItem(row));
    }

private slots:
    void initTestCase()
    {
        // Qt Test installs its handler when the run starts; ours goes on top.
        qtTestHandler = qInstallMessageHandler(recordConsole);
        ScreenTest::initTestCase();
    }

    void cleanup()
    {
        CopyableState::setScheduler({});
        ScreenTest::cleanup();
    }

    void showsEverySectionAfterTheSpinner_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("releaseNotes");
        QTest::addColumn<int>("screenshots");
        QTest::newRow("release notes") << 0 << "Faster sync.\nA new dark theme." << 3;
        QTest::newRow("no release notes key") << 1 << "<hidden>" << 2;
        QTest::newRow("null release notes, no screenshots") << 2 << "<hidden>" << 0;
    }

    void showsEverySectionAfterTheSpinner()
    {
        QFETCH(int, row);
        QFETCH(QString, releaseNotes);
        QFETCH(int, screenshots);
        const FixtureCatalogue::App &app = FixtureCatalogue::apps().at(row);
        const QString id = QString::number(app.trackId);
        catalogue->setDelay(id, 800ms);
        QVERIFY(openSearchResult(row, false));
        QVERIFY(screen->shown("detailLoading") && !screen->shown("detailStack")
            && !screen->shown("detailLoadFailed"));
        QVERIFY(ScreenHarness::waitFor([&] { return screen->shown("detailStack"); }));
        catalogue->setDelay(id, 0ms);
        QVERIFY(!screen->shown("detailLoading"));
        QCOMPARE(requestsContaining("GET /lookup?id=" + id.toUtf8() + "&country=CN"), 1);
        QCOMPARE(screen->shownText("detailName"), app.trackName);
        QCOMPARE(screen->shownText("detailArtist"), app.artistName);
        QVERIFY(screen->shownText("detailIcon", "source").endsWith("/1024x1024bb.png"));
        const QList<std::pair<const char *, QString>> rows { { "bundleIdRow", app.bundleId },
            { "trackIdRow", id }, { "appStoreLinkRow", "https://apps.apple.com/app/id" + id },
            { "minimumOsRow", "iOS 15.0" }, { "versionRow", app.version },
            { "releaseNotesRow", releaseNotes } };
        for (const auto &[name, value] : rows)
            QCOMPARE(screen->shownText(name, "value"), value);
        QVERIFY(screen->shownText("detailDescription").startsWith(app.trackName + " is an app"));
        QCOMPARE(screen->item("screenshotStrip")->property("count").toInt(), screenshots);
    }

    // A failed first lookup shows the failure text; a failed later one keeps
    // the details. Showing the tab again is an appearance.
    void aFirstFailureShowsTheTextAndALaterOneKeepsTheDetails()
    {
        AppItem broken = historyItem(2);
        broken.trackId = FixtureCatalogue::errorPageId;
        HistoryManager::shared()->addHistory(broken);
        const int failuresBefore = failureLines;
        QVERIFY(screen->click("historyTab"));
        QVERIFY(ScreenHarness::waitFor([&] { return screen->click("historyRow_0"); }));
        QVERIFY(ScreenHarness::waitFor([&] { return screen->shown("detailLoadFailed"); }));
        QVERIFY(!screen->shown("detailLoading") && !screen->shown("detailSaveButton"));
        QCOMPARE(failureLines, failuresBefore + 1);
        QVERIFY(screen->click("backButton"));

        QVERIFY(screen->click("searchTab") && openSearchResult(0));
        QTcpServer closed; // a loopback port where nothing listens
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const QByteArray live = qgetenv("VELLUMAR_CATALOGUE_URL");
        qputenv("VELLUMAR_CATALOGUE_URL",
            "http://127.0.0.1:" + QByteArray::number(closed.serverPort()));
        closed.close();
        QVERIFY(screen->click("historyTab") && screen->click("searchTab"));
        const bool failed
            = ScreenHarness::waitFor([&] { return failureLines == failuresBefore + 2; });
        qputenv("VELLUMAR_CATALOGUE_URL", live);
        QVERIFY(failed);
        QVERIFY(screen->shown("detailStack") && !screen->shown("detailLoadFailed"));
    }

    void aTapCopiesTheValueAndEveryTapSchedulesItsOwnReset()
    {
        QList<std::pair<std::chrono::milliseconds, std::function<void()>>> resets;
        CopyableState::setScheduler(
            [&](std::chrono::milliseconds delay, QObject *, std::function<void()> reset) {
                resets.append({ delay, std::move(reset) });
            });
        QVERIFY(openSearchResult(0));
        QVERIFY(screen->click("bundleIdRow"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("com.lanternlabs.notes"));
        QVERIFY(ScreenHarness::waitFor([&] { return checkmarkShown("bundleIdRow"); }));
        QVERIFY(screen->click("bundleIdRow"));
        QCOMPARE(resets.size(), 2);
        QCOMPARE(resets.first().first, 2000ms);
        // The first tap's reset ends the check mark while the second's is pending.
        resets.first().second();
        QVERIFY(ScreenHarness::waitFor([&] { return !checkmarkShown("bundleIdRow"); }));
        // With the real clock the check mark goes by itself.
        CopyableState::setScheduler({});
        QVERIFY(screen->click("minimumOsRow"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("iOS 15.0"));
        QVERIFY(ScreenHarness::waitFor([&] { return checkmarkShown("minimumOsRow"); }));
        QVERIFY(ScreenHarness::waitFor([&] { return !checkmarkShown("minimumOsRow"); }));
    }

    void savingFromTheDetailScreenRecordsTheItem()
    {
        QVERIFY(openSearchResult(1));
        QVERIFY(screen->click("detailSaveButton"));
        QVERIFY(screen->alertShows(
            "detailSaveAlert", qtTrId("success"), qtTrId("save_success_message_icon")));
        QCOMPARE(ScreenHarness::photos().size(), 1);
        QCOMPARE(HistoryManager::shared()->loadHistory().value(0).trackId,
            FixtureCatalogue::apps().at(1).trackId);
    }
};

VELLUMAR_TEST_MAIN(tst_DetailScreen)
#include "tst_detailscreen.moc"
