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

// "domain code" of the error, or "ok".
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
const QString us = QStringLiteral("US");

// QCoro::waitFor needs a default-constructible result, which Result is not.
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

    // The exact request line, and each failure for search and both lookup forms.
    void requests_data()
    {
        QTest::addColumn<QString>("term"); // empty: no search
        QTest::addColumn<qint64>("id"); // 0: no lookup
        QTest::addColumn<QString>("country");
        QTest::addColumn<QString>("expected"); // "domain code" or "ok"
        QTest::addColumn<QByteArray>("line"); // the first request line, if given

        const auto row
            = [](const char *name, const QString &term, qint64 id, const QString &expected,
                  const char *country = "CN", const char *line = "") {
                  QTest::newRow(name)
                      << term << id << QString::fromUtf8(country) << expected << QByteArray(line);
              };
        const auto search = [&](const char *term, const char *country, const char *query) {
            row(term, QString::fromUtf8(term), 0, QStringLiteral("ok"), country,
                "GET /search?term=" + QByteArray(query) + "&entity=software");
        };
        search("hello world", "US", "hello%20world&country=US");
        search("微信", "CN", "%E5%BE%AE%E4%BF%A1&country=CN");
        search("a&b=c", "CN", "a&b=c&country=CN"); // the service sees separators
        search("#1 100%", "CN", "%231%20100%25&country=CN");
        search("lantern", "cn", "lantern&country=cn");
        const QString urlInvalid = QStringLiteral("AppStoreAPI -1");
        const QString transport = QStringLiteral("QNetworkReply %1");
        row("address cannot be formed", QStringLiteral("x"), 1, urlInvalid, "C N");
        row("term cannot be encoded", QString(QChar(0xD800)), 0, urlInvalid);
        row("error page", FixtureCatalogue::errorPageTerm, FixtureCatalogue::errorPageId,
            decodingError + QStringLiteral(" 1"));
        row("missing key", FixtureCatalogue::malformedTerm, 0,
            decodingError + QStringLiteral(" 2"));
        row("empty results", FixtureCatalogue::emptyTerm, 0, QStringLiteral("ok"));
        row("unknown id", QString(), -5, QStringLiteral("AppStoreAPI -2"), "us",
            "GET /lookup?id=-5&country=us");
        row("truncated", FixtureCatalogue::truncatedTerm, 0,
            transport.arg(QNetworkReply::RemoteHostClosedError));
        row("server gone", QStringLiteral("lantern"), 1234567890123,
            transport.arg(QNetworkReply::ConnectionRefusedError));
        row("stalled", FixtureCatalogue::stallTerm, 0, transport.arg(QNetworkReply::TimeoutError));
        const QString policy = QStringLiteral("NetworkPolicy %1");
        row("redirect to http", FixtureCatalogue::redirectHttpTerm, 0,
            policy.arg(NetworkPolicy::InsecureRedirect));
        row("too large", FixtureCatalogue::oversizedTerm, 0, policy.arg(NetworkPolicy::TooLarge));
        row("too large, undeclared", FixtureCatalogue::oversizedUndeclaredTerm, 0,
            policy.arg(NetworkPolicy::TooLarge));
    }

    void requests()
    {
        QFETCH(QString, term);
        QFETCH(qint64, id);
        QFETCH(QString, country);
        QFETCH(QString, expected);
        QFETCH(QByteArray, line);

        NetworkPolicy::setTransferTimeout(1s);
        if (QByteArray(QTest::currentDataTag()) == "server gone") {
            const QByteArray gone = fixture->baseUrl().toEncoded();
            fixture.reset();
            qputenv("VELLUMAR_CATALOGUE_URL", gone);
        }
        if (!term.isEmpty())
            QCOMPARE(outcome(await(AppStoreAPI::search(term, country))), expected);
        if (id != 0) {
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
            QTest::qWait(50); // room for a second call that must not come
            QCOMPARE(calls, 1);
        }
        if (expected == QStringLiteral("AppStoreAPI -1"))
            QVERIFY(fixture->requestLines().isEmpty());
        if (!line.isEmpty())
            QCOMPARE(fixture->requestLines().first(), line);
    }

    void addressRules()
    {
        fixture.reset();
        const char *local = "http://127.0.0.1:8123";
        const struct
        {
            const char *catalogue, *address;
            bool allowed;
        } rules[] = { { local, "https://cdn.test/a.png", true },
            { local, "http://127.0.0.1:8123/x", true }, { local, "http://127.0.0.1:8124/x", false },
            { local, "http://cdn.test/a.png", false },
            { "http://[::1]:9000", "http://[::1]:9000/a", true },
            { "http://LocalHost:9000", "http://localhost:9000/a", true },
            { "http://mirror.test", "http://mirror.test/a", false } };
        for (const auto &rule : rules) {
            qputenv("VELLUMAR_CATALOGUE_URL", rule.catalogue);
            const std::optional<Error> refusal
                = NetworkPolicy::refusalFor(QUrl(QString::fromUtf8(rule.address)));
            QVERIFY2(refusal.has_value() != rule.allowed, rule.address);
        }

        // The real catalogue: https only, plain http refused even on loopback.
        qunsetenv("VELLUMAR_CATALOGUE_URL");
        QVERIFY(NetworkPolicy::refusalFor(QUrl(QStringLiteral("http://127.0.0.1/a"))));
        QCOMPARE(AppStoreAPI::searchUrl(QStringLiteral("a b"), us)->toEncoded(),
            QByteArray("https://itunes.apple.com/search?term=a%20b&country=US&entity=software"));
        QCOMPARE(AppStoreAPI::lookupUrl(42, QStringLiteral("CN"))->toEncoded(),
            QByteArray("https://itunes.apple.com/lookup?id=42&country=CN"));
    }

    // What the failure table cannot show: the first of two items, a redirect
    // that stays on the catalogue, and the policy applied to every transfer.
    void answersAndRefusals()
    {
        const auto first = await(AppStoreAPI::lookup(FixtureCatalogue::twoResultsId, us));
        QVERIFY(first);
        QCOMPARE(first.value().trackName, QStringLiteral("Harbor Maps"));
        QCOMPARE(first.value().screenshotUrls, fixture->screenshotUrls(284910350, 2));

        const QUrl otherPort(QStringLiteral("http://127.0.0.1:%1/art/1/512x512bb.png")
                                 .arg(fixture->baseUrl().port() + 1));
        const std::unique_ptr<QNetworkReply> reply(
            NetworkPolicy::sharedNetworkAccessManager().get(QNetworkRequest(otherPort)));
        QTRY_VERIFY(reply->isFinished());
        QCOMPARE(outcome(NetworkPolicy::errorOf(reply.get())),
            QStringLiteral("NetworkPolicy %1").arg(NetworkPolicy::InsecureAddress));

        const auto followed = await(AppStoreAPI::search(FixtureCatalogue::redirectTerm, us));
        QVERIFY(followed);
        QCOMPARE(followed.value().first().trackName, QStringLiteral("Lantern Notes"));
        QCOMPARE(fixture->lastRequestLine(),
            QByteArray("GET /search?term=lantern&country=US&entity=software"));
    }

    // Bytes come back whatever they are; the caller decodes them. Transfers
    // that stall or grow too large deliver nothing.
    void imageDownload_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("format"); // empty: not an image; "none": nothing
        QTest::addColumn<QSize>("size");

        const auto row = [](const char *path, const char *format, QSize size) {
            QTest::newRow(path) << QString::fromUtf8(path) << QByteArray(format) << size;
        };
        row("/art/1234567890123/1024x1024bb.png", "png", QSize(1024, 1024));
        row("/art/7/512x512bb.jpg", "jpeg", QSize(512, 512));
        row("/art/nowhere.png", "", QSize(-1, -1)); // a 404 page, status unexamined
        row("/art/special/stall.png", "none", QSize());
        row("/art/special/oversized.png", "none", QSize());
    }

    void imageDownload()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, format);
        QFETCH(QSize, size);

        NetworkPolicy::setTransferTimeout(1s);
        std::optional<QByteArray> bytes
            = await(AppStoreAPI::downloadImageData(fixture->baseUrl().resolved(QUrl(path))));
        QCOMPARE(fixture->lastRequestLine(), "GET " + path.toUtf8());
        if (format == "none") {
            QCOMPARE(bytes, std::nullopt);
            return;
        }
        QVERIFY(bytes && !bytes->isEmpty());
        QBuffer buffer(&*bytes);
        QImageReader reader(&buffer);
        QCOMPARE(reader.format(), format);
        QCOMPARE(reader.size(), size);
    }
};

VELLUMAR_TEST_MAIN(TestAppStoreAPI)
#include "tst_appstoreapi.moc"
