#include "DetailTestSupport.h"
#include "screens/CopyableState.h"

#include <QClipboard>
#include <QPointer>
#include <QTcpServer>

using namespace std::chrono_literals;

namespace {
// The lines the detail screen writes when a lookup fails.
QStringList failureLines;
QtMessageHandler qtTestHandler = nullptr;

void recordConsole(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QStringLiteral("详情加载失败: ")))
        failureLines.append(message);
    qtTestHandler(type, context, message);
}
} // namespace

class tst_DetailScreen : public DetailScreenTest
{
    Q_OBJECT

    struct PendingReset
    {
        QPointer<QObject> context;
        std::chrono::milliseconds delay;
        std::function<void()> reset;
    };
    QList<PendingReset> pendingResets;

    bool checkmarkShown(const QString &row) const
    {
        return screen->visibleItem("checkmarkGlyph", screen->visibleItem(row));
    }

private slots:
    void initTestCase()
    {
        // Qt Test installs its handler when the run starts; ours goes on top.
        qtTestHandler = qInstallMessageHandler(recordConsole);
        DetailScreenTest::initTestCase();
    }

    void cleanup()
    {
        DetailScreenTest::cleanup();
        CopyableState::setScheduler({});
        pendingResets.clear();
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
        QVERIFY(screen->shown("detailLoading"));
        QVERIFY(!screen->shown("detailStack") && !screen->shown("detailLoadFailed"));
        QVERIFY(ScreenHarness::waitFor([&] { return screen->shown("detailStack"); }));
        catalogue->setDelay(id, 0ms);
        QVERIFY(!screen->shown("detailLoading"));
        QVERIFY(
            catalogue->requestLines().contains("GET /lookup?id=" + id.toUtf8() + "&country=CN"));

        QCOMPARE(screen->shownText("detailName"), app.trackName);
        QCOMPARE(screen->shownText("detailArtist"), app.artistName);
        QVERIFY(screen->shownText("detailIcon", "source").endsWith("/1024x1024bb.png"));
        QCOMPARE(screen->shownText("bundleIdRow", "value"), app.bundleId);
        QCOMPARE(screen->shownText("trackIdRow", "value"), id);
        QCOMPARE(
            screen->shownText("appStoreLinkRow", "value"), "https://apps.apple.com/app/id" + id);
        QCOMPARE(screen->shownText("minimumOsRow", "value"), QStringLiteral("iOS 15.0"));
        QCOMPARE(screen->shownText("versionRow", "value"), app.version);
        QCOMPARE(screen->shownText("releaseNotesRow", "value"), releaseNotes);
        QVERIFY(screen->shownText("detailDescription").startsWith(app.trackName + " is an app"));
        QCOMPARE(screen->item("screenshotStrip")->property("count").toInt(), screenshots);
    }

    void aFirstFailureShowsTheTextAndALaterOneKeepsTheDetails()
    {
        AppItem broken = historyItem(2);
        broken.trackId = FixtureCatalogue::errorPageId;
        HistoryManager::shared()->addHistory(broken);
        const qsizetype failuresBefore = failureLines.size();
        QVERIFY(screen->click("historyTab"));
        QVERIFY(ScreenHarness::waitFor([&] { return screen->click("historyRow_0"); }));
        QVERIFY(ScreenHarness::waitFor([&] { return screen->shown("detailLoadFailed"); }));
        QVERIFY(!screen->shown("detailLoading") && !screen->shown("detailSaveButton"));
        QCOMPARE(failureLines.size(), failuresBefore + 1);
        QVERIFY(screen->click("backButton"));

        // The catalogue moves to a loopback port where nothing listens, and
        // showing the search tab again is an appearance of its detail screen.
        QVERIFY(screen->click("searchTab"));
        QVERIFY(openSearchResult(0));
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const QByteArray live = qgetenv("VELLUMAR_CATALOGUE_URL");
        qputenv("VELLUMAR_CATALOGUE_URL",
            "http://127.0.0.1:" + QByteArray::number(closed.serverPort()));
        closed.close();
        QVERIFY(screen->click("historyTab") && screen->click("searchTab"));
        const bool failed
            = ScreenHarness::waitFor([&] { return failureLines.size() == failuresBefore + 2; });
        qputenv("VELLUMAR_CATALOGUE_URL", live);
        QVERIFY(failed);
        QVERIFY(screen->shown("detailStack") && !screen->shown("detailLoadFailed"));
        QCOMPARE(screen->shownText("detailName"), FixtureCatalogue::apps().at(0).trackName);
    }

    void aTapCopiesTheValueAndEveryTapSchedulesItsOwnReset()
    {
        CopyableState::setScheduler(
            [this](std::chrono::milliseconds delay, QObject *context, std::function<void()> reset) {
                pendingResets.append({ context, delay, std::move(reset) });
            });
        QVERIFY(openSearchResult(0));
        QClipboard *clipboard = QGuiApplication::clipboard();

        QVERIFY(screen->click("bundleIdRow"));
        QCOMPARE(clipboard->text(), QStringLiteral("com.lanternlabs.notes"));
        QVERIFY(ScreenHarness::waitFor([&] { return checkmarkShown("bundleIdRow"); }));
        QVERIFY(screen->click("bundleIdRow"));
        QCOMPARE(pendingResets.size(), 2);
        QCOMPARE(pendingResets.first().delay, 2000ms);
        // The first tap's reset ends the check mark while the second's is pending.
        pendingResets.first().reset();
        QVERIFY(ScreenHarness::waitFor([&] { return !checkmarkShown("bundleIdRow"); }));
        QVERIFY(pendingResets.last().context);

        QVERIFY(screen->click("minimumOsRow"));
        QCOMPARE(clipboard->text(), QStringLiteral("iOS 15.0"));

        // With the real clock the check mark goes by itself.
        CopyableState::setScheduler({});
        QVERIFY(screen->click("appStoreLinkRow"));
        QCOMPARE(clipboard->text(), QStringLiteral("https://apps.apple.com/app/id1234567890123"));
        QVERIFY(ScreenHarness::waitFor([&] { return checkmarkShown("appStoreLinkRow"); }));
        QVERIFY(ScreenHarness::waitFor([&] { return !checkmarkShown("appStoreLinkRow"); }));
    }

    void savingFromTheDetailScreenRecordsTheItem()
    {
        QVERIFY(openSearchResult(1));
        QVERIFY(screen->click("detailSaveButton"));
        QVERIFY(screen->waitForPopup("detailSaveAlert", true));
        QCOMPARE(screen->shownText("saveAlertTitle"), qtTrId("success"));
        QCOMPARE(screen->shownText("saveAlertMessage"), qtTrId("save_success_message_icon"));
        QCOMPARE(photos().size(), 1);
        const QList<AppItem> history = HistoryManager::shared()->loadHistory();
        QCOMPARE(history.size(), 1);
        QCOMPARE(history.first().trackId, FixtureCatalogue::apps().at(1).trackId);

        screen->pressKey(Qt::Key_Return);
        QVERIFY(screen->waitForPopup("detailSaveAlert", false));
        QObject *flow
            = screen->visibleItem("appDetailView")->property("saveFlow").value<QObject *>();
        QVERIFY(!flow->property("showingSaveAlert").toBool());
    }
};

VELLUMAR_TEST_MAIN(tst_DetailScreen)
#include "tst_detailscreen.moc"
