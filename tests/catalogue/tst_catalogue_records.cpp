#include "TestEnvironment.h"
#include "catalogue/AppItem.h"
#include "catalogue/CatalogueAnswers.h"

#include <QJsonDocument>
#include <QSet>

namespace {

const QByteArray lantern
    = R"("trackId":1234567890123,"trackName":"Lantern Notes","price":0.0,)"
      R"("artworkUrl100":"https://cdn.test/100.png","artworkUrl512":"https://cdn.test/512.png")";
const QByteArray details
    = R"(,"artistName":"Lantern Labs","bundleId":"com.lanternlabs.notes",)"
      R"("description":"Notes.","version":"3.2.1","minimumOsVersion":"15.0",)"
      R"("screenshotUrls":["https://cdn.test/s1.png","https://cdn.test/s2.png"])";

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
    if (!result)
        return result.error().domain + QStringLiteral(": ") + result.error().detail;
    if (result.value().results.isEmpty())
        return QStringLiteral("none");
    const auto &first = result.value().results[0];
    QString text = QString::number(first.trackId);
    if constexpr (requires { first.releaseNotes; })
        text += first.releaseNotes ? " notes " + *first.releaseNotes : QString();
    return text;
}

} // namespace

class TestCatalogueRecords : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Exact keys and types; no defaults, and one bad item fails the answer.
    // The expected text is the summary, or a part of the error's detail.
    void decode()
    {
        const QByteArray id = "1234567890123", detailed = lantern + details;
        const std::tuple<bool, QByteArray, const char *> cases[] = {
            { false, R"({"results":[]})", "none" }, { false, answer(lantern), "1234567890123" },
            { false, answer(lantern, id, "9007199254740993"), "9007199254740993" },
            { false, R"({"resultCount":0})", "key \"results\" is missing" },
            { false, answer(lantern, id, '"' + id + '"'), "\"trackId\"" },
            { false, answer(lantern, id, "1.5"), "trackId" },
            { false, answer(lantern, "\"Lantern Notes\"", "7"), "trackName" },
            { false, answer(lantern, "\"https://cdn.test/100.png\"", "null"), "artworkUrl100" },
            { false, answer(lantern + R"(},{"trackId":1,"trackName":"x","artworkUrl100":"a")"),
                "results[1]: key \"artworkUrl512\" is missing" },
            { true, answer(detailed, "\"https://cdn.test/s1.png\",\"https://cdn.test/s2.png\"", ""),
                "1234567890123" },
            { true, answer(detailed, "\"screenshotUrls\"", "\"otherUrls\""), "screenshotUrls" },
            { true, answer(detailed, "\"https://cdn.test/s2.png\"", "3"), "screenshotUrls" },
            { true, answer(detailed + R"(,"releaseNotes":[])"), "releaseNotes" },
            { true, answer(detailed + R"(,"releaseNotes":null)"), "1234567890123" },
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

    void appItemJson()
    {
        const AppItem item { 1234567890123, "墨水日记", "https://a/1.png", "https://a/5.png", {} };
        AppItem withCountry = item, emptyCountry = item;
        withCountry.countryCode = "US";
        emptyCountry.countryCode = QString();
        QCOMPARE(item.toJson().size(), 4);
        // Through text, as the history stores it, large ids must survive.
        const QByteArray text = QJsonDocument(withCountry.toJson()).toJson();
        QCOMPARE(AppItem::decode(QJsonDocument::fromJson(text).object()).value(), withCountry);
        QCOMPARE((QSet<AppItem> { item, withCountry, emptyCountry, withCountry }).size(), 3);
        QCOMPARE(LookupResult::decode(answer(lantern + details)).value().results[0].appStoreUrl(),
            "https://apps.apple.com/app/id1234567890123");
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

VELLUMAR_TEST_MAIN(TestCatalogueRecords)
#include "tst_catalogue_records.moc"
