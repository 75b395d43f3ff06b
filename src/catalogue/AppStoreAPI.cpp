#include "AppStoreAPI.h"

#include "CatalogueAnswers.h"
#include "NetworkPolicy.h"

#include <QCoreApplication>
#include <QCoroNetworkReply>
#include <QNetworkReply>
#include <QNetworkRequest>

#include <memory>

namespace {

struct DeleteLater
{
    void operator()(QObject *object) const { object->deleteLater(); }
};

// The scheme, host and port of the catalogue followed by `pathAndQuery`.
std::optional<QUrl> catalogueAddress(const QByteArray &pathAndQuery)
{
    // Parsed strictly, so that the bytes built here are the bytes sent.
    const QUrl url = QUrl::fromEncoded(
        NetworkPolicy::catalogueBaseUrl().toEncoded() + pathAndQuery, QUrl::StrictMode);
    return url.isValid() ? std::optional(url) : std::nullopt;
}

// Writes the technical side of a failed request to the console.
Error logged(Error error, const QUrl &url)
{
    qCWarning(lcVellumar).noquote()
        << url.toDisplayString() << error.domain << error.code << error.detail;
    return error;
}

// GETs `url` through the shared manager and returns the whole body, or the
// error of the refusal or the transfer. The status code is not examined.
QCoro::Task<Result<QByteArray>> fetch(QUrl url, qint64 sizeLimit)
{
    QNetworkRequest request(url);
    NetworkPolicy::setSizeLimit(request, sizeLimit);
    const std::unique_ptr<QNetworkReply, DeleteLater> reply(
        NetworkPolicy::sharedNetworkAccessManager().get(request));
    co_await reply.get();
    if (std::optional<Error> error = NetworkPolicy::errorOf(reply.get()))
        co_return logged(*error, url);
    co_return reply->readAll();
}

// The one way to the catalogue: address, fetch, decode.
template<typename Answer>
QCoro::Task<Result<Answer>> ask(std::optional<QUrl> url)
{
    if (!url) {
        co_return logged(Error { AppStoreAPI::errorDomain, AppStoreAPI::UrlInvalid,
                             QStringLiteral("the request address cannot be formed"),
                             Error::Kind::invalidAddress },
            QUrl());
    }
    const Result<QByteArray> body = co_await fetch(*url, NetworkPolicy::catalogueAnswerLimit);
    if (!body)
        co_return body.error();
    Result<Answer> answer = Answer::decode(body.value());
    if (!answer)
        co_return logged(answer.error(), *url);
    co_return answer;
}

// The term as it goes into the query: ASCII letters, digits and
// -._~!$&'()*+,;=:@/? stay, every other character becomes its UTF-8 bytes as
// %XX. Nothing for a string that is not valid UTF-16.
std::optional<QByteArray> percentEncodeTerm(const QString &term)
{
    if (!term.isValidUtf16())
        return std::nullopt;
    return term.toUtf8().toPercentEncoding("!$&'()*+,;=:@/?");
}

QCoro::Task<> deliverLookup(
    qint64 id, QString country, std::function<void(Result<DetailedAppInfo>)> completion)
{
    Result<DetailedAppInfo> result = co_await AppStoreAPI::lookup(id, country);
    // Always a later turn of the event loop, even when the answer was known
    // at once (an address that cannot be formed).
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [completion = std::move(completion), result = std::move(result)] { completion(result); },
        Qt::QueuedConnection);
}

} // namespace

std::optional<QUrl> AppStoreAPI::searchUrl(const QString &term, const QString &country)
{
    const std::optional<QByteArray> encodedTerm = percentEncodeTerm(term);
    if (!encodedTerm)
        return std::nullopt;
    return catalogueAddress(
        "/search?term=" + *encodedTerm + "&country=" + country.toUtf8() + "&entity=software");
}

std::optional<QUrl> AppStoreAPI::lookupUrl(qint64 id, const QString &country)
{
    return catalogueAddress(
        "/lookup?id=" + QByteArray::number(id) + "&country=" + country.toUtf8());
}

QCoro::Task<Result<QList<AppItem>>> AppStoreAPI::search(QString term, QString country)
{
    Result<SearchResult> answer = co_await ask<SearchResult>(searchUrl(term, country));
    if (!answer)
        co_return answer.error();
    co_return std::move(answer).value().results;
}

QCoro::Task<Result<DetailedAppInfo>> AppStoreAPI::lookup(qint64 id, QString country)
{
    const std::optional<QUrl> url = lookupUrl(id, country);
    const Result<LookupResult> answer = co_await ask<LookupResult>(url);
    if (!answer)
        co_return answer.error();
    if (answer.value().results.isEmpty()) {
        co_return logged(Error { errorDomain, AppNotFound, QStringLiteral("no item in the answer"),
                             Error::Kind::notFound },
            *url);
    }
    co_return answer.value().results.first();
}

void AppStoreAPI::lookup(
    qint64 id, QString country, std::function<void(Result<DetailedAppInfo>)> completion)
{
    // The task runs on by itself; it frees itself when it ends.
    deliverLookup(id, std::move(country), std::move(completion));
}

QCoro::Task<Result<QByteArray>> AppStoreAPI::downloadImageData(QUrl url)
{
    return fetch(std::move(url), NetworkPolicy::imageLimit);
}
