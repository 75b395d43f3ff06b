#include "FixtureCatalogue.h"
#include "TestEnvironment.h"
#include "store/LocalizationManager.h"
#include "store/SearchHistoryManager.h"
#include "workflow/ContentViewModel.h"

#include <QSignalSpy>

using namespace std::chrono_literals;

// The search model against the fixture catalogue, in Chinese (the default).
class tst_ContentViewModel : public QObject
{
    Q_OBJECT

    FixtureCatalogue *catalogue = nullptr;

    // `term` as it goes on the wire.
    static QByteArray searchLine(const QString &term, const QByteArray &country = "CN")
    {
        return "GET /search?term=" + term.toUtf8() + "&country=" + country + "&entity=software";
    }

    // Submits `term` and waits until the model is idle again.
    static void submit(ContentViewModel &model, const QString &term)
    {
        model.setSearchTerm(term);
        model.performSearch();
        QTRY_VERIFY_WITH_TIMEOUT(!model.isLoading(), 10000);
    }

    // Submits "lantern", then "harbor" before the first answer is in.
    static void race(ContentViewModel &model)
    {
        for (const char *term : { "lantern", "harbor" }) {
            model.setSearchTerm(QString::fromLatin1(term));
            model.performSearch();
        }
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

    void plainTermIsTrimmedRecordedFirstAndSearched()
    {
        ContentViewModel model;
        QCOMPARE(model.statusMessage(), qtTrId("initial_search_message"));
        model.setSearchTerm(QStringLiteral("\u3000 lantern\t "));
        model.performSearch();

        // Recorded before the answer, while the request runs.
        QVERIFY(model.isLoading());
        QCOMPARE(model.searchHistory(), QStringList { QStringLiteral("lantern") });
        QCOMPARE(model.statusMessage(), qtTrId("searching"));
        QVERIFY(model.searchResults().isEmpty());

        QTRY_VERIFY(!model.isLoading());
        QCOMPARE(catalogue->lastRequestLine(), searchLine(QStringLiteral("lantern")));
        QCOMPARE(model.searchResults().value(0).trackName, QStringLiteral("Lantern Notes"));
        QCOMPARE(model.statusMessage(), QString());
        // The field is left alone.
        QCOMPARE(model.searchTerm(), QStringLiteral("\u3000 lantern\t "));
    }

    // What one submit leaves: the request, the term history, the status line
    // and the item a store link found.
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
        row("no hits, unknown region", empty, "XX", searchLine(empty, "XX"), empty,
            noResults.arg(QStringLiteral("XX"), empty));
        row("lower-case code is not in the table", empty, "cn", searchLine(empty, "cn"), empty,
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
        QSignalSpy results(&model, &ContentViewModel::searchResultsChanged);
        submit(model, text);
        QCOMPARE(catalogue->lastRequestLine(), requestLine);
        QCOMPARE(loading.isEmpty(), requestLine.isEmpty()); // a blank term does nothing at all
        QCOMPARE(
            model.searchHistory(), recorded.isEmpty() ? QStringList() : QStringList { recorded });
        if (status.contains(QStringLiteral("%1"))) {
            const QString prefix = status.arg(QString());
            QVERIFY2(model.statusMessage().startsWith(prefix)
                    && model.statusMessage().size() > prefix.size(),
                qPrintable(model.statusMessage()));
        } else {
            QCOMPARE(model.statusMessage(), status);
        }
        if (!status.isEmpty())
            QVERIFY(model.searchResults().isEmpty());

        const auto found = model.foundAppItemFromURL();
        QCOMPARE(found.has_value(), !foundRegion.isEmpty());
        if (!found)
            return;
        QCOMPARE(results.count(), 1); // emptied at the start, never written by the lookup
        QCOMPARE(found->trackId, 1234567890123);
        QCOMPARE(found->trackName, QStringLiteral("Lantern Notes"));
        QCOMPARE(found->artworkUrl100, QString());
        QVERIFY(found->artworkUrl512.contains(QStringLiteral("512x512")));
        QCOMPARE(found->countryCode, foundRegion);
    }

    void unknownIdKeepsTheItemFoundBefore()
    {
        ContentViewModel model;
        submit(model, QStringLiteral("https://apps.apple.com/cn/app/x/id1234567890123"));
        const auto found = model.foundAppItemFromURL();
        QVERIFY(found);
        submit(model, QStringLiteral("https://apps.apple.com/cn/app/x/id55"));
        QCOMPARE(model.statusMessage(), qtTrId("url_failure_message").arg(qtTrId("app_not_found")));
        QCOMPARE(model.foundAppItemFromURL(), found);
    }

    void emptiedTermClearsAfterTheDebounce()
    {
        ContentViewModel model;
        submit(model, QStringLiteral("lantern"));
        QVERIFY(!model.searchResults().isEmpty());

        // Typing again before the wait is over keeps the results.
        model.setSearchTerm(QString());
        model.setSearchTerm(QStringLiteral("l"));
        QTest::qWait(600);
        QVERIFY(!model.searchResults().isEmpty());

        model.setSearchTerm(QString());
        QTRY_VERIFY(model.searchResults().isEmpty());
        QCOMPARE(model.statusMessage(), qtTrId("initial_search_message"));
    }

    void onlyTheLatestRequestWrites()
    {
        ContentViewModel model;
        // The older request answers last: its outcome is dropped.
        catalogue->setDelay(QStringLiteral("lantern"), 700ms);
        race(model);
        QTRY_VERIFY(!model.isLoading());
        QCOMPARE(model.searchResults().value(0).trackName, QStringLiteral("Harbor Maps"));
        QTRY_VERIFY(catalogue->requestLines().size() >= 2);
        QTest::qWait(1000); // the late answer arrives and must change nothing
        QCOMPARE(model.searchResults().size(), 1);
        QCOMPARE(model.searchResults().value(0).trackName, QStringLiteral("Harbor Maps"));
        catalogue->setDelay(QStringLiteral("lantern"), 0ms);

        // The older request answers first: the model stays busy for the newer one.
        catalogue->setDelay(QStringLiteral("harbor"), 700ms);
        race(model);
        QTest::qWait(400);
        QVERIFY(model.isLoading());
        QVERIFY(model.searchResults().isEmpty());
        QTRY_VERIFY(!model.isLoading());
        QCOMPARE(model.searchResults().value(0).trackName, QStringLiteral("Harbor Maps"));
        catalogue->setDelay(QStringLiteral("harbor"), 0ms);
    }
};

VELLUMAR_TEST_MAIN(tst_ContentViewModel)
#include "tst_contentviewmodel.moc"
