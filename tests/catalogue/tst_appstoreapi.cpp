#include "FixtureCatalogue.h"
#include "TestEnvironment.h"
#include "catalogue/AppStoreAPI.h"
#include "catalogue/JsonDecoding.h"
#include "catalogue/NetworkPolicy.h"

#include <QBuffer>
#include <QImageReader>
#include <QNetworkReply>
#include <qcorotask.h>

#include <memory>

using namespace std::chrono_literals;

namespace {

// What a finished request left behind: the error's domain and code, or "ok".
QString outcome(const std::optional<Error> &error)
{
    return error ? QStringLiteral("%1 %2").arg(error->domain).arg(error->code)
                 : QStringLiteral("ok");
}

template<typename T>
QString outcome(const Result<T> &result)
{
    return outcome(result ? std::nullopt : std::optional<Error>(result.error()));
}

const QString decodingError = QStringLiteral("DecodingError");

// Runs the event loop until `task` ends. (QCoro::waitFor needs a default
// constructible result, which Result is not.)
template<typename T>
T await(QCoro::Task<T> &&task)
{
    std::optional<T> value;
    QEventLoop loop;
    task.then([&](T result) {
        value = std::move(result);
        loop.quit();
    });
    if (!value)
        loop.exec();
    return std::move(*value);
}

} // namespace

class TestAppStoreAPI : public QObject
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

    // The exact bytes of the request line, as the fixture received them.
    void requestLine_data()
    {
        QTest::addColumn<QString>("term");
        QTest::addColumn<QString>("country");
        QTest::addColumn<QByteArray>("expected");

        const auto row = [](const char *term, const char *country, const char *line) {
            QTest::newRow(term) << QString::fromUtf8(term) << QString::fromUtf8(country)
                                << "GET /search?term=" + QByteArray(line) + "&entity=software";
        };
        row("hello world", "US", "hello%20world&country=US");
        row("微信", "CN", "%E5%BE%AE%E4%BF%A1&country=CN");
        row("a&b=c", "CN", "a&b=c&country=CN"); // the service sees separators
        row("#1 100%", "CN", "%231%20100%25&country=CN");
        row("Az09-._~!$'()*+,;:@/?", "JP", "Az09-._~!$'()*+,;:@/?&country=JP");
        row("[x]{y}|\"<>\\^`", "GB", "%5Bx%5D%7By%7D%7C%22%3C%3E%5C%5E%60&country=GB");
        row("café 😀", "FR", "caf%C3%A9%20%F0%9F%98%80&country=FR");
        row("lantern", "cn", "lantern&country=cn");
    }

    void requestLine()
    {
        QFETCH(QString, term);
        QFETCH(QString, country);
        QFETCH(QByteArray, expected);

        const Result<QList<AppItem>> result = await(AppStoreAPI::search(term, country));
        QCOMPARE(fixture->requestLines(), QList<QByteArray> { expected });
        QVERIFY2(result, qPrintable(outcome(result)));
    }

    void lookupRequestLine()
    {
        await(AppStoreAPI::lookup(1234567890123, QStringLiteral("CN")));
        await(AppStoreAPI::lookup(-5, QStringLiteral("us")));
        QCOMPARE(fixture->requestLines(),
            (QList<QByteArray> {
                "GET /lookup?id=1234567890123&country=CN", "GET /lookup?id=-5&country=us" }));
    }

    void searchAnswers()
    {
        const Result<QList<AppItem>> one
            = await(AppStoreAPI::search(QStringLiteral("lantern"), QStringLiteral("US")));
        QVERIFY(one);
        QCOMPARE(one.value().size(), 1);
        QCOMPARE(one.value().first().trackId, qint64(1234567890123));
        QCOMPARE(one.value().first().artworkUrl512,
            fixture->artworkUrl(1234567890123, QStringLiteral("512x512")));

        const Result<QList<AppItem>> many
            = await(AppStoreAPI::search(FixtureCatalogue::manyTerm, QStringLiteral("US")));
        QVERIFY(many);
        QCOMPARE(many.value().size(), 200);
        QCOMPARE(many.value().at(199).trackId, FixtureCatalogue::firstGeneratedId + 199);

        // A held-back answer arrives after a later one.
        fixture->setDelay(QStringLiteral("lantern"), 300ms);
        QStringList finished;
        AppStoreAPI::search(QStringLiteral("lantern"), QStringLiteral("US")).then([&](auto) {
            finished << QStringLiteral("lantern");
        });
        AppStoreAPI::search(QStringLiteral("maps"), QStringLiteral("US")).then([&](auto) {
            finished << QStringLiteral("maps");
        });
        QTRY_COMPARE(finished, (QStringList { QStringLiteral("maps"), QStringLiteral("lantern") }));
    }

    // Each row of the failure table, for all three request forms.
    void failures_data()
    {
        QTest::addColumn<QString>("term"); // for the search; empty: no search
        QTest::addColumn<qint64>("id"); // for both lookups; 0: no lookup
        QTest::addColumn<QString>("country");
        QTest::addColumn<QString>("expected"); // "domain code" or "ok"

        const auto row = [](const char *name, const QString &term, qint64 id,
                             const QString &expected, const char *country = "CN") {
            QTest::newRow(name) << term << id << QString::fromUtf8(country) << expected;
        };
        const QString urlInvalid = QStringLiteral("AppStoreAPI -1");
        const QString transport = QStringLiteral("QNetworkReply %1");
        row("address cannot be formed", QStringLiteral("x"), 1, urlInvalid, "C N");
        row("term cannot be encoded", QString(QChar(0xD800)), 0, urlInvalid);
        row("error page", FixtureCatalogue::errorPageTerm, FixtureCatalogue::errorPageId,
            decodingError + QStringLiteral(" 1"));
        row("missing key", FixtureCatalogue::malformedTerm, FixtureCatalogue::malformedDetailId,
            decodingError + QStringLiteral(" 2"));
        row("empty results", FixtureCatalogue::emptyTerm, 0, QStringLiteral("ok"));
        row("unknown id", QString(), 5, QStringLiteral("AppStoreAPI -2"));
        row("truncated", FixtureCatalogue::truncatedTerm, 0,
            transport.arg(QNetworkReply::RemoteHostClosedError));
        row("server gone", QStringLiteral("lantern"), 1234567890123,
            transport.arg(QNetworkReply::ConnectionRefusedError));
    }

    void failures()
    {
        QFETCH(QString, term);
        QFETCH(qint64, id);
        QFETCH(QString, country);
        QFETCH(QString, expected);

        if (expected
            == QStringLiteral("QNetworkReply %1").arg(QNetworkReply::ConnectionRefusedError)) {
            const QByteArray gone = fixture->baseUrl().toEncoded();
            fixture.reset();
            qputenv("VELLUMAR_CATALOGUE_URL", gone);
        }
        const auto checkTraffic = [&] {
            if (expected == QStringLiteral("AppStoreAPI -1"))
                QVERIFY(fixture->requestLines().isEmpty());
        };
        if (!term.isEmpty())
            QCOMPARE(outcome(await(AppStoreAPI::search(term, country))), expected);
        checkTraffic();
        if (id == 0)
            return;
        QCOMPARE(outcome(await(AppStoreAPI::lookup(id, country))), expected);

        std::optional<Result<DetailedAppInfo>> delivered;
        int calls = 0;
        AppStoreAPI::lookup(id, country, [&](Result<DetailedAppInfo> result) {
            ++calls;
            delivered = std::move(result);
        });
        QCOMPARE(calls, 0); // never before the call returns
        QTRY_COMPARE(calls, 1);
        QCOMPARE(outcome(*delivered), expected);
        QTest::qWait(50);
        QCOMPARE(calls, 1);
        checkTraffic();
    }

    void lookupTakesFirstOfTwo()
    {
        const Result<DetailedAppInfo> info
            = await(AppStoreAPI::lookup(FixtureCatalogue::twoResultsId, QStringLiteral("CN")));
        QVERIFY(info);
        QCOMPARE(info.value().trackName, QStringLiteral("Harbor Maps"));
        QCOMPARE(info.value().screenshotUrls, fixture->screenshotUrls(284910350, 2));
    }

    void addressRules_data()
    {
        QTest::addColumn<QString>("catalogue"); // VELLUMAR_CATALOGUE_URL; empty: unset
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("allowed");

        const auto row
            = [](const char *name, const char *catalogue, const char *address, bool allowed) {
                  QTest::newRow(name)
                      << QString::fromUtf8(catalogue) << QString::fromUtf8(address) << allowed;
              };
        const char *local = "http://127.0.0.1:8123";
        row("https anywhere", local, "https://cdn.test/a.png", true);
        row("the loopback catalogue", local, "http://127.0.0.1:8123/x", true);
        row("another port", local, "http://127.0.0.1:8124/x", false);
        row("another loopback name", local, "http://localhost:8123/x", false);
        row("http elsewhere", local, "http://cdn.test/a.png", false);
        row("file", local, "file:///etc/passwd", false);
        row("ipv6 loopback", "http://[::1]:9000", "http://[::1]:9000/a", true);
        row("localhost", "http://LocalHost:9000", "http://localhost:9000/a", true);
        row("127/8", "http://127.1.2.3", "http://127.1.2.3:80/a", true);
        row("not loopback", "http://mirror.test", "http://mirror.test/a", false);
        row("unset", "", "http://127.0.0.1/a", false);
    }

    void addressRules()
    {
        QFETCH(QString, catalogue);
        QFETCH(QString, address);
        QFETCH(bool, allowed);

        fixture.reset();
        if (catalogue.isEmpty())
            qunsetenv("VELLUMAR_CATALOGUE_URL");
        else
            qputenv("VELLUMAR_CATALOGUE_URL", catalogue.toUtf8());
        const std::optional<Error> refusal = NetworkPolicy::refusalFor(QUrl(address));
        qunsetenv("VELLUMAR_CATALOGUE_URL");
        QVERIFY2(refusal.has_value() != allowed, qPrintable(outcome(refusal)));
    }

    void defaultCatalogueIsHttps()
    {
        fixture.reset();
        QCOMPARE(AppStoreAPI::searchUrl(QStringLiteral("a b"), QStringLiteral("US"))->toEncoded(),
            QByteArray("https://itunes.apple.com/search?term=a%20b&country=US&entity=software"));
        QCOMPARE(AppStoreAPI::lookupUrl(42, QStringLiteral("CN"))->toEncoded(),
            QByteArray("https://itunes.apple.com/lookup?id=42&country=CN"));
    }

    // Refused transfers fail without a byte on the network; allowed
    // redirects are followed.
    void refusals()
    {
        const QUrl otherPort(
            QStringLiteral("http://127.0.0.1:%1/art/1/512x512bb.png").arg(fixture->port() + 1));
        QCOMPARE(await(AppStoreAPI::downloadImageData(otherPort)), std::nullopt);

        const std::unique_ptr<QNetworkReply> reply(
            NetworkPolicy::sharedNetworkAccessManager().get(QNetworkRequest(otherPort)));
        QTRY_VERIFY(reply->isFinished());
        QCOMPARE(outcome(NetworkPolicy::errorOf(reply.get())),
            QStringLiteral("NetworkPolicy %1").arg(NetworkPolicy::InsecureAddress));

        const auto redirected
            = await(AppStoreAPI::search(FixtureCatalogue::redirectHttpTerm, QStringLiteral("US")));
        QCOMPARE(outcome(redirected),
            QStringLiteral("NetworkPolicy %1").arg(NetworkPolicy::InsecureRedirect));
        QCOMPARE(fixture->requestLines().size(), 1);

        const auto followed
            = await(AppStoreAPI::search(FixtureCatalogue::redirectTerm, QStringLiteral("US")));
        QVERIFY(followed);
        QCOMPARE(followed.value().first().trackName, QStringLiteral("Lantern Notes"));
        QCOMPARE(fixture->lastRequestLine(),
            QByteArray("GET /search?term=lantern&country=US&entity=software"));
    }

    void timeout()
    {
        NetworkPolicy::setTransferTimeout(300ms);
        const auto stalled
            = await(AppStoreAPI::search(FixtureCatalogue::stallTerm, QStringLiteral("US")));
        QCOMPARE(
            outcome(stalled), QStringLiteral("QNetworkReply %1").arg(QNetworkReply::TimeoutError));
        QCOMPARE(await(AppStoreAPI::downloadImageData(fixture->stallingImageUrl())), std::nullopt);
    }

    void sizeLimits()
    {
        const QString tooLarge = QStringLiteral("NetworkPolicy %1").arg(NetworkPolicy::TooLarge);
        QCOMPARE(outcome(await(
                     AppStoreAPI::search(FixtureCatalogue::oversizedTerm, QStringLiteral("US")))),
            tooLarge);
        QCOMPARE(outcome(await(AppStoreAPI::search(
                     FixtureCatalogue::oversizedUndeclaredTerm, QStringLiteral("US")))),
            tooLarge);
        QCOMPARE(await(AppStoreAPI::downloadImageData(fixture->oversizedImageUrl())), std::nullopt);
    }

    // Bytes come back whatever they are; reading them is the caller's job.
    void imageDownload_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("format"); // empty: not an image
        QTest::addColumn<QSize>("size");

        const auto row = [](const char *path, const char *format, QSize size) {
            QTest::newRow(path) << QString::fromUtf8(path) << QByteArray(format) << size;
        };
        row("/art/1234567890123/1024x1024bb.png", "png", QSize(1024, 1024));
        row("/art/7/512x512bb.jpg", "jpeg", QSize(512, 512));
        row("/shots/7-1/392x696bb.png", "png", QSize(392, 696));
        row("/art/special/bomb.png", "png", QSize(100000, 100000));
        row("/art/special/not-an-image.png", "", QSize(-1, -1));
        row("/art/nowhere.png", "", QSize(-1, -1)); // a 404 page
    }

    void imageDownload()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, format);
        QFETCH(QSize, size);

        std::optional<QByteArray> bytes
            = await(AppStoreAPI::downloadImageData(fixture->baseUrl().resolved(QUrl(path))));
        QVERIFY(bytes && !bytes->isEmpty());
        QCOMPARE(fixture->lastRequestLine(), "GET " + path.toUtf8());
        QBuffer buffer(&*bytes);
        QImageReader reader(&buffer);
        QCOMPARE(reader.format(), format);
        QCOMPARE(reader.size(), size);
    }
};

VELLUMAR_TEST_MAIN(TestAppStoreAPI)
#include "tst_appstoreapi.moc"
