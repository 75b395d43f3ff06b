#include "AppStoreAPI.h"

#include "CatalogueAnswers.h"
#include "NetworkPolicy.h"

#include <QCoreApplication>
#include <QCoroNetworkReply>
#include <QNetworkReply>
#include <QNetworkRequest>

#include <cstring>
#include <memory>

namespace {

Error urlInvalidError()
{
    //: Invalid URL error
    return Error { AppStoreAPI::errorDomain, AppStoreAPI::UrlInvalid, qtTrId("url_invalid") };
}

Error appNotFoundError()
{
    //: App not found error
    return Error { AppStoreAPI::errorDomain, AppStoreAPI::AppNotFound, qtTrId("app_not_found") };
}

// The scheme, host and port of the catalogue followed by `pathAndQuery`,
// parsed strictly so that the bytes built here are the bytes sent.
std::optional<QUrl> catalogueAddress(const QByteArray &pathAndQuery)
{
    const QByteArray address = NetworkPolicy::catalogueBaseUrl().toEncoded() + pathAndQuery;
    const QUrl url = QUrl::fromEncoded(address, QUrl::StrictMode);
    if (!url.isValid())
        return std::nullopt;
    return url;
}

struct DeleteLater
{
    void operator()(QObject *object) const { object->deleteLater(); }
};

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
        co_return *error;
    co_return reply->readAll();
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

std::optional<QByteArray> AppStoreAPI::percentEncodeTerm(const QString &term)
{
    if (!term.isValidUtf16())
        return std::nullopt;
    static constexpr char hex[] = "0123456789ABCDEF";
    const QByteArray utf8 = term.toUtf8();
    QByteArray encoded;
    encoded.reserve(utf8.size() * 3);
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        const bool alphanumeric = (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z')
            || (byte >= '0' && byte <= '9');
        if (alphanumeric || std::strchr("-._~!$&'()*+,;=:@/?", c) != nullptr) {
            encoded.append(c);
        } else {
            encoded.append('%');
            encoded.append(hex[byte >> 4]);
            encoded.append(hex[byte & 0xF]);
        }
    }
    return encoded;
}

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
    const std::optional<QUrl> url = searchUrl(term, country);
    if (!url)
        co_return urlInvalidError();
    const Result<QByteArray> body = co_await fetch(*url, NetworkPolicy::catalogueAnswerLimit);
    if (!body)
        co_return body.error();
    Result<SearchResult> answer = SearchResult::decode(body.value());
    if (!answer)
        co_return answer.error();
    co_return std::move(answer).value().results;
}

QCoro::Task<Result<DetailedAppInfo>> AppStoreAPI::lookup(qint64 id, QString country)
{
    const std::optional<QUrl> url = lookupUrl(id, country);
    if (!url)
        co_return urlInvalidError();
    const Result<QByteArray> body = co_await fetch(*url, NetworkPolicy::catalogueAnswerLimit);
    if (!body)
        co_return body.error();
    Result<LookupResult> answer = LookupResult::decode(body.value());
    if (!answer)
        co_return answer.error();
    if (answer.value().results.isEmpty())
        co_return appNotFoundError();
    co_return answer.value().results.first();
}

void AppStoreAPI::lookup(
    qint64 id, QString country, std::function<void(Result<DetailedAppInfo>)> completion)
{
    // The task runs on by itself; it frees itself when it ends.
    deliverLookup(id, std::move(country), std::move(completion));
}

QCoro::Task<std::optional<QByteArray>> AppStoreAPI::downloadImageData(QUrl url)
{
    Result<QByteArray> body = co_await fetch(url, NetworkPolicy::imageLimit);
    if (!body)
        co_return std::nullopt;
    co_return std::move(body).value();
}
