// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "AppItemListModel.h"
#include "AppStoreURLParser.h"
#include "ApplicationContext.h"
#include "BatchSave.h"
#include "catalogue/AppItem.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QtQml/qqmlregistration.h>
#include <qcorotask.h>

#include <optional>

// The state behind the search screen: the term, the region, the hits, the busy
// flag, the status line, the item found through a pasted store link, the
// search-term history shown as tags, and which overlay covers the list. Its
// save flow stamps the current region on every saved item.
class ContentViewModel : public ContextObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString searchTerm READ searchTerm WRITE setSearchTerm NOTIFY searchTermChanged)
    Q_PROPERTY(AppItemListModel *searchResults READ searchResultsModel CONSTANT)
    Q_PROPERTY(QString selectedCountryCode READ selectedCountryCode WRITE setSelectedCountryCode
            NOTIFY selectedCountryCodeChanged)
    Q_PROPERTY(bool isLoading READ isLoading NOTIFY isLoadingChanged)
    Q_PROPERTY(QString statusMessage READ statusMessage NOTIFY statusMessageChanged)
    // The item a resolved store link opens, meaningful while hasFoundAppItem
    // is true. The screen sets hasFoundAppItem to false when that detail
    // screen is left, so the same link can open it again.
    Q_PROPERTY(bool hasFoundAppItem READ hasFoundAppItem WRITE setHasFoundAppItem NOTIFY
            foundAppItemFromURLChanged)
    Q_PROPERTY(AppItem foundAppItemFromURL READ foundAppItemValue NOTIFY foundAppItemFromURLChanged)
    // The region its detail screen looks it up in.
    Q_PROPERTY(QString foundAppItemRegion READ foundAppItemRegion NOTIFY foundAppItemFromURLChanged)
    Q_PROPERTY(QStringList searchHistory READ searchHistory NOTIFY searchHistoryChanged)
    Q_PROPERTY(Overlay overlay READ overlay NOTIFY overlayChanged)
    // Whether a detail screen opens beside the list (wide windows) instead of
    // over it; beside it, the list's status shows whatever the detail holds.
    Q_PROPERTY(
        bool detailBesideList READ detailBesideList WRITE setDetailBesideList NOTIFY overlayChanged)
    Q_PROPERTY(BatchSave *saveFlow READ saveFlow CONSTANT)

public:
    // What covers the result list, exactly one at a time.
    enum class Overlay { None, Loading, History, Status };
    Q_ENUM(Overlay)

    explicit ContentViewModel(QObject *parent = nullptr);
    explicit ContentViewModel(ApplicationContext &context, QObject *parent = nullptr);

    [[nodiscard]] QString searchTerm() const { return m_searchTerm; }
    void setSearchTerm(const QString &term);
    [[nodiscard]] const QList<AppItem> &searchResults() const { return m_searchResults.items(); }
    [[nodiscard]] AppItemListModel *searchResultsModel() { return &m_searchResults; }
    [[nodiscard]] QString selectedCountryCode() const { return m_selectedCountryCode; }
    void setSelectedCountryCode(const QString &code);
    [[nodiscard]] bool isLoading() const { return m_isLoading; }
    [[nodiscard]] QString statusMessage() const { return m_statusMessage; }
    [[nodiscard]] std::optional<AppItem> foundAppItemFromURL() const
    {
        return m_foundAppItemFromURL;
    }
    void setFoundAppItemFromURL(const std::optional<AppItem> &item);
    [[nodiscard]] bool hasFoundAppItem() const { return m_foundAppItemFromURL.has_value(); }
    void setHasFoundAppItem(bool has);
    [[nodiscard]] QString foundAppItemRegion() const;
    [[nodiscard]] QStringList searchHistory() const { return m_searchHistory; }
    [[nodiscard]] Overlay overlay() const;
    [[nodiscard]] bool detailBesideList() const { return m_detailBesideList; }
    void setDetailBesideList(bool beside);
    [[nodiscard]] BatchSave *saveFlow() { return &m_saveFlow; }

    // Runs the search for the current term (a store link is looked up instead);
    // the outcome arrives through the properties.
    Q_INVOKABLE void performSearch();
    // A start's request: the region when one is given, then the text as if
    // typed (or pasted) and submitted. An empty text only sets the region.
    Q_INVOKABLE void submit(const QString &text, const QString &region);
    // Reads the terms again, for what another process may have added.
    Q_INVOKABLE void loadSearchHistory();
    Q_INVOKABLE void clearSearchHistory();

    // The region's name as the user reads it, or the code when the table lacks it.
    [[nodiscard]] static QString regionName(const QString &code);

Q_SIGNALS:
    void searchTermChanged();
    void selectedCountryCodeChanged();
    void isLoadingChanged();
    void statusMessageChanged();
    void foundAppItemFromURLChanged();
    void searchHistoryChanged();
    void overlayChanged();

private:
    void contextSet() override;
    void clearSearch();
    QCoro::Task<> runRequest(
        QString term, std::optional<AppStoreURLParser::Link> link, quint64 request);
    [[nodiscard]] bool isLatest(quint64 request) const { return request == m_latestRequest; }

    void setSearchResults(const QList<AppItem> &results);
    void setIsLoading(bool loading);
    void setStatusMessage(const QString &message);
    [[nodiscard]] AppItem foundAppItemValue() const
    {
        return m_foundAppItemFromURL.value_or(AppItem());
    }

    QString m_searchTerm;
    AppItemListModel m_searchResults;
    QString m_selectedCountryCode = QStringLiteral("CN");
    bool m_isLoading = false;
    QString m_statusMessage;
    std::optional<AppItem> m_foundAppItemFromURL;
    QStringList m_searchHistory;
    BatchSave m_saveFlow;
    bool m_detailBesideList = false;

    QTimer m_clearDebounce;
    // Only the answer to the latest submitted request may write the outcome.
    quint64 m_latestRequest = 0;
};
