#include "FixtureCatalogue.h"
#include "TaskOutcome.h"
#include "TestEnvironment.h"
#include "catalogue/AppStoreAPI.h"
#include "catalogue/CatalogueAnswers.h"
#include "catalogue/NetworkPolicy.h"

#include <QImage>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTranslator>

using namespace std::chrono_literals;

namespace {

#ifdef __has_feature
constexpr bool addressSanitized = __has_feature(address_sanitizer);
#else
constexpr bool addressSanitized = false;
#endif

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

// The first item's trackId and release notes, "none", or "DecodingError: " and the detail.
template<typename T>
QString summary(const Result<T> &result)
{
    if (!result || result.value().results.isEmpty())
        return result ? QStringLiteral("none")
                      : result.error().domain + ": " + result.error().detail;
    const auto &first = result.value().results[0];
    QString text = QString::number(first.trackId);
    if constexpr (requires { first.releaseNotes; })
        text += first.releaseNotes ? " notes " + *first.releaseNotes : QString();
    return text;
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

private Q_SLOTS:
    void init() { fixture = std::make_unique<FixtureCatalogue>(); }
    void cleanup()
    {
        fixture.reset();
        qunsetenv("VELLUMAR_CATALOGUE_URL");
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
        const auto search = [&](const char *term, const char *country, const char *query) {
            row(term, term, 0, "ok", country,
                "GET /search?term=" + QByteArray(query) + "&entity=software");
        };
        search("hello world", "US", "hello%20world&country=US");
        search("微信", "CN", "%E5%BE%AE%E4%BF%A1&country=CN");
        search("AT&T=C++", "CN", "AT%26T%3DC%2B%2B&country=CN"); // no separators, no spaces
        row("NUL", QString("a") + QChar(0) + "b", 0, "ok", "CN",
            "GET /search?term=a%00b&country=CN&entity=software");
        search("#1 100%", "CN", "%231%20100%25&country=CN");
        search("lantern", "cn", "lantern&country=cn");
        row("iPad", "harbor", 0, "ok", "CN",
            "GET /search?term=harbor&country=CN&entity=iPadSoftware", "Harbor Maps HD",
            Platform::IPad);
        row("Mac", "lantern", 0, "ok", "CN",
            "GET /search?term=lantern&country=CN&entity=macSoftware", "Lantern Desk (Mac)",
            Platform::Mac);
        // A term naming an app is also looked up; the app found comes first, once.
        row("id", "1000000003", 0, "ok", "CN", "GET /lookup?id=1000000003&country=CN",
            "墨水日记, Lantern Notes, Harbor Maps");
        row("bundle id", "com.lanternlabs.desk", 0, "ok", "CN",
            "GET /lookup?bundleId=com.lanternlabs.desk&country=CN",
            "Lantern Desk (Mac), Harbor Maps HD", Platform::IPad);
        row("unknown bundle id", "com.example.none", 0, "ok", "CN",
            "GET /lookup?bundleId=com.example.none&country=CN",
            "Lantern Notes, Harbor Maps, 墨水日记");
        row("empty results", FixtureCatalogue::emptyTerm, 0, "ok");
        row("two items, the first", QString(), FixtureCatalogue::twoResultsId, "ok", "US", "",
            "Harbor Maps");
        row("redirect on the catalogue", FixtureCatalogue::redirectTerm, 0, "ok", "US", "",
            "Lantern Notes");
        row("address cannot be formed", "x", 1, "AppStoreAPI -1 invalidAddress", "C N", "none");
        row("term cannot be encoded", QString(QChar(0xD800)), 0, "AppStoreAPI -1 invalidAddress",
            "CN", "none");
        row("unknown id", QString(), -5, "AppStoreAPI -2 notFound", "us",
            "GET /lookup?id=-5&country=us");
        row("error page", FixtureCatalogue::errorPageTerm, FixtureCatalogue::errorPageId,
            "DecodingError 1 unreadableAnswer");
        row("malformed", FixtureCatalogue::malformedTerm, 0, "DecodingError 2 unreadableAnswer");
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
        row("too large", FixtureCatalogue::oversizedTerm, 0, "NetworkPolicy 4 tooLarge");
        row("too large, undeclared", FixtureCatalogue::oversizedUndeclaredTerm, 0,
            "NetworkPolicy 4 tooLarge");
    }

    void requests()
    {
        QFETCH(Request, request);
        const auto &[term, id, country, expected, line, name, platform] = request;
        // Short only where the time-out is the point: a loaded machine may pause a big transfer.
        if (term.contains(FixtureCatalogue::stallTerm))
            NetworkPolicy::setTransferTimeout(1s);
        if (QByteArray(QTest::currentDataTag()) == "refused") {
            const QByteArray gone = fixture->baseUrl().toEncoded();
            fixture.reset();
            qputenv("VELLUMAR_CATALOGUE_URL", gone);
        }
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
            check(await(AppStoreAPI::findApps(term, country, platform)), [](auto &v) {
                QStringList names;
                for (const AppItem &app : v)
                    names << app.trackName + (app.isMacApp() ? " (Mac)" : "");
                return names.join(", ");
            });
        if (id != 0) {
            std::optional<Result<DetailedAppInfo>> delivered;
            AppStoreAPI::lookup(id, country, [&](auto result) { delivered.emplace(result); });
            QVERIFY(!delivered); // never before the call returns
            QTRY_VERIFY(delivered);
            for (const auto &found : { *delivered, await(AppStoreAPI::lookup(id, country)) })
                check(found, [](auto &v) { return v.trackName; });
        }
        if (!line.isEmpty())
            QCOMPARE(fixture->requestLines().value(0, "none"), line);
    }

    // A 429 answer is asked again, three times at most; the pacer lets a burst
    // of 20 calls through, then spaces them.
    void retriesAndPacing()
    {
        QCOMPARE(outcome(await(AppStoreAPI::search(FixtureCatalogue::rateLimitedTwiceTerm, "CN"))),
            "ok");
        QCOMPARE(fixture->requestLines().size(), 3);
        fixture->clearRequests();
        QCOMPARE(outcome(await(AppStoreAPI::search(FixtureCatalogue::rateLimitedTerm, "CN"))),
            "AppStoreAPI -3 rateLimited");
        QCOMPARE(fixture->requestLines().size(), 4);
        CataloguePacer pacer;
        const auto now = std::chrono::steady_clock::now();
        for (int call = 0; call < 22; ++call)
            QCOMPARE(pacer.reserve(now) > 0ms, call >= 20);
    }

    void addressRules()
    {
        fixture.reset();
        const char *local = "http://127.0.0.1:8123";
        const std::tuple<const char *, const char *, bool> rules[] = {
            { local, "https://cdn.test/a.png", true }, { local, "http://127.0.0.1:8123/x", true },
            { local, "http://127.0.0.1:8124/x", false }, { local, "http://cdn.test/a.png", false },
            { "http://[::1]:9000", "http://[::1]:9000/a", true },
            { "http://LocalHost:9000", "http://localhost:9000/a", true },
            { "http://mirror.test", "http://mirror.test/a", false }
        };
        for (const auto &[catalogue, address, allowed] : rules) {
            qputenv("VELLUMAR_CATALOGUE_URL", catalogue);
            QVERIFY2(NetworkPolicy::refusalFor(QUrl(address)).has_value() != allowed, address);
        }
        // The real catalogue: https only, plain http refused even on loopback.
        qunsetenv("VELLUMAR_CATALOGUE_URL");
        QVERIFY(NetworkPolicy::refusalFor(QUrl(QStringLiteral("http://127.0.0.1/a"))));
        QCOMPARE(AppStoreAPI::searchUrl("a b", "US")->toEncoded(),
            "https://itunes.apple.com/search?term=a%20b&country=US&entity=software");
        QCOMPARE(AppStoreAPI::lookupUrl(42, "CN")->toEncoded(),
            "https://itunes.apple.com/lookup?id=42&country=CN");
    }

    // Bytes come back whatever they are, a 404 page too; transfers that
    // stall, grow too large or go where the rules forbid fail.
    void imageDownload()
    {
        NetworkPolicy::setTransferTimeout(1s);
        const std::pair<const char *, QString> downloads[] = {
            { "/art/1234567890123/1024x1024bb.jpg", "1024x1024" }, { "/art/nowhere.png", "0x0" },
            { "/art/special/stall.png", "QNetworkReply 4 timedOut" },
            { "/art/special/oversized.png", "NetworkPolicy 4 tooLarge" },
            { "/art/special/redirect-stall.png", "QNetworkReply 4 timedOut" },
            { "http://127.0.0.1:1/a.png", "NetworkPolicy 2 notSecure" }
        }; // not the catalogue's port
        for (const auto &[path, expected] : downloads) {
            const QUrl url = fixture->baseUrl().resolved(QUrl(path));
            const Result<QByteArray> bytes = await(AppStoreAPI::downloadImageData(url));
            const QSize size = bytes ? QImage::fromData(bytes.value()).size() : QSize();
            QCOMPARE(bytes ? QString("%1x%2").arg(size.width()).arg(size.height()) : outcome(bytes),
                expected);
        }
    }

    // A body without end fails at the cap; Qt stops reading while it waits, so
    // the process stays small.
    void endlessBodies()
    {
        QFile peak("/proc/self/clear_refs"); // "5" resets the peak resident size
        QVERIFY(peak.open(QIODevice::WriteOnly) && peak.write("5") == 1 && peak.flush());
        QCOMPARE(outcome(await(AppStoreAPI::search(FixtureCatalogue::endlessTerm, "CN"))),
            "NetworkPolicy 4 tooLarge");
        const QUrl image = fixture->baseUrl().resolved(QUrl("/art/special/endless.png"));
        QCOMPARE(outcome(await(AppStoreAPI::downloadImageData(image))), "NetworkPolicy 4 tooLarge");
        QFile status("/proc/self/status");
        QVERIFY(status.open(QIODevice::ReadOnly));
        const QByteArray text = status.readAll();
        const qint64 peakKiB
            = text.mid(text.indexOf("VmHWM:") + 6).trimmed().split(' ')[0].toLongLong();
        // AddressSanitizer shadows memory and keeps freed blocks aside: there
        // the size says nothing.
        QVERIFY2(addressSanitized || (peakKiB > 0 && peakKiB < 100 * 1024),
            qPrintable(QString::number(peakKiB)));
    }

    // Exact keys and types; no defaults, and one bad item fails the answer.
    // The expected text is the summary, or a part of the error's detail.
    void decode()
    {
        const QByteArray id = "1234567890123", detailed = lantern + details;
        const char *ok = "1234567890123";
        const std::tuple<bool, QByteArray, const char *> cases[] = {
            { false, R"({"results":[]})", "none" }, { false, answer(lantern), ok },
            { false, answer(lantern, id, "9007199254740993"), "9007199254740993" },
            { false, R"({"resultCount":0})", "key \"results\" is missing" },
            { false, answer(lantern, id, '"' + id + '"'), "\"trackId\"" },
            { false, answer(lantern, id, "1.5"), "trackId" },
            { false, answer(lantern, "\"Lantern Notes\"", "7"), "trackName" },
            { false, answer(lantern, "\"https://c/100.png\"", "null"), "artworkUrl100" },
            { false, answer(lantern + R"(},{"trackId":1,"trackName":"x","artworkUrl100":"a")"),
                "results[1]: key \"artworkUrl512\" is missing" },
            { true, answer(detailed, "\"https://c/s1.png\",\"https://c/s2.png\"", ""), ok },
            { true, answer(detailed, "\"screenshotUrls\"", "\"otherUrls\""), "screenshotUrls" },
            { true, answer(detailed, "\"https://c/s2.png\"", "3"), "screenshotUrls" },
            { true, answer(detailed + R"(,"releaseNotes":[])"), "releaseNotes" },
            { true, answer(detailed + R"(,"releaseNotes":null)"), ok },
            { true, answer(detailed + R"(,"releaseNotes":"Fixes\n")"),
                "1234567890123 notes Fixes\n" }
        };
        for (const auto &[lookup, json, expected] : cases) {
            const QString got = lookup ? summary(LookupResult::decode(json))
                                       : summary(SearchResult::decode(json));
            QVERIFY2(
                got == expected || (got.startsWith("DecodingError: ") && got.contains(expected)),
                qPrintable(got));
        }
    }

    // Optional keys written only when present, so an older entry decodes as it was.
    void appItemJson()
    {
        const AppItem item { 1234567890123, "墨水日记", "https://a/1.png", "https://a/5.png", {} };
        AppItem withCountry = item, emptyCountry = item;
        withCountry.countryCode = "US";
        withCountry.kind = "mac-software";
        withCountry.artistId = 9007199254740993;
        emptyCountry.countryCode = QString();
        QCOMPARE(item.toJson().size(), 4);
        QCOMPARE(AppItem::decode(item.toJson()).value(), item);
        // Through text, as the history stores it, large ids must survive.
        const QByteArray text = QJsonDocument(withCountry.toJson()).toJson();
        QCOMPARE(AppItem::decode(QJsonDocument::fromJson(text).object()).value(), withCountry);
        QCOMPARE((QSet<AppItem> { item, withCountry, emptyCountry, withCountry }).size(), 3);
    }

    // The size segment of the 512 address, else of the 100 one (which a
    // detailed record lacks), else the 512 address as it is.
    void iconUrl()
    {
        using enum IconResolution;
        const auto check = [](const char *a512, IconResolution size, const char *expected,
                               const char *detailed = nullptr,
                               const char *a100 = "https://b/100x100bb.png") {
            const auto text = [](const std::optional<QUrl> &url) {
                return url ? url->toString(QUrl::FullyEncoded) : QStringLiteral("none");
            };
            DetailedAppInfo info;
            info.artworkUrl512 = a512;
            QCOMPARE(text(AppItem { 1, "x", a100, a512, std::nullopt }.iconUrl(size)), expected);
            QCOMPARE(text(info.iconUrl(size)), detailed ? detailed : expected);
        };
        check("https://a/512x512bb.png", size1024, "https://a/1024x1024bb.png");
        check("https://a/512x512/512x512bb.jpg", size256, "https://a/256x256/512x512bb.jpg");
        check("https://a/512X512bb.png", size256, "https://b/256x256bb.png",
            "https://a/512X512bb.png");
        check("https://a/icon.png", size1024, "https://a/icon.png", nullptr, "");
        check("https://a/a b/512x512.png", size1024, "none");
        check("", size256, "none", nullptr, "");
    }
};

VELLUMAR_TEST_MAIN(tst_Catalogue)
#include "tst_catalogue.moc"
