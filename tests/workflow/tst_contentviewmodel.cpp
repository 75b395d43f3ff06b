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

    static QByteArray searchLine(const QByteArray &encodedTerm, const QByteArray &country = "CN")
    {
        return "GET /search?term=" + encodedTerm + "&country=" + country + "&entity=software";
    }

    // Submits `term` and waits until the model is idle again.
    static void submit(ContentViewModel &model, const QString &term)
    {
        model.setSearchTerm(term);
        model.performSearch();
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

    void plainTermIsTrimmedRecordedFirstAndSearched()
    {
        ContentViewModel model;
        QCOMPARE(model.statusMessage(), qtTrId("initial_search_message"));
        model.setSearchTerm(QStringLiteral("\u3000 lantern\t "));
        model.performSearch();

        // Recorded before the answer, while the request runs.
        QVERIFY(model.isLoading());
        QCOMPARE(model.searchHistory(), QStringList{QStringLiteral("lantern")});
        QCOMPARE(model.statusMessage(), qtTrId("searching"));
        QVERIFY(model.searchResults().isEmpty());

        QTRY_VERIFY(!model.isLoading());
        QCOMPARE(catalogue->lastRequestLine(), searchLine("lantern"));
        QCOMPARE(model.searchResults().value(0).trackName, QStringLiteral("Lantern Notes"));
        QCOMPARE(model.statusMessage(), QString());
        QCOMPARE(model.searchTerm(), QStringLiteral("\u3000 lantern\t ")); // the field is left alone
    }

    void blankTermDoesNothingAndLineBreaksStay()
    {
        ContentViewModel model;
        QSignalSpy loading(&model, &ContentViewModel::isLoadingChanged);
        model.setSearchTerm(QStringLiteral("  \t "));
        model.performSearch();
        QCOMPARE(loading.count(), 0);
        QVERIFY(model.searchHistory().isEmpty());

        submit(model, QStringLiteral(" maps\n"));
        QCOMPARE(model.searchHistory(), QStringList{QStringLiteral("maps\n")});
        QCOMPARE(catalogue->lastRequestLine(), searchLine("maps%0A"));
    }

    void storeLinkIsLookedUpNotRecorded_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("region");
        QTest::addColumn<QByteArray>("requestLine");
        QTest::newRow("region from link") << "see https://apps.apple.com/jp/app/lantern/id1234567890123 now"
                                          << "JP" << QByteArray("GET /lookup?id=1234567890123&country=JP");
        QTest::newRow("selected region") << "https://itunes.apple.com/app/id1234567890123"
                                         << "FR" << QByteArray("GET /lookup?id=1234567890123&country=FR");
    }

    void storeLinkIsLookedUpNotRecorded()
    {
        QFETCH(QString, text);
        QFETCH(QString, region);
        QFETCH(QByteArray, requestLine);

        ContentViewModel model;
        model.setSelectedCountryCode(QStringLiteral("FR"));
        QSignalSpy results(&model, &ContentViewModel::searchResultsChanged);
        submit(model, text);

        QCOMPARE(catalogue->lastRequestLine(), requestLine);
        QVERIFY(model.searchHistory().isEmpty());
        QCOMPARE(results.count(), 1); // emptied at the start, never written by the lookup
        QVERIFY(model.searchResults().isEmpty());
        QCOMPARE(model.statusMessage(), qtTrId("url_found_message"));
        const auto found = model.foundAppItemFromURL();
        QVERIFY(found);
        QCOMPARE(found->trackId, 1234567890123);
        QCOMPARE(found->trackName, QStringLiteral("Lantern Notes"));
        QCOMPARE(found->artworkUrl100, QString());
        QVERIFY(found->artworkUrl512.contains(QStringLiteral("512x512")));
        QCOMPARE(found->countryCode, region);
    }

    void linkFailuresAndOverlongIds()
    {
        ContentViewModel model;
        submit(model, QStringLiteral("https://apps.apple.com/cn/app/x/id1234567890123"));
        const auto found = model.foundAppItemFromURL();
        QVERIFY(found);

        // An unknown id fails with "app not found" and keeps the earlier item.
        submit(model, QStringLiteral("https://apps.apple.com/cn/app/x/id55"));
        QCOMPARE(model.statusMessage(), qtTrId("url_failure_message").arg(qtTrId("app_not_found")));
        QCOMPARE(model.foundAppItemFromURL(), found);

        // An id beyond 64 bits is searched as plain text, yet still not recorded.
        submit(model, QStringLiteral("apps.apple.com/app/id99999999999999999999"));
        QCOMPARE(catalogue->lastRequestLine(),
                 searchLine("apps.apple.com/app/id99999999999999999999"));
        QVERIFY(model.searchHistory().isEmpty());
    }

    void statusMessages_data()
    {
        QTest::addColumn<QString>("region");
        QTest::addColumn<QString>("term");
        QTest::addColumn<QString>("expected");
        QTest::newRow("no hits, known region")
                << "CN" << FixtureCatalogue::emptyTerm
                << qtTrId("search_no_results_message").arg(qtTrId("country_name_cn"), FixtureCatalogue::emptyTerm);
        QTest::newRow("no hits, unknown region")
                << "XX" << FixtureCatalogue::emptyTerm
                << qtTrId("search_no_results_message").arg(QStringLiteral("XX"), FixtureCatalogue::emptyTerm);
        QTest::newRow("lower-case code is not in the table")
                << "cn" << FixtureCatalogue::emptyTerm
                << qtTrId("search_no_results_message").arg(QStringLiteral("cn"), FixtureCatalogue::emptyTerm);
    }

    void statusMessages()
    {
        QFETCH(QString, region);
        QFETCH(QString, term);
        QFETCH(QString, expected);
        ContentViewModel model;
        model.setSelectedCountryCode(region);
        submit(model, term);
        QCOMPARE(model.statusMessage(), expected);
        QVERIFY(model.searchResults().isEmpty());
    }

    void failedSearchShowsTheErrorsDescription()
    {
        ContentViewModel model;
        submit(model, FixtureCatalogue::errorPageTerm);
        const QString prefix = qtTrId("search_error_message").arg(QString());
        QVERIFY2(model.statusMessage().size() > prefix.size(), qPrintable(model.statusMessage()));
        QVERIFY(model.statusMessage() != qtTrId("search_error_message"));
        QVERIFY(model.searchResults().isEmpty());
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
        model.setSearchTerm(QStringLiteral("lantern"));
        model.performSearch();
        model.setSearchTerm(QStringLiteral("harbor"));
        model.performSearch();
        QTRY_VERIFY(!model.isLoading());
        QCOMPARE(model.searchResults().value(0).trackName, QStringLiteral("Harbor Maps"));
        QVERIFY(catalogue->waitForRequests(2));
        QTest::qWait(1000); // the late answer arrives and must change nothing
        QCOMPARE(model.searchResults().size(), 1);
        QCOMPARE(model.searchResults().value(0).trackName, QStringLiteral("Harbor Maps"));
        catalogue->setDelay(QStringLiteral("lantern"), 0ms);

        // The older request answers first: the model stays busy for the newer one.
        catalogue->setDelay(QStringLiteral("harbor"), 700ms);
        model.setSearchTerm(QStringLiteral("lantern"));
        model.performSearch();
        model.setSearchTerm(QStringLiteral("harbor"));
        model.performSearch();
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
