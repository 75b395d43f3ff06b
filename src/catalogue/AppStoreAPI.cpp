// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AppStoreAPI.h"

#include "CatalogueAnswers.h"
#include "CataloguePacer.h"
#include "NetworkPolicy.h"

#include <QCoreApplication>
#include <QCoroNetworkReply>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QRegularExpression>

#include <algorithm>
#include <memory>

namespace {

struct DeleteLater
{
    void operator()(QObject *object) const
    {
        object->disconnect();
        object->deleteLater();
    }
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
    qCWarning(lcCatalogue).noquote()
        << url.toDisplayString() << error.domain << error.code << error.detail;
    return error;
}

// A body, the HTTP status it came with, the seconds a Retry-After header
// asks for (-1 without one), and where a redirect leads (empty for none).
struct Body
{
    int status = 0;
    QByteArray bytes;
    int retryAfter = -1;
    QUrl redirect;
};

const Error abandoned { AppStoreAPI::errorDomain, AppStoreAPI::Abandoned,
    QStringLiteral("no longer wanted"), Error::Kind::unknown };

// One GET of `url` through `network`: the whole body, or the error of the
// refusal or the transfer.
QCoro::Task<Result<Body>> fetchOne(QNetworkAccessManager &network, QUrl url, qint64 sizeLimit)
{
    QNetworkRequest request(url);
    NetworkPolicy::setSizeLimit(request, sizeLimit);
    const std::unique_ptr<QNetworkReply, DeleteLater> reply(network.get(request));
    // Taken as it comes, so little ever waits in the reply, and kept in pieces
    // until the end: a growing buffer would be copied, and hold twice the bytes.
    reply->setReadBufferSize(256 * 1024);
    QByteArrayList pieces;
    QObject::connect(reply.get(), &QNetworkReply::readyRead, reply.get(),
        [&pieces, reply = reply.get()] { pieces.append(reply->readAll()); });
    co_await reply.get();
    if (std::optional<Error> error = NetworkPolicy::errorOf(reply.get()))
        co_return logged(*error, url);
    const Result<std::optional<QUrl>> redirect = NetworkPolicy::redirectOf(reply.get());
    if (!redirect)
        co_return logged(redirect.error(), url);
    pieces.append(reply->readAll());
    bool seconds = false;
    const int retryAfter = reply->rawHeader("Retry-After").trimmed().toInt(&seconds);
    co_return Body { reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(),
        pieces.join(), seconds && retryAfter >= 0 ? retryAfter : -1,
        redirect.value().value_or(QUrl()) };
}

// fetchOne() along the redirects, each hop asked once, maxRedirects at most;
// none once the manager is gone.
QCoro::Task<Result<Body>> fetch(QPointer<QNetworkAccessManager> network, QUrl url, qint64 sizeLimit)
{
    for (int hop = 0;; ++hop) {
        if (!network)
            co_return abandoned;
        Result<Body> body = co_await fetchOne(*network, url, sizeLimit);
        if (!body || body.value().redirect.isEmpty())
            co_return body;
        if (hop == NetworkPolicy::maxRedirects)
            co_return logged(NetworkPolicy::tooManyRedirects(url), url);
        url = body.value().redirect;
    }
}

bool isRateLimited(const Body &body)
{
    return body.status == 403 || body.status == 429;
}

// What an answer that does not decode says about the failure. The service
// limits how often it may be asked, with an empty body, and names what it
// rejects in "errorMessage".
Error failureOf(const Body &body, Error decodingError)
{
    if (isRateLimited(body))
        return Error { AppStoreAPI::errorDomain, AppStoreAPI::RateLimited,
            QStringLiteral("status %1").arg(body.status), Error::Kind::rateLimited };
    const QJsonValue message
        = QJsonDocument::fromJson(body.bytes)[QLatin1StringView("errorMessage")];
    if (message.isString()) {
        // "Invalid value(s) for key(s): [country]" is a region without a store;
        // any other key is a request the service did not take.
        static const QRegularExpression countryKey(
            QStringLiteral("\\bcountry\\b"), QRegularExpression::CaseInsensitiveOption);
        return Error { AppStoreAPI::errorDomain, AppStoreAPI::Rejected, message.toString(),
            countryKey.match(message.toString()).hasMatch() ? Error::Kind::regionNotServed
                                                            : Error::Kind::requestRejected };
    }
    return decodingError;
}

// The term as it goes into the query: ASCII letters, digits and
// -._~!$'()*,;:@/? stay, every other character becomes its UTF-8 bytes as %XX.
// "&", "=" and "+" are encoded too: the service would read them as separators
// and as a space. Nothing for a string that is not valid UTF-16.
std::optional<QByteArray> percentEncodeTerm(const QString &term)
{
    if (!term.isValidUtf16())
        return std::nullopt;
    return term.toUtf8().toPercentEncoding("!$'()*,;:@/?");
}

} // namespace

AppStoreAPI::AppStoreAPI(QObject *parent)
    : QObject(parent)
{ }

AppStoreAPI::~AppStoreAPI()
{
    // What awaits a transfer hears of its end now, while everything it may
    // still touch is here, and asks for nothing more.
    m_closing = true;
    if (m_network) {
        for (QNetworkReply *reply : m_network->findChildren<QNetworkReply *>())
            reply->abort();
    }
}

QNetworkAccessManager *AppStoreAPI::network()
{
    if (!m_network)
        m_network = NetworkPolicy::createNetworkAccessManager(this);
    return m_network;
}

bool AppStoreAPI::gone(const QPointer<AppStoreAPI> &self, const StillWanted &wanted)
{
    return !self || self->m_closing || (wanted && !wanted());
}

// The one way to the catalogue: address, a turn of the pacer, fetch, decode.
// The status is looked at only when the body does not decode. Asked to slow
// down, it waits as the service says, or 2, 4 and 8 seconds, and asks again,
// three times at most; a Retry-After beyond a minute counts as one.
template<typename Answer>
QCoro::Task<Result<Answer>> AppStoreAPI::ask(std::optional<QUrl> url, StillWanted wanted)
{
    if (!url) {
        co_return logged(
            Error { errorDomain, UrlInvalid, QStringLiteral("the request address cannot be formed"),
                Error::Kind::invalidAddress },
            QUrl());
    }
    const QPointer<AppStoreAPI> self(this);
    constexpr int retries = 3;
    for (int retry = 0;; ++retry) {
        if (gone(self, wanted))
            co_return abandoned;
        co_await m_pacer.takeTurn();
        if (gone(self, wanted)) {
            if (self)
                m_pacer.giveBack();
            co_return abandoned;
        }
        const Result<Body> body
            = co_await fetch(network(), *url, NetworkPolicy::catalogueAnswerLimit);
        if (!body)
            co_return body.error();
        Result<Answer> answer = Answer::decode(body.value().bytes);
        if (answer)
            co_return answer;
        if (!isRateLimited(body.value()) || retry == retries)
            co_return logged(failureOf(body.value(), answer.error()), *url);
        const int asked = body.value().retryAfter;
        co_await CataloguePacer::wait(asked >= 0 ? std::min(asked, 60) : 2 << retry);
    }
}

QCoro::Task<> AppStoreAPI::deliverLookup(qint64 id, QString country,
    std::function<void(Result<DetailedAppInfo>)> completion, StillWanted wanted)
{
    Result<DetailedAppInfo> result = co_await lookup(id, country, std::move(wanted));
    // Always a later turn of the event loop, even when the answer was known
    // at once (an address that cannot be formed).
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [completion = std::move(completion), result = std::move(result)] { completion(result); },
        Qt::QueuedConnection);
}

std::optional<QUrl> AppStoreAPI::searchUrl(
    const QString &term, const QString &country, Platform platform)
{
    const std::optional<QByteArray> encodedTerm = percentEncodeTerm(term);
    if (!encodedTerm)
        return std::nullopt;
    return catalogueAddress("/search?term=" + *encodedTerm + "&country=" + country.toUtf8()
        + "&entity=" + searchEntity(platform));
}

std::optional<QUrl> AppStoreAPI::lookupUrl(qint64 id, const QString &country)
{
    return lookupUrl("id", { QString::number(id) }, country);
}

std::optional<QUrl> AppStoreAPI::lookupUrl(
    QByteArrayView key, const QStringList &values, const QString &country)
{
    // Ids are digits and bundle ids letters, digits, "-", "_" and dots: nothing to encode.
    static const QRegularExpression plain(QRegularExpression::anchoredPattern(u"[A-Za-z0-9._-]+"));
    for (const QString &value : values) {
        if (!plain.match(value).hasMatch() && !(key == "id" && value.startsWith(u'-')))
            return std::nullopt;
    }
    return catalogueAddress("/lookup?" + key.toByteArray() + '=' + values.join(u',').toLatin1()
        + "&country=" + country.toUtf8());
}

QCoro::Task<Result<QList<AppItem>>> AppStoreAPI::search(
    QString term, QString country, Platform platform, StillWanted wanted)
{
    Result<SearchResult> answer
        = co_await ask<SearchResult>(searchUrl(term, country, platform), std::move(wanted));
    if (!answer)
        co_return answer.error();
    co_return std::move(answer).value().results;
}

std::optional<QUrl> AppStoreAPI::directLookupUrl(const QString &term, const QString &country)
{
    static const QRegularExpression id(QRegularExpression::anchoredPattern(u"[0-9]{8,}"));
    static const QRegularExpression bundleId(
        QRegularExpression::anchoredPattern(u"[A-Za-z0-9_-]+(\\.[A-Za-z0-9_-]+)+"));
    const QByteArray key = id.match(term).hasMatch() ? "id"
        : bundleId.match(term).hasMatch()            ? "bundleId"
                                                     : QByteArray();
    if (key.isEmpty())
        return std::nullopt;
    return catalogueAddress(
        "/lookup?" + key + '=' + term.toLatin1() + "&country=" + country.toUtf8());
}

QCoro::Task<Result<QList<AppItem>>> AppStoreAPI::lookupApps(
    std::optional<QUrl> url, StillWanted wanted)
{
    Result<SearchResult> answer = co_await ask<SearchResult>(std::move(url), std::move(wanted));
    if (!answer)
        co_return answer.error();
    co_return std::move(answer).value().results;
}

QCoro::Task<Result<QList<AppItem>>> AppStoreAPI::developerApps(
    qint64 artistId, QString country, StillWanted wanted)
{
    return lookupApps(catalogueAddress("/lookup?id=" + QByteArray::number(artistId)
                          + "&entity=software&country=" + country.toUtf8()),
        std::move(wanted));
}

QCoro::Task<Result<QList<AppItem>>> AppStoreAPI::findApps(
    QString term, QString country, Platform platform, StillWanted wanted)
{
    QList<AppItem> found;
    if (const std::optional<QUrl> url = directLookupUrl(term, country)) {
        const Result<QList<AppItem>> looked = co_await lookupApps(url, wanted);
        if (looked)
            found = looked.value();
    }
    Result<QList<AppItem>> hits = co_await search(term, country, platform, std::move(wanted));
    if (!hits && found.isEmpty())
        co_return hits;
    for (const AppItem &hit : hits ? hits.value() : QList<AppItem>()) {
        if (std::none_of(found.cbegin(), found.cend(),
                [&hit](const AppItem &app) { return app.trackId == hit.trackId; }))
            found.append(hit);
    }
    co_return found;
}

namespace {

// What a record is looked up by.
QString valueOf(const AppItem &app, QByteArrayView key)
{
    return key == "id" ? QString::number(app.trackId) : app.bundleId.value_or(QString());
}
QString valueOf(const DetailedAppInfo &app, QByteArrayView key)
{
    return key == "id" ? QString::number(app.trackId) : app.bundleId;
}

} // namespace

template<typename Record>
QCoro::Task<QList<Result<Record>>> AppStoreAPI::lookupGroup(
    QByteArray key, QStringList values, QString country, StillWanted wanted)
{
    const std::optional<QUrl> url = lookupUrl(key, values, country);
    const Result<CatalogueAnswer<Record>> answer
        = co_await ask<CatalogueAnswer<Record>>(url, std::move(wanted));
    QList<Result<Record>> found;
    if (!answer) {
        for (qsizetype i = 0; i < values.size(); ++i)
            found.append(answer.error());
        co_return found;
    }
    const QList<Record> &records = answer.value().results;
    for (const QString &value : std::as_const(values)) {
        // Bundle ids are matched as the service does, whatever their case.
        const auto match = std::find_if(records.cbegin(), records.cend(), [&](const Record &r) {
            return valueOf(r, key).compare(value, Qt::CaseInsensitive) == 0;
        });
        if (match != records.cend())
            found.append(*match);
        // Asked for one, the service's answer is that one, whatever its id says.
        else if (values.size() == 1 && !records.isEmpty())
            found.append(records.first());
        else
            found.append(logged(
                Error { errorDomain, AppNotFound,
                    QStringLiteral("no item for %1 %2").arg(key, value), Error::Kind::notFound },
                *url));
    }
    co_return found;
}

template<typename Record>
QCoro::Task<QList<Result<Record>>> AppStoreAPI::lookupGroups(
    QByteArray key, QStringList values, QString country, StillWanted wanted)
{
    const QPointer<AppStoreAPI> self(this);
    const bool bundleIds = key == "bundleId";
    QList<Result<Record>> found;
    found.reserve(values.size());
    for (qsizetype start = 0; start < values.size(); start += lookupGroupSize) {
        const QStringList group = values.mid(start, lookupGroupSize);
        if (bundleIds && group.size() > 1 && self && self->m_bundleIdLists == ListAnswer::first) {
            for (const QString &value : group) {
                const QList<Result<Record>> alone
                    = co_await lookupGroup<Record>(key, QStringList(value), country, wanted);
                found.append(alone.first());
            }
            continue;
        }
        QList<Result<Record>> answered = co_await lookupGroup<Record>(key, group, country, wanted);
        if (bundleIds && group.size() > 1 && self && self->m_bundleIdLists == ListAnswer::unknown) {
            const auto count = std::count_if(
                answered.cbegin(), answered.cend(), [](const auto &r) { return r.ok(); });
            if (count > 1) {
                self->m_bundleIdLists = ListAnswer::whole;
            } else {
                // One app or none for a list: the service may read only one of
                // its values. Each missing one asked alone tells.
                for (qsizetype i = 0; i < group.size(); ++i) {
                    if (answered[i] || answered[i].error().code != AppNotFound)
                        continue;
                    const QList<Result<Record>> alone
                        = co_await lookupGroup<Record>(key, QStringList(group[i]), country, wanted);
                    answered[i] = alone.first();
                    if (answered[i] && self)
                        self->m_bundleIdLists = ListAnswer::first;
                }
            }
        }
        found.append(answered);
    }
    co_return found;
}

namespace {

QStringList decimal(const QList<qint64> &ids)
{
    QStringList values;
    values.reserve(ids.size());
    for (const qint64 id : ids)
        values.append(QString::number(id));
    return values;
}

} // namespace

QCoro::Task<QList<Result<AppItem>>> AppStoreAPI::lookupIds(
    QList<qint64> ids, QString country, StillWanted wanted)
{
    return lookupGroups<AppItem>("id", decimal(ids), std::move(country), std::move(wanted));
}

QCoro::Task<QList<Result<DetailedAppInfo>>> AppStoreAPI::lookupDetails(
    QList<qint64> ids, QString country, StillWanted wanted)
{
    return lookupGroups<DetailedAppInfo>("id", decimal(ids), std::move(country), std::move(wanted));
}

QCoro::Task<QList<Result<AppItem>>> AppStoreAPI::lookupBundleIds(
    QStringList bundleIds, QString country, StillWanted wanted)
{
    return lookupGroups<AppItem>(
        "bundleId", std::move(bundleIds), std::move(country), std::move(wanted));
}

QCoro::Task<QList<Result<AppItem>>> AppStoreAPI::lookupAgain(
    QList<AppItem> items, QString fallbackCountry, StillWanted wanted)
{
    QMap<QString, QList<qsizetype>> places; // by region, in a steady order
    for (qsizetype place = 0; place < items.size(); ++place)
        places[items.at(place).countryCodeText()].append(place);
    QList<Result<AppItem>> found(items.size(), Result<AppItem>(Error {}));
    for (auto region = places.cbegin(); region != places.cend(); ++region) {
        QList<qint64> ids;
        for (const qsizetype place : region.value())
            ids.append(items.at(place).trackId);
        const QString country = region.key().isEmpty() ? fallbackCountry : region.key();
        const QList<Result<AppItem>> answers = co_await lookupIds(ids, country, wanted);
        for (qsizetype n = 0; n < answers.size(); ++n) {
            Result<AppItem> answer = answers.at(n);
            if (answer)
                answer->countryCode = items.at(region.value().at(n)).countryCode;
            found[region.value().at(n)] = std::move(answer);
        }
    }
    co_return found;
}

QCoro::Task<Result<DetailedAppInfo>> AppStoreAPI::lookup(
    qint64 id, QString country, StillWanted wanted)
{
    const QList<qint64> ids(1, id);
    QList<Result<DetailedAppInfo>> found
        = co_await lookupDetails(ids, std::move(country), std::move(wanted));
    co_return found.first();
}

void AppStoreAPI::lookup(qint64 id, QString country,
    std::function<void(Result<DetailedAppInfo>)> completion, StillWanted wanted)
{
    // The task runs on by itself; it frees itself when it ends.
    deliverLookup(id, std::move(country), std::move(completion), std::move(wanted));
}

QCoro::Task<Result<QByteArray>> AppStoreAPI::downloadImageData(QUrl url)
{
    Result<Body> body = co_await fetch(network(), url, NetworkPolicy::imageLimit);
    if (!body)
        co_return body.error();
    const QByteArray &bytes = body.value().bytes;
    const bool picture = bytes.startsWith("\x89PNG") || bytes.startsWith("\xff\xd8\xff");
    if (isRateLimited(body.value()) && !picture) {
        co_return logged(
            Error { errorDomain, RateLimited, QStringLiteral("status %1").arg(body.value().status),
                Error::Kind::rateLimited },
            url);
    }
    co_return std::move(body).value().bytes;
}
