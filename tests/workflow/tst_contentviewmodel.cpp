#include "FixtureCatalogue.h"
#include "TestEnvironment.h"
#include "store/LocalizationManager.h"
#include "store/SearchHistoryManager.h"
#include "workflow/ContentViewModel.h"

#include <QSignalSpy>

using namespace std::chrono_literals;
using Overlay = ContentViewModel::Overlay;

// The search model against the fixture catalogue, in Chinese (the default).
class tst_ContentViewModel : public QObject
{
    Q_OBJECT

    FixtureCatalogue *catalogue = nullptr;

    static QByteArray searchLine(const QString &term, const QByteArray &country = "CN")
    {
        return "GET /search?term=" + term.toUtf8() + "&country=" + country + "&entity=software";
    }
    static QString firstName(const ContentViewModel &model)
    {
        return model.searchResults().value(0).trackName;
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
        QTRY_VERIFY(!model.isLoading());
        QCOMPARE(catalogue->lastRequestLine(), searchLine(QStringLiteral("lantern")));
        QCOMPARE(model.overlay(), Overlay::History);
    }

    // What one submit leaves: the request, the term history, the status line,
    // the item a store link found and the overlay.
    void outcomes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("region"); // the selected one
        QTest::addColumn<QByteArray>("requestLine"); // empty: none
        QTest::addColumn<QString>("recorded"); // empty: nothing
        QTest::addColumn<QString>("status"); // with "%1": the error's description fills it
        QTest::addColumn<QString>("foundRegion"); // empty: no item found

        const auto row
            = [](const char *name, const QString &text, const char *region, const QByteArray &line,
                  const QString &recorded, const QString &status, const char *found = "") {
                  QTest::newRow(name) << text << QString::fromLatin1(region) << line << recorded
                                      << status << QString::fromLatin1(found);
              };
        row("hits", QStringLiteral("lantern"), "CN", searchLine("lantern"), "lantern", {});
        row("spaces only", QStringLiteral("  \t "), "CN", {}, {}, qtTrId("initial_search_message"));
        row("line break kept", QStringLiteral(" maps\n"), "CN", searchLine("maps%0A"),
            QStringLiteral("maps\n"), {});
        const QByteArray lookup = "GET /lookup?id=1234567890123&country=";
        const QString linkFound = qtTrId("url_found_message");
        row("link with a region",
            QStringLiteral("see https://apps.apple.com/jp/app/x/id1234567890123 now"), "FR",
            lookup + "JP", {}, linkFound, "JP");
        row("link without one", QStringLiteral("https://itunes.apple.com/app/id1234567890123"),
            "FR", lookup + "FR", {}, linkFound, "FR");
        // The whole text is searched, yet not recorded.
        const QString overlong = QStringLiteral("apps.apple.com/app/id99999999999999999999");
        row("id beyond 64 bits", overlong, "CN", searchLine(overlong), {}, {});
        const QString empty = FixtureCatalogue::emptyTerm;
        const QString noResults = qtTrId("search_no_results_message");
        row("no hits, known region", empty, "CN", searchLine(empty), empty,
            noResults.arg(qtTrId("country_name_cn"), empty));
        row("no hits, unknown region", empty, "cn", searchLine(empty, "cn"), empty,
            noResults.arg(QStringLiteral("cn"), empty));
        const QString errorPage = FixtureCatalogue::errorPageTerm;
        row("failed search", errorPage, "CN", searchLine(errorPage), errorPage,
            qtTrId("search_error_message"));
    }

    void outcomes()
    {
        QFETCH(QString, text);
        QFETCH(QString, region);
        QFETCH(QByteArray, requestLine);
        QFETCH(QString, recorded);
        QFETCH(QString, status);
        QFETCH(QString, foundRegion);

        ContentViewModel model;
        model.setSelectedCountryCode(region);
        QSignalSpy loading(&model, &ContentViewModel::isLoadingChanged);
        QSignalSpy resets(model.searchResultsModel(), &QAbstractItemModel::modelReset);
        submit(model, { text });
        QCOMPARE(catalogue->lastRequestLine(), requestLine);
        QCOMPARE(loading.isEmpty(), requestLine.isEmpty()); // a blank term does nothing at all
        QCOMPARE(
            model.searchHistory(), recorded.isEmpty() ? QStringList() : QStringList { recorded });
        const QString prefix = status.arg(QString());
        QVERIFY2(status.contains(QStringLiteral("%1"))
                ? model.statusMessage().startsWith(prefix) && model.statusMessage() != prefix
                : model.statusMessage() == status,
            qPrintable(model.statusMessage()));
        QCOMPARE(model.searchResults().isEmpty(), !status.isEmpty());
        QCOMPARE(model.overlay(),
            status.isEmpty() || !foundRegion.isEmpty() ? Overlay::None : Overlay::Status);

        QCOMPARE(model.hasFoundAppItem(), !foundRegion.isEmpty());
        if (foundRegion.isEmpty())
            return;
        QCOMPARE(resets.count(), 1); // emptied at the start, never written by the lookup
        const AppItem found = *model.foundAppItemFromURL();
        QCOMPARE(found.trackName, QStringLiteral("Lantern Notes"));
        QCOMPARE(found.artworkUrl100, QString());
        QVERIFY(found.artworkUrl512.contains(QStringLiteral("512x512")));
        QCOMPARE(found.countryCode, foundRegion);
        QCOMPARE(model.foundAppItemRegion(), foundRegion);
        // Leaving its detail screen forgets it; the status line shows again.
        model.setHasFoundAppItem(false);
        QVERIFY(!model.hasFoundAppItem());
        QCOMPARE(model.overlay(), Overlay::Status);
    }

    void anUnknownIdKeepsTheItemFoundBefore()
    {
        ContentViewModel model;
        submit(model, { QStringLiteral("https://apps.apple.com/cn/app/x/id1234567890123") });
        const auto found = model.foundAppItemFromURL();
        submit(model, { QStringLiteral("https://apps.apple.com/cn/app/x/id55") });
        QCOMPARE(model.statusMessage(), qtTrId("url_failure_message").arg(qtTrId("app_not_found")));
        QCOMPARE(model.foundAppItemFromURL(), found);
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
        QCOMPARE(firstName(model), QStringLiteral("Harbor Maps"));
        // A later twin of the dropped request answers after it.
        ContentViewModel witness;
        submit(witness, { QStringLiteral("lantern") });
        catalogue->setDelay(delayed, 0ms);
        QCOMPARE(firstName(model), QStringLiteral("Harbor Maps"));
        QCOMPARE(model.searchResults().size(), 1);
        QCOMPARE(loading.count(), 3); // busy, busy, idle once
    }
};

VELLUMAR_TEST_MAIN(tst_ContentViewModel)
#include "tst_contentviewmodel.moc"
