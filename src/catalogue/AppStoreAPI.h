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

    // The most ids or bundle ids one lookup call takes.
    static constexpr int lookupGroupSize = 100;

    // Each id's app, in the order given, looked up lookupGroupSize at a time:
    // an id its group's answer lacks is AppNotFound alone, a group that fails
    // fails each of its ids.
    QCoro::Task<QList<Result<AppItem>>> lookupIds(
        QList<qint64> ids, QString country, StillWanted wanted = {});
    // The same with the details of each app.
    QCoro::Task<QList<Result<DetailedAppInfo>>> lookupDetails(
        QList<qint64> ids, QString country, StillWanted wanted = {});
    // The same by bundle id, in groups while the service answers a list with
    // every app in it, one call each once it is seen to answer only one.
    QCoro::Task<QList<Result<AppItem>>> lookupBundleIds(
        QStringList bundleIds, QString country, StillWanted wanted = {});

    // Items met before, each looked up again in the region it carries
    // (`fallbackCountry` when it carries none), one grouped lookup per region:
    // in the items' order, each found record with its item's region.
    QCoro::Task<QList<Result<AppItem>>> lookupAgain(
        QList<AppItem> items, QString fallbackCountry, StillWanted wanted = {});

    // The item of a lookup of one id: the one with that id, else the first
    // the answer holds; AppNotFound when it holds none.
    QCoro::Task<Result<DetailedAppInfo>> lookup(
        qint64 id, QString country, StillWanted wanted = {});

    // The same lookup for callers that cannot await. Returns at once; the
    // completion runs exactly once, later, on the GUI thread, whatever happens.
    void lookup(qint64 id, QString country, std::function<void(Result<DetailedAppInfo>)> completion,
        StillWanted wanted = {});

    // The body bytes whatever the status code, or the error of the refusal
    // or the transfer. A 403 or 429 whose body is no picture is RateLimited:
    // the image host asks to be asked less often.
    QCoro::Task<Result<QByteArray>> downloadImageData(QUrl url);

    [[nodiscard]] CataloguePacer &pacer() { return m_pacer; }

    // The request addresses; nothing when they cannot be formed.
    [[nodiscard]] static std::optional<QUrl> searchUrl(
        const QString &term, const QString &country, Platform platform = Platform::IPhone);
    [[nodiscard]] static std::optional<QUrl> lookupUrl(qint64 id, const QString &country);
    // One lookup of several values of `key` ("id" or "bundleId"), comma-separated.
    [[nodiscard]] static std::optional<QUrl> lookupUrl(
        QByteArrayView key, const QStringList &values, const QString &country);
    // The lookup a term asks for by itself: 8 or more digits are an app's id,
    // dotted words of letters, digits, "-" and "_" (com.example.app) a bundle
    // id. Nothing for any other term.
    [[nodiscard]] static std::optional<QUrl> directLookupUrl(
        const QString &term, const QString &country);

private:
    // Every catalogue call: a turn of the pacer, then fetch() and decode.
    template<typename Answer>
    QCoro::Task<Result<Answer>> ask(std::optional<QUrl> url, StillWanted wanted);
    // One lookup call for `values` of `key`, each matched to its record.
    template<typename Record>
    QCoro::Task<QList<Result<Record>>> lookupGroup(
        QByteArray key, QStringList values, QString country, StillWanted wanted);
    // lookupGroup() over every group of `values`.
    template<typename Record>
    QCoro::Task<QList<Result<Record>>> lookupGroups(
        QByteArray key, QStringList values, QString country, StillWanted wanted);
    QCoro::Task<> deliverLookup(qint64 id, QString country,
        std::function<void(Result<DetailedAppInfo>)> completion, StillWanted wanted);

    // Whether the caller has stopped wanting the answer, or this client is going.
    [[nodiscard]] static bool gone(const QPointer<AppStoreAPI> &self, const StillWanted &wanted);

    // Made for the first call: a start that asks nothing pays nothing for it.
    [[nodiscard]] QNetworkAccessManager *network();

    QNetworkAccessManager *m_network = nullptr;
    CataloguePacer m_pacer;
    bool m_closing = false;
    // Whether the service answers a list of bundle ids with an app for each,
    // or reads only one of them; seen in its answers.
    enum class ListAnswer { unknown, whole, first };
    ListAnswer m_bundleIdLists = ListAnswer::unknown;
};
