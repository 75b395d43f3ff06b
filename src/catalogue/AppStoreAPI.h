// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "AppItem.h"
#include "CataloguePacer.h"
#include "DetailedAppInfo.h"
#include "Platform.h"
#include "Result.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <qcorotask.h>

#include <functional>
#include <optional>

class QNetworkAccessManager;

// The only component that talks to the catalogue service: a search by term,
// a lookup by identifier (awaitable and with a completion), and the plain
// download of image bytes. It holds the network connections and the pacer
// its calls take turns from; every call stands alone. Failures are logged in
// lcCatalogue where they happen. For the GUI thread only.
//
// Destroyed, it ends its transfers: a call in flight ends with Abandoned or
// the transfer's error, and asks for nothing more.
class AppStoreAPI : public QObject
{
    Q_OBJECT
public:
    explicit AppStoreAPI(QObject *parent = nullptr);
    ~AppStoreAPI() override;

    static inline const QString errorDomain = QStringLiteral("AppStoreAPI");
    // RateLimited: the service refuses to answer this often; Rejected: it names
    // a parameter it does not accept (a region it has no store for, or another).
    // Abandoned: the caller stopped wanting the answer before it was asked for.
    enum ErrorCode {
        UrlInvalid = -1,
        AppNotFound = -2,
        RateLimited = -3,
        Rejected = -4,
        Abandoned = -5
    };

    // Asked before every turn of the pacing and every retry: a request whose
    // screen is gone, or that a newer one replaced, stops there and gives its
    // turn back. Empty: always wanted.
    using StillWanted = std::function<bool()>;

    // The items of the search answer in the service's order, or the error of
    // the address, the transfer or the decoding.
    QCoro::Task<Result<QList<AppItem>>> search(QString term, QString country,
        Platform platform = Platform::IPhone, StillWanted wanted = {});

    // A search that also looks up a term naming an app by itself (see
    // directLookupUrl): the apps found come first, then the search's hits
    // without them. A lookup that finds nothing or fails takes nothing away.
    QCoro::Task<Result<QList<AppItem>>> findApps(
        QString term, QString country, Platform platform, StillWanted wanted = {});

    // The apps a lookup address answers, in the service's order; may be empty.
    QCoro::Task<Result<QList<AppItem>>> lookupApps(
        std::optional<QUrl> url, StillWanted wanted = {});

    // A developer's apps, their own record left out.
    QCoro::Task<Result<QList<AppItem>>> developerApps(
        qint64 artistId, QString country, StillWanted wanted = {});

    // The first item of the lookup answer; AppNotFound when it holds none.
    QCoro::Task<Result<DetailedAppInfo>> lookup(
        qint64 id, QString country, StillWanted wanted = {});

    // The same lookup for callers that cannot await. Returns at once; the
    // completion runs exactly once, later, on the GUI thread, whatever happens.
    void lookup(qint64 id, QString country, std::function<void(Result<DetailedAppInfo>)> completion,
        StillWanted wanted = {});

    // The body bytes whatever the status code, or the error of the refusal
    // or the transfer.
    QCoro::Task<Result<QByteArray>> downloadImageData(QUrl url);

    [[nodiscard]] CataloguePacer &pacer() { return m_pacer; }

    // The request addresses; nothing when they cannot be formed.
    [[nodiscard]] static std::optional<QUrl> searchUrl(
        const QString &term, const QString &country, Platform platform = Platform::IPhone);
    [[nodiscard]] static std::optional<QUrl> lookupUrl(qint64 id, const QString &country);
    // The lookup a term asks for by itself: 8 or more digits are an app's id,
    // dotted words of letters, digits, "-" and "_" (com.example.app) a bundle
    // id. Nothing for any other term.
    [[nodiscard]] static std::optional<QUrl> directLookupUrl(
        const QString &term, const QString &country);

private:
    // Every catalogue call: a turn of the pacer, then fetch() and decode.
    template<typename Answer>
    QCoro::Task<Result<Answer>> ask(std::optional<QUrl> url, StillWanted wanted);
    QCoro::Task<> deliverLookup(qint64 id, QString country,
        std::function<void(Result<DetailedAppInfo>)> completion, StillWanted wanted);

    // Whether the caller has stopped wanting the answer, or this client is going.
    [[nodiscard]] static bool gone(const QPointer<AppStoreAPI> &self, const StillWanted &wanted);

    // Made for the first call: a start that asks nothing pays nothing for it.
    [[nodiscard]] QNetworkAccessManager *network();

    QNetworkAccessManager *m_network = nullptr;
    CataloguePacer m_pacer;
    bool m_closing = false;
};
