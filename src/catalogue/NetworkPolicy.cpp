// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "NetworkPolicy.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QNetworkReply>
#include <QTimer>

#include <atomic>

namespace {

using namespace std::chrono_literals;

std::atomic<qint64> timeoutMs { std::chrono::milliseconds(60s).count() };

const QNetworkRequest::Attribute sizeLimitAttribute
    = static_cast<QNetworkRequest::Attribute>(QNetworkRequest::User + 71);

// The error a reply was stopped with by these rules, read back by errorOf().
constexpr const char *refusalProperty = "vellumarRefusal";

const QUrl defaultCatalogue(QStringLiteral("https://itunes.apple.com"));

bool isLoopbackHost(const QString &host)
{
    if (host.compare(QLatin1StringView("localhost"), Qt::CaseInsensitive) == 0)
        return true;
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}

// The scheme, host and port of VELLUMAR_CATALOGUE_URL, if it names a usable
// http(s) address.
std::optional<QUrl> configuredCatalogue()
{
    const QString configured = qEnvironmentVariable("VELLUMAR_CATALOGUE_URL");
    if (configured.isEmpty())
        return std::nullopt;
    const QUrl url(configured, QUrl::StrictMode);
    const bool usable = url.isValid() && !url.host().isEmpty()
        && (url.scheme() == QLatin1StringView("https")
            || url.scheme() == QLatin1StringView("http"));
    if (!usable) {
        static bool warned = false;
        if (!warned) {
            warned = true;
            qCWarning(lcCatalogue).noquote()
                << "VELLUMAR_CATALOGUE_URL is not an http(s) address, ignored:" << configured;
        }
        return std::nullopt;
    }
    QUrl origin;
    origin.setScheme(url.scheme());
    origin.setHost(url.host());
    origin.setPort(url.port());
    return origin;
}

Error policyError(NetworkPolicy::ErrorCode code, const QString &detail)
{
    const Error::Kind kind = code == NetworkPolicy::InvalidAddress ? Error::Kind::invalidAddress
        : code == NetworkPolicy::TooLarge                          ? Error::Kind::tooLarge
                                                                   : Error::Kind::notSecure;
    return Error { NetworkPolicy::errorDomain, code, detail, kind };
}

Error::Kind kindOf(QNetworkReply::NetworkError code)
{
    switch (code) {
    case QNetworkReply::ConnectionRefusedError:
        return Error::Kind::serverRefused;
    case QNetworkReply::RemoteHostClosedError:
        return Error::Kind::connectionLost;
    case QNetworkReply::TimeoutError:
        return Error::Kind::timedOut;
    case QNetworkReply::SslHandshakeFailedError:
        return Error::Kind::notSecure;
    default:
        // Below the content errors: the network and proxy layers.
        return code < QNetworkReply::ContentAccessDenied ? Error::Kind::noNetwork
                                                         : Error::Kind::unknown;
    }
}

// Stops the reply with `error`, unless it was stopped already.
void refuse(QNetworkReply *reply, const Error &error)
{
    if (reply->property(refusalProperty).isValid())
        return;
    reply->setProperty(refusalProperty, QVariant::fromValue(error));
    reply->abort();
}

// Applies the rules to every request; see the namespace comment.
class PolicyNetworkAccessManager final : public QNetworkAccessManager
{
public:
    using QNetworkAccessManager::QNetworkAccessManager;

protected:
    QNetworkReply *createRequest(
        Operation operation, const QNetworkRequest &original, QIODevice *outgoingData) override
    {
        if (std::optional<Error> refusal = NetworkPolicy::refusalFor(original.url())) {
            // Qt fails a request of a scheme it has no protocol for at once,
            // without any traffic; the refusal rides on that reply.
            QNetworkRequest nowhere(original);
            nowhere.setUrl(QUrl(QStringLiteral("refused:")));
            QNetworkReply *reply
                = QNetworkAccessManager::createRequest(operation, nowhere, outgoingData);
            reply->setProperty(refusalProperty, QVariant::fromValue(*refusal));
            return reply;
        }
        QNetworkRequest request(original);
        // Followed by the reader, hop by hop (see redirectOf): Qt's own
        // following asked hops again and lost answers behind two redirects.
        request.setAttribute(
            QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
        const qint64 limit
            = request.attribute(sizeLimitAttribute, NetworkPolicy::imageLimit).toLongLong();
        QNetworkReply *reply
            = QNetworkAccessManager::createRequest(operation, request, outgoingData);
        // Qt stops reading from the connection while this much lies unread, so
        // a body without end cannot grow the process past the limit, however
        // far behind the event loop is. A reader that takes the bytes as they
        // come sees the limit fail; one that waits for the end sees the
        // transfer stall and time out.
        reply->setReadBufferSize(limit + 1);
        watchSize(reply, limit);
        watchProgress(reply);
        return reply;
    }

private:
    static void watchSize(QNetworkReply *reply, qint64 limit)
    {
        const auto tooLarge = [reply, limit] {
            refuse(reply,
                policyError(NetworkPolicy::TooLarge,
                    QStringLiteral("The answer from %1 is larger than %2 MiB")
                        .arg(reply->url().host(), QString::number(limit >> 20))));
        };
        // The declared length fails early; the bytes received catch answers
        // that declare none or lie about it.
        QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [reply, limit, tooLarge] {
            bool known = false;
            const qint64 declared
                = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong(&known);
            const bool isRedirect
                = reply->attribute(QNetworkRequest::RedirectionTargetAttribute).isValid();
            if (known && declared > limit && !isRedirect)
                tooLarge();
        });
        QObject::connect(
            reply, &QNetworkReply::downloadProgress, reply, [limit, tooLarge](qint64 received) {
                if (received > limit)
                    tooLarge();
            });
    }

    // The reply keeps a time-out of its own, restarted by every sign of progress.
    static void watchProgress(QNetworkReply *reply)
    {
        auto *idle = new QTimer(reply);
        idle->setSingleShot(true);
        idle->setInterval(std::chrono::milliseconds(timeoutMs.load()));
        QObject::connect(idle, &QTimer::timeout, reply, [reply] {
            refuse(reply,
                Error { QStringLiteral("QNetworkReply"), QNetworkReply::TimeoutError,
                    QStringLiteral("The request to %1 timed out").arg(reply->url().host()),
                    Error::Kind::timedOut });
        });
        const auto restart = [idle] {
            idle->start();
        };
        QObject::connect(reply, &QNetworkReply::metaDataChanged, idle, restart);
        QObject::connect(reply, &QNetworkReply::downloadProgress, idle, restart);
        QObject::connect(reply, &QNetworkReply::finished, idle, &QTimer::stop);
        idle->start();
    }
};

} // namespace

QUrl NetworkPolicy::catalogueBaseUrl()
{
    return configuredCatalogue().value_or(defaultCatalogue);
}

std::optional<Error> NetworkPolicy::refusalFor(const QUrl &url)
{
    if (!url.isValid() || url.host().isEmpty()) {
        return policyError(InvalidAddress,
            QStringLiteral("Not a usable web address: %1").arg(url.toDisplayString()));
    }
    if (url.scheme() == QLatin1StringView("https"))
        return std::nullopt;
    if (url.scheme() == QLatin1StringView("http")) {
        const std::optional<QUrl> catalogue = configuredCatalogue();
        if (catalogue && isLoopbackHost(catalogue->host())
            && url.host().compare(catalogue->host(), Qt::CaseInsensitive) == 0
            && url.port(80)
                == catalogue->port(catalogue->scheme() == QLatin1StringView("https") ? 443 : 80))
            return std::nullopt;
    }
    return policyError(InsecureAddress,
        QStringLiteral("Refused %1: only https addresses may be loaded")
            .arg(url.toDisplayString(QUrl::RemoveQuery | QUrl::RemoveFragment)));
}

void NetworkPolicy::setTransferTimeout(std::chrono::milliseconds timeout)
{
    timeoutMs.store(timeout.count());
}

void NetworkPolicy::setSizeLimit(QNetworkRequest &request, qint64 bytes)
{
    request.setAttribute(sizeLimitAttribute, bytes);
}

std::optional<Error> NetworkPolicy::errorOf(const QNetworkReply *reply)
{
    if (const QVariant refusal = reply->property(refusalProperty); refusal.isValid())
        return refusal.value<Error>();
    const QNetworkReply::NetworkError code = reply->error();
    if (code == QNetworkReply::NoError)
        return std::nullopt;
    // Qt turns HTTP error statuses into reply errors; here an answer is an
    // answer whatever its status, and its body decides.
    const bool answered = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid();
    const bool statusError
        = (code >= QNetworkReply::ContentAccessDenied && code <= QNetworkReply::UnknownContentError)
        || code == QNetworkReply::ProtocolInvalidOperationError
        || (code >= QNetworkReply::InternalServerError
            && code <= QNetworkReply::UnknownServerError);
    if (answered && statusError)
        return std::nullopt;
    return Error { QStringLiteral("QNetworkReply"), code, reply->errorString(), kindOf(code) };
}

Result<std::optional<QUrl>> NetworkPolicy::redirectOf(const QNetworkReply *reply)
{
    const QVariant target = reply->attribute(QNetworkRequest::RedirectionTargetAttribute);
    if (!target.isValid())
        return std::optional<QUrl>();
    const QUrl to = reply->url().resolved(target.toUrl());
    if (std::optional<Error> refusal = refusalFor(to)) {
        return policyError(InsecureRedirect,
            QStringLiteral("Refused a redirect from %1 to %2: %3")
                .arg(reply->url().host(), to.toDisplayString(QUrl::RemoveQuery), refusal->detail));
    }
    return std::optional(to);
}

Error NetworkPolicy::tooManyRedirects(const QUrl &url)
{
    return Error { errorDomain, TooManyRedirects,
        QStringLiteral("More than %1 redirects from %2")
            .arg(maxRedirects)
            .arg(url.toDisplayString()),
        Error::Kind::serverRefused };
}

QNetworkAccessManager *NetworkPolicy::createNetworkAccessManager(QObject *parent)
{
    auto *manager = new PolicyNetworkAccessManager(parent);
    manager->setAutoDeleteReplies(false);
    return manager;
}
