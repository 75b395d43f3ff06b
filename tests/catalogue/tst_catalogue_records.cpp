#include "TestEnvironment.h"
#include "catalogue/AppItem.h"
#include "catalogue/CatalogueAnswers.h"
#include "catalogue/JsonDecoding.h"

#include <QJsonDocument>
#include <QSet>

namespace {

using Patch = QList<std::pair<QByteArray, std::optional<QByteArray>>>;

// A search item with every required key; `patch` replaces or adds raw JSON
// members, a key mapped to nothing is removed.
QByteArray searchItem(const Patch &patch = {})
{
    QList<std::pair<QByteArray, QByteArray>> members {
        { "trackId", "1234567890123" },
        { "trackName", "\"Lantern Notes\"" },
        { "artworkUrl100", "\"https://cdn.test/a/100x100bb.png\"" },
        { "artworkUrl512", "\"https://cdn.test/a/512x512bb.png\"" },
        { "price", "0.0" },
        { "genres", "[\"Utilities\"]" },
    };
    for (const auto &[key, value] : patch) {
        members.removeIf([&](const auto &member) { return member.first == key; });
        if (value)
            members.append({ key, *value });
    }
    QByteArray json = "{";
    for (const auto &[key, value] : members)
        json += '"' + key + "\":" + value + ',';
    json.chop(1);
    return json + '}';
}

QByteArray detailItem(const Patch &patch = {})
{
    QList<std::pair<QByteArray, std::optional<QByteArray>>> all {
        { "artworkUrl100", std::nullopt },
        { "artistName", "\"Lantern Labs\"" },
        { "bundleId", "\"com.lanternlabs.notes\"" },
        { "description", "\"Notes.\"" },
        { "version", "\"3.2.1\"" },
        { "screenshotUrls", "[\"https://cdn.test/s1.png\",\"https://cdn.test/s2.png\"]" },
        { "minimumOsVersion", "\"15.0\"" },
    };
    all.append(patch);
    return searchItem(all);
}

QByteArray answer(const QByteArray &items)
{
    return "{\"resultCount\":1,\"results\":[" + items + "],\"unrelated\":{\"x\":1}}";
}

} // namespace

class TestCatalogueRecords : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decodeSearch_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<qint64>("firstTrackId"); // 0: must fail, 1: empty list
        QTest::addColumn<QString>("mentioned"); // in the error description

        const auto row = [](const char *name, const QByteArray &json, qint64 id,
                             const QString &mentioned = {}) {
            QTest::newRow(name) << json << id << mentioned;
        };
        const auto withId = [](const QByteArray &id) {
            return answer(searchItem({ { "trackId", id } }));
        };
        const QByteArray good = searchItem();
        row("empty results", "{\"results\":[]}", 1);
        row("extra keys", answer(good), 1234567890123);
        row("id beyond double precision", withId("9007199254740993"), 9007199254740993);
        row("countryCode null", answer(searchItem({ { "countryCode", "null" } })), 1234567890123);
        row("no results key", "{\"resultCount\":0}", 0, QStringLiteral("\"results\" is missing"));
        row("results null", "{\"results\":null}", 0, QStringLiteral("\"results\" is null"));
        row("not json", "<html>Not Found</html>", 0, QStringLiteral("JSON"));
        row("empty body", QByteArray(), 0, QStringLiteral("empty"));
        row("top-level array", "[]", 0, QStringLiteral("object"));
        row("item not an object", answer("42"), 0, QStringLiteral("results[0]"));
        row("id as digit string", withId("\"1234567890123\""), 0, QStringLiteral("\"trackId\""));
        row("fractional id", withId("1.5"), 0, QStringLiteral("trackId"));
        row("id above 64 bits", withId("9223372036854775808"), 0, QStringLiteral("trackId"));
        row("keys are case-sensitive",
            answer(searchItem({ { "trackId", std::nullopt }, { "TrackId", "1" } })), 0,
            QStringLiteral("\"trackId\" is missing"));
        row("name is a number", answer(searchItem({ { "trackName", "7" } })), 0,
            QStringLiteral("trackName"));
        row("required null", answer(searchItem({ { "artworkUrl100", "null" } })), 0,
            QStringLiteral("artworkUrl100"));
        row("one bad item fails all",
            answer(good + ',' + searchItem({ { "artworkUrl512", std::nullopt } })), 0,
            QStringLiteral("results[1]: key \"artworkUrl512\" is missing"));
        row("countryCode of wrong type", answer(searchItem({ { "countryCode", "1" } })), 0,
            QStringLiteral("countryCode"));
    }

    void decodeSearch()
    {
        QFETCH(QByteArray, json);
        QFETCH(qint64, firstTrackId);
        QFETCH(QString, mentioned);

        const Result<SearchResult> result = SearchResult::decode(json);
        if (firstTrackId == 0) {
            QVERIFY(!result);
            QCOMPARE(result.error().domain, DecodingError::domain);
            QVERIFY2(result.error().localizedDescription.contains(mentioned),
                qPrintable(result.error().localizedDescription));
            return;
        }
        QVERIFY2(result, result ? "" : qPrintable(result.error().localizedDescription));
        if (firstTrackId == 1) {
            QVERIFY(result.value().results.isEmpty());
            return;
        }
        const AppItem &item = result.value().results.first();
        QCOMPARE(item.trackId, firstTrackId);
        QCOMPARE(item.trackName, QStringLiteral("Lantern Notes"));
        QCOMPARE(item.countryCode, std::nullopt);
    }

    void decodeLookup_data()
    {
        QTest::addColumn<QByteArray>("item");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<std::optional<QString>>("releaseNotes");
        QTest::addColumn<int>("screenshots");

        const auto row = [](const char *name, const Patch &patch, bool ok, int screenshots = 2,
                             std::optional<QString> releaseNotes = std::nullopt) {
            QTest::newRow(name) << detailItem(patch) << ok << releaseNotes << screenshots;
        };
        row("no release notes", {}, true);
        row("release notes null", { { "releaseNotes", "null" } }, true);
        row("release notes", { { "releaseNotes", "\"Fixes\\n\"" } }, true, 2,
            QStringLiteral("Fixes\n"));
        row("no screenshots", { { "screenshotUrls", "[]" } }, true, 0);
        row("screenshots missing", { { "screenshotUrls", std::nullopt } }, false);
        row("screenshots null", { { "screenshotUrls", "null" } }, false);
        row("screenshot not a string", { { "screenshotUrls", "[\"https://cdn.test/s1.png\",3]" } },
            false);
        row("release notes not a string", { { "releaseNotes", "[]" } }, false);
        row("bundleId missing", { { "bundleId", std::nullopt } }, false);
    }

    void decodeLookup()
    {
        QFETCH(QByteArray, item);
        QFETCH(bool, ok);
        QFETCH(std::optional<QString>, releaseNotes);
        QFETCH(int, screenshots);

        const Result<LookupResult> result = LookupResult::decode(answer(item));
        QCOMPARE(bool(result), ok);
        if (!ok) {
            QCOMPARE(result.error().domain, DecodingError::domain);
            return;
        }
        const DetailedAppInfo &info = result.value().results.first();
        QCOMPARE(info.id(), qint64(1234567890123));
        QCOMPARE(info.bundleId, QStringLiteral("com.lanternlabs.notes"));
        QCOMPARE(info.releaseNotes, releaseNotes);
        QCOMPARE(info.screenshotUrls.size(), screenshots);
        QCOMPARE(info.appStoreUrl(), QStringLiteral("https://apps.apple.com/app/id1234567890123"));
    }

    void appItemJson()
    {
        AppItem item { 1234567890123, QStringLiteral("墨水日记"),
            QStringLiteral("https://a/100x100.png"), QStringLiteral("https://a/512x512.png"),
            std::nullopt };
        QCOMPARE(item.toJson().size(), 4);
        QVERIFY(!item.toJson().contains(QStringLiteral("countryCode")));

        AppItem withCountry = item;
        withCountry.countryCode = QStringLiteral("US");
        const QJsonObject encoded = withCountry.toJson();
        QCOMPARE(encoded.size(), 5);
        // Through text, as the history stores it, large ids must survive.
        const QJsonObject reread
            = QJsonDocument::fromJson(QJsonDocument(encoded).toJson()).object();
        QCOMPARE(AppItem::fromJson(reread), std::optional<AppItem>(withCountry));

        QVERIFY(item != withCountry);
        AppItem emptyCountry = item;
        emptyCountry.countryCode = QString();
        QVERIFY(item != emptyCountry);
        const QSet<AppItem> set { item, withCountry, emptyCountry, AppItem(withCountry) };
        QCOMPARE(set.size(), 3);
        QCOMPARE(qHash(withCountry), qHash(AppItem(withCountry)));
    }

    void iconUrl_data()
    {
        QTest::addColumn<QString>("artworkUrl512");
        QTest::addColumn<QString>("artworkUrl100");
        QTest::addColumn<IconResolution>("resolution");
        QTest::addColumn<QString>("expected"); // empty: no URL
        QTest::addColumn<QString>("expectedDetailed");

        const auto row
            = [](const char *name, const char *a512, const char *a100, IconResolution resolution,
                  const char *expected, const char *expectedDetailed) {
                  QTest::newRow(name)
                      << QString::fromUtf8(a512) << QString::fromUtf8(a100) << resolution
                      << QString::fromUtf8(expected) << QString::fromUtf8(expectedDetailed);
              };
        const char *a512 = "https://is1.test/a/512x512bb.png";
        const char *a100 = "https://is1.test/b/100x100bb.png";
        row("512 segment", a512, a100, IconResolution::size1024,
            "https://is1.test/a/1024x1024bb.png", "https://is1.test/a/1024x1024bb.png");
        row("512 asked", a512, a100, IconResolution::size512, a512, a512);
        row("first occurrence only", "https://x.test/512x512/512x512bb.jpg", a100,
            IconResolution::size256, "https://x.test/256x256/512x512bb.jpg",
            "https://x.test/256x256/512x512bb.jpg");
        row("upper-case X falls to 100", "https://x.test/512X512bb.png", a100,
            IconResolution::size256, "https://is1.test/b/256x256bb.png",
            "https://x.test/512X512bb.png");
        row("no segment, no 100 address", "https://x.test/icon.png", "", IconResolution::size1024,
            "https://x.test/icon.png", "https://x.test/icon.png");
        row("does not parse", "https://x.test/a b/512x512.png", a100, IconResolution::size1024, "",
            "");
        row("empty", "", "", IconResolution::size256, "", "");
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
        if (url)
            QCOMPARE(url->toString(QUrl::FullyEncoded), expected);
        QCOMPARE(item.iconUrlFor(rawValue(resolution)).toString(QUrl::FullyEncoded), expected);

        DetailedAppInfo info;
        info.artworkUrl512 = artworkUrl512;
        QCOMPARE(info.iconUrl(resolution).value_or(QUrl()).toString(QUrl::FullyEncoded),
            expectedDetailed);
    }
};

VELLUMAR_TEST_MAIN(TestCatalogueRecords)
#include "tst_catalogue_records.moc"
