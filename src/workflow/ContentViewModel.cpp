// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ContentViewModel.h"

#include "ApplicationContext.h"
#include "catalogue/AppStoreAPI.h"
#include "store/Country.h"
#include "store/SearchHistoryManager.h"
#include "store/SettingsManager.h"

#include <QPointer>

namespace {

constexpr int searchTermDebounceMs = 300;

bool isTrimmedSpace(QChar c)
{
    // Every Unicode space separator (the ideographic space included) and tabs,
    // but not line breaks.
    return c == u'\t' || c.category() == QChar::Separator_Space;
}

QString trimmedTerm(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isTrimmedSpace(text.at(begin)))
        ++begin;
    while (end > begin && isTrimmedSpace(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

} // namespace

ContentViewModel::ContentViewModel(QObject *parent)
    : ContextObject(parent)
    , m_statusMessage(qtTrId("initial_search_message"))
{
    m_saveFlow.setRegionCode(m_selectedCountryCode);
    connect(this, &ContentViewModel::selectedCountryCodeChanged, this,
        [this] { m_saveFlow.setRegionCode(m_selectedCountryCode); });
    // The overlay follows everything it is chosen from.
    for (const auto signal : { &ContentViewModel::searchTermChanged,
             &ContentViewModel::isLoadingChanged, &ContentViewModel::foundAppItemFromURLChanged })
        connect(this, signal, this, &ContentViewModel::overlayChanged);
    connect(
        &m_searchResults, &AppItemListModel::countChanged, this, &ContentViewModel::overlayChanged);

    // An emptied field clears the results once it has stayed empty for 300 ms;
    // typing again within that time restarts the wait.
    m_clearDebounce.setParent(this); // findable: a pending clear can be waited for
    m_clearDebounce.setSingleShot(true);
    m_clearDebounce.setInterval(searchTermDebounceMs);
    connect(&m_clearDebounce, &QTimer::timeout, this, [this] {
        if (m_searchTerm.isEmpty())
            clearSearch();
    });
    m_clearDebounce.start(); // the current (empty) term counts as a first change
}

ContentViewModel::ContentViewModel(ApplicationContext &context, QObject *parent)
    : ContentViewModel(parent)
{
    setContext(context);
}

void ContentViewModel::contextSet()
{
    m_saveFlow.setContext(context());
    connect(&context().searchHistory(), &SearchHistoryManager::searchHistoryChanged, this,
        &ContentViewModel::loadSearchHistory);
    loadSearchHistory();
}

void ContentViewModel::setSearchTerm(const QString &term)
{
    m_searchTerm = term;
    Q_EMIT searchTermChanged();
    m_clearDebounce.start();
}

void ContentViewModel::setSelectedCountryCode(const QString &code)
{
    m_selectedCountryCode = code;
    Q_EMIT selectedCountryCodeChanged();
}

void ContentViewModel::setSearchResults(const QList<AppItem> &results)
{
    m_searchResults.setItems(results);
}

void ContentViewModel::setIsLoading(bool loading)
{
    m_isLoading = loading;
    Q_EMIT isLoadingChanged();
}

void ContentViewModel::setStatusMessage(const QString &message)
{
    m_statusMessage = message;
    Q_EMIT statusMessageChanged();
}

void ContentViewModel::setFoundAppItemFromURL(const std::optional<AppItem> &item)
{
    m_foundAppItemFromURL = item;
    Q_EMIT foundAppItemFromURLChanged();
}

void ContentViewModel::setHasFoundAppItem(bool has)
{
    // Only forgetting makes sense: an item comes from a resolved link alone.
    if (!has)
        setFoundAppItemFromURL(std::nullopt);
}

QString ContentViewModel::foundAppItemRegion() const
{
    const QString own
        = m_foundAppItemFromURL ? m_foundAppItemFromURL->countryCodeText() : QString();
    return own.isEmpty() ? m_selectedCountryCode : own;
}

ContentViewModel::Overlay ContentViewModel::overlay() const
{
    if (m_isLoading)
        return Overlay::Loading;
    if (m_searchTerm.isEmpty())
        return Overlay::History;
    // A linked item's detail screen covers the list, status and all, unless
    // it opens beside it.
    if (m_searchResults.count() == 0 && (!m_foundAppItemFromURL || m_detailBesideList))
        return Overlay::Status;
    return Overlay::None;
}

void ContentViewModel::setDetailBesideList(bool beside)
{
    m_detailBesideList = beside;
    Q_EMIT overlayChanged();
}

void ContentViewModel::clearSearch()
{
    setSearchResults({});
    setStatusMessage(qtTrId("initial_search_message"));
}

void ContentViewModel::loadSearchHistory()
{
    m_searchHistory = context().searchHistory().loadSearchHistory();
    Q_EMIT searchHistoryChanged();
}

void ContentViewModel::clearSearchHistory()
{
    if (const Result<void> cleared = context().searchHistory().clearAllHistory(); !cleared)
        context().report(cleared.error());
}

QString ContentViewModel::regionName(const QString &code)
{
    const std::optional<Country> country = countryForCode(code);
    return country ? country->localizedName() : code;
}

void ContentViewModel::performSearch()
{
    const QString term = trimmedTerm(m_searchTerm);
    if (term.isEmpty())
        return;

    // Plain terms are remembered before the request starts; links never are.
    std::optional<AppStoreURLParser::Link> link = AppStoreURLParser::parse(term);
    if (!link) {
        if (const Result<void> added = context().searchHistory().addSearchTerm(term); !added)
            context().report(added.error());
    }

    setIsLoading(true);
    setSearchResults({});
    setStatusMessage(qtTrId("searching"));
    runRequest(term, std::move(link), ++m_latestRequest);
}

void ContentViewModel::submit(const QString &text, const QString &region)
{
    if (!region.isEmpty())
        setSelectedCountryCode(region);
    if (text.isEmpty())
        return;
    setSearchTerm(text);
    performSearch();
}

QCoro::Task<> ContentViewModel::runRequest(
    QString term, std::optional<AppStoreURLParser::Link> link, quint64 request)
{
    QPointer<ContentViewModel> self(this);
    // A newer request ends this one's waiting for turns and retries.
    const AppStoreAPI::StillWanted wanted = [self, request] {
        return self && self->isLatest(request);
    };
    bool ok = false;
    const qint64 id = link ? link->id.toLongLong(&ok) : 0;

    if (link && ok) {
        const QString region = link->country ? link->country->toUpper() : m_selectedCountryCode;
        const Result<DetailedAppInfo> found
            = co_await context().catalogue().lookup(id, region, wanted);
        // An answer that is no longer the latest request's is dropped, so the
        // screen never shows an older term's outcome over a newer one.
        if (!self || !isLatest(request))
            co_return;
        setIsLoading(false);
        if (!found) {
            setStatusMessage(
                qtTrId("url_failure_message").arg(found.error().localizedDescription()));
            co_return;
        }
        const DetailedAppInfo &info = found.value();
        AppItem item;
        item.trackId = info.trackId;
        item.trackName = info.trackName;
        item.artworkUrl512 = info.artworkUrl512;
        item.countryCode = region;
        item.kind = info.kind;
        item.artistId = info.artistId;
        setFoundAppItemFromURL(item);
        setStatusMessage(qtTrId("url_found_message"));
        co_return;
    }

    const Result<QList<AppItem>> hits = co_await context().catalogue().findApps(
        term, m_selectedCountryCode, context().settings().platform(), wanted);
    if (!self || !isLatest(request))
        co_return;
    setIsLoading(false);
    if (!hits) {
        setStatusMessage(qtTrId("search_error_message").arg(hits.error().localizedDescription()));
    } else if (!hits.value().isEmpty()) {
        setSearchResults(hits.value());
        setStatusMessage(QString());
    } else {
        setStatusMessage(
            qtTrId("search_no_results_message").arg(regionName(m_selectedCountryCode), term));
    }
}
