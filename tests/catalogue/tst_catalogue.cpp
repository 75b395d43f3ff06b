// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FixtureCatalogue.h"
#include "TaskOutcome.h"
#include "TestEnvironment.h"
#include "catalogue/AppStoreAPI.h"
#include "catalogue/CatalogueAnswers.h"
#include "catalogue/NetworkPolicy.h"

using namespace std::chrono_literals;

namespace {

const QByteArray lantern
    = R"("trackId":1234567890123,"trackName":"Lantern Notes","price":0.0,)"
      R"("artworkUrl100":"https://c/100.png","artworkUrl512":"https://c/512.png")";
const QByteArray details = R"(,"artistName":"Lantern Labs","bundleId":"com.lanternlabs.notes",)"
                           R"("description":"Notes.","version":"3.2.1","minimumOsVersion":"15.0",)"
                           R"("screenshotUrls":["https://c/s1.png","https://c/s2.png"])";

// An answer with the members `items`, `from` replaced by `to` in them.
QByteArray answer(QByteArray items, const QByteArray &from = "\n", const QByteArray &to = {})
{
    return R"({"resultCount":1,"results":[{)" + items.replace(from, to)
        + R"(}],"unrelated":{"x":1}})";
}

// The first item's trackId, or "DecodingError: " and the detail.
template<typename T>
QString summary(const Result<T> &result)
{
    return result ? QString::number(result.value().results.value(0).trackId)
                  : result.error().domain + ": " + result.error().detail;
}

// What a person reads for `error`, in Chinese and in English: a sentence of
// the table, nothing of the technical detail.
void checkSentences(const Error &error)
{
    for (const auto &[table, sentence] : { std::pair { "zh_CN", "^(App Store )?[^A-Za-z_]+$" },
             std::pair { "en", "^[A-Z][A-Za-z ;'’]+\\.$" } }) {
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/i18n/vellumar_%1.qm").arg(table)));
        QCoreApplication::installTranslator(&translator);
        const QString text = error.localizedDescription();
        QCoreApplication::removeTranslator(&translator);
        QVERIFY2(text.contains(QRegularExpression(sentence)) && !text.contains(error.detail),
            qPrintable(text));
    }
}

// Term (empty: no search), id (0: no lookup), country, outcome, first request
// line, names of the items found or part of the error's detail (if given),
// the platform searched.
using Request = std::tuple<QString, qint64, QString, QString, QByteArray, QString, Platform>;

} // namespace

class tst_Catalogue : public QObject
{
    Q_OBJECT

    std::unique_ptr<FixtureCatalogue> fixture;
    AppStoreAPI api;

private Q_SLOTS:
    void init() { fixture = std::make_unique<FixtureCatalogue>(); }
    void cleanup()
    {
        fixture.reset(); // which unsets the catalogue's address, whoever set it
        NetworkPolicy::setTransferTimeout(60s);
    }

    // The exact request line ("none" when nothing may be sent), and each failure for
    // search and both lookup forms, with the sentence a person reads for it.
    void requests_data()
    {
        QTest::addColumn<Request>("request");
        const auto row = [](const char *name, const QString &term, qint64 id, const char *expected,
                             const char *country = "CN", const char *line = "",
                             const char *first = "", Platform platform = Platform::IPhone) {
            QTest::newRow(name) << Request { term, id, country, expected, line, first, platform };
        };
        // No separators, no fragment, no spaces (UTF-8 and entity=macSoftware: tst_workflow).
        row("separators", "AT&T=C++ #1 100%", 0, "ok", "CN",
            "GET /search?term=AT%26T%3DC%2B%2B%20%231%20100%25&country=CN&entity=software");
        row("iPad", "harbor", 0, "ok", "CN",
            "GET /search?term=harbor&country=CN&entity=iPadSoftware", "Harbor Maps HD",
            Platform::IPad);
        // A term naming an app is also looked up; the app found comes first, once.
        row("id", "1000000003", 0, "ok", "CN", "GET /lookup?id=1000000003&country=CN",
            "墨水日记, Lantern Notes, Harbor Maps");
        row("unknown bundle id", "com.example.none", 0, "ok", "CN",
            "GET /lookup?bundleId=com.example.none&country=CN",
            "Lantern Notes, Harbor Maps, 墨水日记");
        row("two items, the first", QString(), FixtureCatalogue::twoResultsId, "ok", "US", "",
            "Harbor Maps");
        row("redirect on the catalogue", FixtureCatalogue::redirectTerm, 0, "ok", "US", "",
            "Lantern Notes");
        row("six redirects", FixtureCatalogue::redirectTerm + "-5", 0,
            "NetworkPolicy 5 serverRefused", "US", "", "More than 5 redirects");
        row("address cannot be formed", "x", 1, "AppStoreAPI -1 invalidAddress", "C N", "none");
        row("unknown id", QString(), -5, "AppStoreAPI -2 notFound", "us",
            "GET /lookup?id=-5&country=us");
        row("error page", FixtureCatalogue::errorPageTerm, FixtureCatalogue::errorPageId,
            "DecodingError 1 unreadableAnswer");
        row("one item malformed", FixtureCatalogue::malformedTerm, 0,
            "DecodingError 2 unreadableAnswer", "CN", "",
            "results[1]: key \"artworkUrl512\" is missing");
        row("truncated", FixtureCatalogue::truncatedTerm, 0, "QNetworkReply 2 connectionLost");
        row("refused", "lantern", 1234567890123, "QNetworkReply 1 serverRefused");
        row("timed out", FixtureCatalogue::stallTerm, 0, "QNetworkReply 4 timedOut");
        row("redirect to http", FixtureCatalogue::redirectHttpTerm, 0, "NetworkPolicy 3 notSecure",
            "CN", "", "from 127.0.0.1 to http://catalogue.invalid/search");
        row("redirect, then silence", FixtureCatalogue::redirectStallTerm,
            FixtureCatalogue::redirectStallId, "QNetworkReply 4 timedOut");
        row("rate limited", FixtureCatalogue::rateLimitedTerm, FixtureCatalogue::rateLimitedId,
            "AppStoreAPI -3 rateLimited");
        row("no store for the region", FixtureCatalogue::noStoreTerm, 0,
            "AppStoreAPI -4 regionNotServed");
        row("another key rejected", FixtureCatalogue::rejectedTerm, 0,
            "AppStoreAPI -4 requestRejected", "CN", "", "[mediaType]");
        row("too large", FixtureCatalogue::oversizedTerm, 0, "NetworkPolicy 4 tooLarge");
        row("too large, undeclared", FixtureCatalogue::oversizedUndeclaredTerm, 0,
            "NetworkPolicy 4 tooLarge");
        // Qt stops reading while the limit lies unread: the transfer fails, it does not grow.
        row("without end", FixtureCatalogue::endlessTerm, 0, "NetworkPolicy 4 tooLarge");
    }

    void requests()
    {
        QFETCH(Request, request);
        const auto &[term, id, country, expected, line, name, platform] = request;
        // Short only where the time-out is the point: a loaded machine may pause a big transfer.
        if (term.contains(FixtureCatalogue::stallTerm))
            NetworkPolicy::setTransferTimeout(1s);
        if (QByteArray(QTest::currentDataTag()) == "refused") // nobody listens on port 1
            qputenv("VELLUMAR_CATALOGUE_URL", "http://127.0.0.1:1");
        const auto check = [&, &expected = expected, &name = name](
                               const auto &result, const auto &firstName) {
            QCOMPARE(outcome(result), expected);
            if (!result) {
                checkSentences(result.error());
                QVERIFY2(result.error().detail.contains(name), qPrintable(result.error().detail));
            } else if (!name.isEmpty())
                QCOMPARE(firstName(result.value()), name);
        };
        if (!term.isEmpty())
            check(await(api.findApps(term, country, platform)), [](auto &v) {
                QStringList names;
                for (const AppItem &app : v)
                    names << app.trackName;
                return names.join(", ");
            });
        if (id != 0) {
            std::optional<Result<DetailedAppInfo>> delivered;
            api.lookup(id, country, [&](auto result) { delivered.emplace(result); });
            QVERIFY(!delivered); // never before the call returns
            QTRY_VERIFY(delivered);
            for (const auto &found : { *delivered, await(api.lookup(id, country)) })
                check(found, [](auto &v) { return v.trackName; });
        }
        if (!line.isEmpty())
            QCOMPARE(fixture->requestLines().value(0, "none"), line);
    }

    // A 429 answer is asked again, three times at most, and a redirect's hops once each; the
    // pacer lets a burst
    // of 20 calls through, then spaces them.
    void retriesAndPacing()
    {
        QCOMPARE(outcome(await(api.search(FixtureCatalogue::rateLimitedTwiceTerm, "CN"))), "ok");
        QCOMPARE(fixture->requestLines().size(), 3);
        fixture->clearRequests();
        QCOMPARE(outcome(await(api.search(FixtureCatalogue::rateLimitedTerm, "CN"))),
            "AppStoreAPI -3 rateLimited");
        QCOMPARE(fixture->requestLines().size(), 4);
        fixture->clearRequests(); // five redirects are followed, each hop asked once
        QCOMPARE(outcome(await(api.search(FixtureCatalogue::redirectTerm + "-4", "CN"))), "ok");
        QCOMPARE(fixture->requestLines().size(), 6);
        CataloguePacer pacer;
        const auto now = std::chrono::steady_clock::now();
        for (int call = 0; call < 22; ++call)
            QCOMPARE(pacer.reserve(now) > 0ms, call >= 20);
    }

    // Ids go 100 to a call in the order given, matched by id whatever the answer's order; one
    // missing from the answer is not found alone. Bundle ids go in groups while the service
    // answers a list whole, one a call once it is seen to read only the first.
    void groupedLookups()
    {
        QList<qint64> ids;
        for (int n = 1; n <= 100; ++n)
            ids.append(FixtureCatalogue::generatedId(n));
        ids.insert(50, 55); // unknown
        const QList<Result<AppItem>> apps = await(api.lookupIds(ids, "US"));
        QCOMPARE(apps.size(), 101);
        for (qsizetype i = 0; i < ids.size(); ++i)
            QCOMPARE(apps[i] ? apps[i]->trackId : 0, i == 50 ? 0 : ids[i]);
        QCOMPARE(outcome(apps[50]), "AppStoreAPI -2 notFound");
        const QList<QByteArray> lines = fixture->requestLines();
        QCOMPARE(lines.size(), 2);
        QVERIFY(lines[0].startsWith("GET /lookup?id=3000000001,3000000002,"));
        QCOMPARE(lines[1], "GET /lookup?id=3000000100&country=US");

        const QStringList bundleIds { "com.harborsoftware.maps", "com.example.none",
            "com.lanternlabs.notes" };
        const auto names = [](const QList<Result<AppItem>> &found) {
            QStringList names;
            for (const Result<AppItem> &app : found)
                names << (app ? app->trackName : outcome(app));
            return names.join(", ");
        };
        const QString expected = "Harbor Maps, AppStoreAPI -2 notFound, Lantern Notes";
        for (const bool whole : { true, false }) {
            fixture->clearRequests();
            fixture->setAnswersBundleIdLists(whole);
            AppStoreAPI fresh;
            QCOMPARE(names(await(fresh.lookupBundleIds(bundleIds, "CN"))), expected);
            // Whole: one call. First only: the list, then the two it left out, alone.
            QCOMPARE(fixture->requestLines().size(), whole ? 1 : 3);
            fixture->clearRequests();
            QCOMPARE(names(await(fresh.lookupBundleIds(bundleIds, "CN"))), expected);
            QCOMPARE(fixture->requestLines().size(), whole ? 1 : 3);
            QCOMPARE(fixture->requestLines().value(whole ? 0 : 2),
                "GET /lookup?bundleId="
                    + QByteArray(whole ? bundleIds.join(',').toLatin1() : "com.lanternlabs.notes")
                    + "&country=CN");
        }
    }

    // Plain http only to a loopback catalogue's host and port; without one, https only.
    void addressRules()
    {
        const std::tuple<const char *, const char *, bool> rules[]
            = { { "http://LocalHost:9000", "http://localhost:9000/a", true },
                  { "http://mirror.test", "http://mirror.test/a", false },
                  { "", "http://127.0.0.1/a", false } };
        for (const auto &[catalogue, address, allowed] : rules) {
            qputenv("VELLUMAR_CATALOGUE_URL", catalogue);
            QVERIFY2(NetworkPolicy::refusalFor(QUrl(address)).has_value() != allowed, address);
        }
        QCOMPARE(AppStoreAPI::searchUrl("a b", "US")->toEncoded(),
            "https://itunes.apple.com/search?term=a%20b&country=US&entity=software");
    }

    // Too large or forbidden pictures fail (time-outs: requests; bytes and decoding: tst_workflow).
    void imageDownload()
    {
        const std::pair<const char *, const char *> downloads[] = {
            { "/art/special/oversized.png", "NetworkPolicy 4 tooLarge" },
            { "/art/special/endless.png", "NetworkPolicy 4 tooLarge" },
            { "http://127.0.0.1:1/a.png", "NetworkPolicy 2 notSecure" } // not the catalogue's port
        };
        for (const auto &[path, expected] : downloads) {
            const QUrl url = fixture->baseUrl().resolved(QUrl(path));
            QCOMPARE(outcome(await(api.downloadImageData(url))), expected);
        }
    }

    // Exact keys and types, no defaults (a bad item fails the answer: requests).
    // The expected text is the first trackId, or a part of the error's detail.
    void decode()
    {
        const QByteArray id = "1234567890123", detailed = lantern + details;
        const std::tuple<bool, QByteArray, const char *> cases[]
            = { { false, answer(lantern, id, "9007199254740993"), "9007199254740993" },
                  { false, R"({"resultCount":0})", "key \"results\" is missing" },
                  { false, answer(lantern, id, '"' + id + '"'), "\"trackId\"" },
                  { false, answer(lantern, id, "1.5"), "trackId" },
                  { true, answer(detailed, "\"https://c/s1.png\",\"https://c/s2.png\"", ""),
                      "1234567890123" },
                  { true, answer(detailed, "\"https://c/s2.png\"", "3"), "screenshotUrls" },
                  { true, answer(detailed + R"(,"releaseNotes":[])"), "releaseNotes" } };
        for (const auto &[lookup, json, expected] : cases) {
            const QString got = lookup ? summary(LookupResult::decode(json))
                                       : summary(SearchResult::decode(json));
            QVERIFY2(
                got == expected || (got.startsWith("DecodingError: ") && got.contains(expected)),
                qPrintable(got));
        }
    }

    // Through text, as the history stores it: a large id survives, an empty region stays one.
    void appItemJson()
    {
        AppItem item { 1234567890123, "墨水日记", "https://a/1.png", "https://a/5.png", "" };
        item.artistId = 9007199254740993;
        item.bundleId = "cn.moshui.diary";
        const QByteArray text = QJsonDocument(item.toJson()).toJson();
        QCOMPARE(AppItem::decode(QJsonDocument::fromJson(text).object()).value(), item);
    }

    // The size segment of the 512 address, else of the 100 one (which a detailed record
    // lacks), else the 512 address as it is; none ("" here) for what is no https address.
    void iconUrl()
    {
        using enum IconResolution;
        const auto check = [](const char *a512, IconResolution size, const char *expected,
                               const char *detailed = nullptr,
                               const char *a100 = "https://b/100x100bb.png") {
            DetailedAppInfo info;
            info.artworkUrl512 = a512;
            const AppItem item { 1, "x", a100, a512, {} };
            QCOMPARE(item.iconUrl(size).value_or(QUrl()), QUrl(expected));
            QCOMPARE(info.iconUrl(size).value_or(QUrl()), QUrl(detailed ? detailed : expected));
        };
        check("https://a/512x512bb.png", size1024, "https://a/1024x1024bb.png");
        check("https://a/512X512bb.png", size256, "https://b/256x256bb.png",
            "https://a/512X512bb.png");
        check("https://a/icon.png", size1024, "https://a/icon.png", nullptr, "");
        check("https://a/a b/512x512.png", size1024, "");
        check("", size256, "", nullptr, "");
    }
};

VELLUMAR_TEST_MAIN(tst_Catalogue)
#include "tst_catalogue.moc"
