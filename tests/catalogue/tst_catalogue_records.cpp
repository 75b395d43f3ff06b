#include "TestEnvironment.h"
#include "catalogue/AppItem.h"
#include "catalogue/CatalogueAnswers.h"
#include "catalogue/JsonDecoding.h"

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

// The first item's trackId, "none", or "domain: description".
template<typename T>
QString summary(const Result<T> &result)
{
    if (!result)
        return result.error().domain + QStringLiteral(": ") + result.error().localizedDescription;
    return result.value().results.isEmpty() ? QStringLiteral("none")
                                            : QString::number(result.value().results[0].trackId);
}

} // namespace

class TestCatalogueRecords : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decode_data()
    {
        QTest::addColumn<bool>("lookup");
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("expected"); // a summary(), or a text the error mentions

        const auto row
            = [](const char *name, bool lookup, const QByteArray &json, const QString &expected) {
                  QTest::newRow(name) << lookup << json << expected;
              };
        const QString id = QStringLiteral("1234567890123");
        const QByteArray detailed = lantern + details;
        row("empty results", false, R"({"results":[]})", QStringLiteral("none"));
        row("extra keys ignored", false, answer(lantern), id);
        row("id beyond double precision", false, answer(lantern, id.toUtf8(), "9007199254740993"),
            QStringLiteral("9007199254740993"));
        row("no results key", false, R"({"resultCount":0})",
            QStringLiteral("\"results\" is missing"));
        row("id as digit string", false, answer(lantern, id.toUtf8(), '"' + id.toUtf8() + '"'),
            QStringLiteral("\"trackId\""));
        row("fractional id", false, answer(lantern, id.toUtf8(), "1.5"), QStringLiteral("trackId"));
        row("name is a number", false, answer(lantern, "\"Lantern Notes\"", "7"),
            QStringLiteral("trackName"));
        row("required null", false, answer(lantern, "\"https://cdn.test/100.png\"", "null"),
            QStringLiteral("artworkUrl100"));
        row("one bad item fails all", false,
            answer(lantern + R"(},{"trackId":1,"trackName":"x","artworkUrl100":"a")"),
            QStringLiteral("results[1]: key \"artworkUrl512\" is missing"));
        row("no screenshots", true,
            answer(detailed, "\"https://cdn.test/s1.png\",\"https://cdn.test/s2.png\"", ""), id);
        row("screenshots missing", true, answer(detailed, "\"screenshotUrls\"", "\"otherUrls\""),
            QStringLiteral("screenshotUrls"));
        row("screenshot not a string", true, answer(detailed, "\"https://cdn.test/s2.png\"", "3"),
            QStringLiteral("screenshotUrls"));
        row("release notes not a string", true, answer(detailed + R"(,"releaseNotes":[])"),
            QStringLiteral("releaseNotes"));
    }

    void decode()
    {
        QFETCH(bool, lookup);
        QFETCH(QByteArray, json);
        QFETCH(QString, expected);

        const QString got
            = lookup ? summary(LookupResult::decode(json)) : summary(SearchResult::decode(json));
        if (expected == QStringLiteral("none") || expected.toLongLong() != 0)
            QCOMPARE(got, expected);
        else
            QVERIFY2(got.startsWith(DecodingError::domain + u':') && got.contains(expected),
                qPrintable(got));
    }

    void lookupFields()
    {
        const auto decoded = [](const QByteArray &extra) {
            return LookupResult::decode(answer(lantern + details + extra)).value().results.first();
        };
        QCOMPARE(decoded({}).releaseNotes, std::nullopt);
        QCOMPARE(decoded(R"(,"releaseNotes":null)").releaseNotes, std::nullopt);
        const DetailedAppInfo info = decoded(R"(,"releaseNotes":"Fixes\n")");
        QCOMPARE(info.releaseNotes, QStringLiteral("Fixes\n"));
        QCOMPARE(info.bundleId, QStringLiteral("com.lanternlabs.notes"));
        QCOMPARE(info.screenshotUrls.size(), 2);
        QCOMPARE(info.appStoreUrl(), QStringLiteral("https://apps.apple.com/app/id1234567890123"));
    }

    void appItemJson()
    {
        const AppItem item { 1234567890123, QStringLiteral("墨水日记"),
            QStringLiteral("https://a/1.png"), QStringLiteral("https://a/5.png"), std::nullopt };
        AppItem withCountry = item, emptyCountry = item;
        withCountry.countryCode = QStringLiteral("US");
        emptyCountry.countryCode = QString();
        QCOMPARE(item.toJson().size(), 4);
        QCOMPARE(withCountry.toJson().size(), 5);
        // Through text, as the history stores it, large ids must survive.
        const QByteArray text = QJsonDocument(withCountry.toJson()).toJson();
        QCOMPARE(AppItem::fromJson(QJsonDocument::fromJson(text).object()),
            std::optional<AppItem>(withCountry));

        QVERIFY(item != withCountry && item != emptyCountry);
        QCOMPARE(
            (QSet<AppItem> { item, withCountry, emptyCountry, AppItem(withCountry) }).size(), 3);
        QCOMPARE(qHash(withCountry), qHash(AppItem(withCountry)));
    }

    void iconUrl_data()
    {
        QTest::addColumn<QString>("artworkUrl512");
        QTest::addColumn<QString>("artworkUrl100");
        QTest::addColumn<IconResolution>("resolution");
        QTest::addColumn<QString>("expected"); // empty: no URL
        QTest::addColumn<QString>("expectedDetailed"); // DetailedAppInfo has no 100 address

        const auto row
            = [](const char *name, const char *a512, const char *a100, IconResolution resolution,
                  const char *expected, const char *detailed = nullptr) {
                  QTest::newRow(name) << QString::fromUtf8(a512) << QString::fromUtf8(a100)
                                      << resolution << QString::fromUtf8(expected)
                                      << QString::fromUtf8(detailed ? detailed : expected);
              };
        const char *a100 = "https://is1.test/b/100x100bb.png";
        row("512 segment", "https://is1.test/a/512x512bb.png", a100, IconResolution::size1024,
            "https://is1.test/a/1024x1024bb.png");
        row("first occurrence only", "https://x.test/512x512/512x512bb.jpg", a100,
            IconResolution::size256, "https://x.test/256x256/512x512bb.jpg");
        row("upper-case X falls to 100", "https://x.test/512X512bb.png", a100,
            IconResolution::size256, "https://is1.test/b/256x256bb.png",
            "https://x.test/512X512bb.png");
        row("no segment, no 100 address", "https://x.test/icon.png", "", IconResolution::size1024,
            "https://x.test/icon.png");
        row("does not parse", "https://x.test/a b/512x512.png", a100, IconResolution::size1024, "");
        row("empty", "", "", IconResolution::size256, "");
    }

    void iconUrl()
    {
        QFETCH(QString, artworkUrl512);
        QFETCH(QString, artworkUrl100);
        QFETCH(IconResolution, resolution);
        QFETCH(QString, expected);
        QFETCH(QString, expectedDetailed);

        const AppItem item { 1, QStringLiteral("x"), artworkUrl100, artworkUrl512, std::nullopt };
        const std::optional<QUrl> url = item.iconUrl(resolution);
        QCOMPARE(url.has_value(), !expected.isEmpty());
        QCOMPARE(url.value_or(QUrl()).toString(QUrl::FullyEncoded), expected);
        QCOMPARE(item.iconUrlFor(rawValue(resolution)).toString(QUrl::FullyEncoded), expected);
        DetailedAppInfo info;
        info.artworkUrl512 = artworkUrl512;
        QCOMPARE(info.iconUrl(resolution).value_or(QUrl()).toString(QUrl::FullyEncoded),
            expectedDetailed);
    }
};

VELLUMAR_TEST_MAIN(TestCatalogueRecords)
#include "tst_catalogue_records.moc"
