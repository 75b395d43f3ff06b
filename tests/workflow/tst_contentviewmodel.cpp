#include "FixtureCatalogue.h"
#include "TestEnvironment.h"
#include "store/HistoryManager.h"
#include "store/LocalizationManager.h"
#include "store/SearchHistoryManager.h"
#include "workflow/AppDetailLoader.h"
#include "workflow/ContentViewModel.h"
#include "workflow/HistoryViewModel.h"

#include <QSignalSpy>

using namespace std::chrono_literals;
using Overlay = ContentViewModel::Overlay;

// The search model against the fixture catalogue, in Chinese (the default);
// then the history list with its filter, and when the detail screen looks up.
class tst_ContentViewModel : public QObject
{
    Q_OBJECT

    FixtureCatalogue *catalogue = nullptr;

    static QByteArray search(const QString &term, const QByteArray &country = "CN")
    {
        return "GET /search?term=" + term.toUtf8() + "&country=" + country + "&entity=software";
    }
    // Submits each term in turn without waiting, then waits until the model is idle.
    static void submit(ContentViewModel &model, const QStringList &terms)
    {
        for (const QString &term : terms) {
            model.setSearchTerm(term);
            model.performSearch();
        }
        QTRY_VERIFY_WITH_TIMEOUT(!model.isLoading(), 10000);
    }

    static AppItem item(qint64 id, const char *name, const char *region = nullptr)
    {
        return AppItem { id, QString::fromUtf8(name), {}, {},
            region ? std::optional<QString>(region) : std::nullopt };
    }
    static QStringList shown(HistoryViewModel &model)
    {
        QStringList names;
        const QAbstractItemModel *rows = model.filteredHistory();
        for (int row = 0; row < rows->rowCount(); ++row)
            names.append(rows->index(row, 0).data(AppItemListModel::TrackNameRole).toString());
        return names;
    }
    static void storeHistory()
    {
        HistoryManager::shared()->clearAllHistory();
        // Stored newest first: 墨水日记, Harbor Maps, Lantern Notes.
        for (const AppItem &entry :
            { item(1, "Lantern Notes", "JP"), item(2, "Harbor Maps"), item(3, "墨水日记") })
            HistoryManager::shared()->addHistory(entry);
    }

private slots:
    void initTestCase()
    {
        LocalizationManager::shared(); // installs the in-app language's table
        catalogue = new FixtureCatalogue(this);
    }

    void init()
    {
        catalogue->clearRequests();
        SearchHistoryManager::shared()->clearAllHistory();
    }

    void aTermIsRecordedBeforeTheRequestAndTheSpinnerBeatsTheHistoryPanel()
    {
        ContentViewModel model;
        QCOMPARE(model.overlay(), Overlay::History);
        model.setSearchTerm(QStringLiteral("\u3000 lantern\t "));
        model.performSearch();
        QVERIFY(model.isLoading());
        QCOMPARE(model.searchHistory(), QStringList { QStringLiteral("lantern") });
        QCOMPARE(model.statusMessage(), qtTrId("searching"));
        model.setSearchTerm(QString());
        QCOMPARE(model.overlay(), Overlay::Loading);
        QTRY_COMPARE(model.overlay(), Overlay::History);
        QCOMPARE(catalogue->lastRequestLine(), search(QStringLiteral("lantern")));
    }

    // What one submit leaves: the request, the term history, the status line
    // (with "%1": an error's description fills it), the item a store link
    // found (its region) and the overlay.
    void outcomes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("region");
        QTest::addColumn<QByteArray>("requestLine"); // empty: none
        QTest::addColumn<bool>("recorded");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("found");
        const auto row
            = [](const char *name, const QString &text, const QByteArray &line, bool recorded,
                  const QString &status = {}, const char *found = "", const char *region = "CN") {
                  QTest::newRow(name) << text << QString::fromLatin1(region) << line << recorded
                                      << status << QString::fromLatin1(found);
              };
        const QByteArray lookup = "GET /lookup?id=1234567890123&country=";
        const QString linkFound = qtTrId("url_found_message"), empty = FixtureCatalogue::emptyTerm;
        const QString noResults = qtTrId("search_no_results_message");
        const QString unknown = qtTrId("url_failure_message").arg(qtTrId("app_not_found"));
        row("hits", "lantern", search("lantern"), true);
        row("spaces only", "  \t ", {}, false, qtTrId("initial_search_message"));
        row("line break kept", " maps\n", search("maps%0A"), true);
        row("link with a region", "see https://apps.apple.com/jp/app/x/id1234567890123 now",
            lookup + "JP", false, linkFound, "JP", "FR");
        row("link without one", "https://itunes.apple.com/app/id1234567890123", lookup + "FR",
            false, linkFound, "FR", "FR");
        row("any case, older host", "HTTPS://ITUNES.APPLE.COM/US/APP/NAME/ID42?mt=8",
            "GET /lookup?id=42&country=US", false, unknown);
        row("last /id wins", "apps.apple.com/app/id1/x/id2", "GET /lookup?id=2&country=CN", false,
            unknown);
        for (const char *text : { "https://apps.apple.com/usa/app/x/id5",
                 "https://apps.apple.com/cn/developer/id5", "https://appsXapple.com/app/id5" })
            row(text, text, search(QString::fromLatin1(text)), true);
        // The whole text is searched, yet not recorded.
        const QString overlong = QStringLiteral("apps.apple.com/app/id99999999999999999999");
        row("id beyond 64 bits", overlong, search(overlong), false);
        row("no hits, known region", empty, search(empty), true,
            noResults.arg(qtTrId("country_name_cn"), empty));
        row("no hits, unknown region", empty, search(empty, "cn"), true,
            noResults.arg(QStringLiteral("cn"), empty), "", "cn");
        const QString errorPage = FixtureCatalogue::errorPageTerm;
        row("failed search", errorPage, search(errorPage), true, qtTrId("search_error_message"));
    }

    void outcomes()
    {
        QFETCH(QString, text);
        QFETCH(QString, region);
        QFETCH(QByteArray, requestLine);
        QFETCH(bool, recorded);
        QFETCH(QString, status);
        QFETCH(QString, found);
        ContentViewModel model;
        model.setSelectedCountryCode(region);
        QSignalSpy loading(&model, &ContentViewModel::isLoadingChanged);
        QSignalSpy resets(model.searchResultsModel(), &QAbstractItemModel::modelReset);
        submit(model, { text });
        QCOMPARE(catalogue->lastRequestLine(), requestLine);
        QCOMPARE(loading.isEmpty(), requestLine.isEmpty()); // a blank term does nothing at all
        QCOMPARE(model.searchHistory().size(), int(recorded));
        const QString prefix = status.arg(QString());
        QVERIFY2(status.contains("%1")
                ? model.statusMessage().startsWith(prefix) && model.statusMessage() != prefix
                : model.statusMessage() == status,
            qPrintable(model.statusMessage()));
        QCOMPARE(model.searchResults().isEmpty(), !status.isEmpty());
        QCOMPARE(model.overlay(),
            status.isEmpty() || !found.isEmpty() ? Overlay::None : Overlay::Status);
        QCOMPARE(model.hasFoundAppItem(), !found.isEmpty());
        if (found.isEmpty())
            return;
        QCOMPARE(resets.count(), 1); // emptied at the start, never written by the lookup
        const AppItem item = *model.foundAppItemFromURL();
        QCOMPARE(item.trackName, QStringLiteral("Lantern Notes"));
        QVERIFY(item.artworkUrl100.isEmpty() && item.artworkUrl512.contains("512x512"));
        QCOMPARE(item.countryCode, found);
        QCOMPARE(model.foundAppItemRegion(), found);
        // An identifier the catalogue does not know keeps the item found before.
        submit(model, { QStringLiteral("https://apps.apple.com/app/id55") });
        QCOMPARE(model.foundAppItemFromURL(), item);
        // Leaving its detail screen forgets it, and the status line shows.
        model.setHasFoundAppItem(false);
        QCOMPARE(model.overlay(), Overlay::Status);
    }

    void anEmptiedTermClearsOnlyOnceItStaysEmpty()
    {
        ContentViewModel model;
        submit(model, { QStringLiteral("lantern") });
        model.setSearchTerm(QString());
        model.setSearchTerm(QStringLiteral("l"));
        QTRY_VERIFY(!model.findChild<QTimer *>()->isActive());
        QVERIFY(!model.searchResults().isEmpty());
        model.setSearchTerm(QString());
        QTRY_VERIFY(model.searchResults().isEmpty());
        QCOMPARE(model.statusMessage(), qtTrId("initial_search_message"));
    }

    // Whichever answer comes first, only the latest request's is shown.
    void onlyTheLatestRequestWrites_data()
    {
        QTest::addColumn<QString>("delayed");
        QTest::newRow("older answers last") << "lantern";
        QTest::newRow("older answers first") << "harbor";
    }

    void onlyTheLatestRequestWrites()
    {
        QFETCH(QString, delayed);
        catalogue->setDelay(delayed, 700ms);
        ContentViewModel model;
        QSignalSpy loading(&model, &ContentViewModel::isLoadingChanged);
        submit(model, { QStringLiteral("lantern"), QStringLiteral("harbor") });
        // A later twin of the dropped request answers after it.
        ContentViewModel witness;
        submit(witness, { QStringLiteral("lantern") });
        catalogue->setDelay(delayed, 0ms);
        QCOMPARE(model.searchResults().size(), 1);
        QCOMPARE(model.searchResults().first().trackName, QStringLiteral("Harbor Maps"));
        QCOMPARE(loading.count(), 3); // busy, busy, idle once
    }

    void filtersByNameIgnoringCase_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("none") << "" << QStringList { "墨水日记", "Harbor Maps", "Lantern Notes" };
        QTest::newRow("upper case, any part") << "NOTES" << QStringList { "Lantern Notes" };
        QTest::newRow("chinese") << "日记" << QStringList { "墨水日记" };
        QTest::newRow("identifier digits") << "1" << QStringList {};
    }

    void filtersByNameIgnoringCase()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, names);
        storeHistory();
        HistoryViewModel model;
        model.loadHistory();
        QSignalSpy resets(model.filteredHistory(), &QAbstractItemModel::modelReset);
        model.setSearchText(text);
        QCOMPARE(shown(model), names);
        QCOMPARE(resets.count(), 0); // rows come and go; the others keep their delegates
        QCOMPARE(model.historyItems()->count(), 3);
    }

    // Rows of the filtered list resolve to items before anything is removed.
    void deletesThroughTheFilter()
    {
        storeHistory();
        HistoryViewModel model;
        model.loadHistory();
        model.setSearchText(QStringLiteral("a"));
        QCOMPARE(shown(model), (QStringList { "Harbor Maps", "Lantern Notes" }));
        model.deleteItems({ 1, 0 });
        QCOMPARE(shown(model), QStringList {});
        QCOMPARE(HistoryManager::shared()->loadHistory(), QList<AppItem> { item(3, "墨水日记") });
        model.clearAllHistory();
        QCOMPARE(model.historyItems()->count(), 0);
    }

    void opensAnItemInItsOwnRegionElseTheUSStore()
    {
        QCOMPARE(
            HistoryViewModel::detailRegion(item(1, "Lantern Notes", "JP")), QStringLiteral("JP"));
        QCOMPARE(HistoryViewModel::detailRegion(item(1, "Lantern Notes")), QStringLiteral("US"));
    }

    // Appearing looks the item up again; so does another item while shown.
    void looksUpOnEveryAppearance()
    {
        catalogue->clearRequests();
        AppDetailLoader loader;
        loader.setAppItem(item(1234567890123, "Lantern Notes"));
        loader.setCountryCode(QStringLiteral("CN"));
        QVERIFY(catalogue->requestLines().isEmpty());
        for (const bool active : { true, false, true })
            loader.setActive(active);
        QTRY_COMPARE(catalogue->requestLines().size(), 2);
        QTRY_VERIFY(loader.hasDetailedInfo() && !loader.isLoading());
        loader.setAppItem(item(FixtureCatalogue::errorPageId, "Broken"));
        QVERIFY(loader.isLoading() && !loader.hasDetailedInfo());
        QTRY_VERIFY(!loader.isLoading());
        QCOMPARE(catalogue->lastRequestLine(), "GET /lookup?id=404&country=CN");
        QVERIFY(!loader.hasDetailedInfo());
    }
};

VELLUMAR_TEST_MAIN(tst_ContentViewModel)
#include "tst_contentviewmodel.moc"
