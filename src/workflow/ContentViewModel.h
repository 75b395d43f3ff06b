#pragma once

#include "IconSaveFlow.h"

#include "catalogue/AppItem.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QVariant>

#include <qcorotask.h>

#include <optional>

// The state behind the search screen: the term, the region, the hits, the busy
// flag, the status line, the item found through a pasted store link, and the
// search-term history shown as tags. It also saves icons, stamped with the
// current region, through the inherited save flow.
class ContentViewModel : public IconSaveFlow
{
    Q_OBJECT
    Q_PROPERTY(QString searchTerm READ searchTerm WRITE setSearchTerm NOTIFY searchTermChanged)
    Q_PROPERTY(QList<AppItem> searchResults READ searchResults NOTIFY searchResultsChanged)
    Q_PROPERTY(QString selectedCountryCode READ selectedCountryCode WRITE setSelectedCountryCode NOTIFY selectedCountryCodeChanged)
    Q_PROPERTY(bool isLoading READ isLoading NOTIFY isLoadingChanged)
    Q_PROPERTY(QString statusMessage READ statusMessage NOTIFY statusMessageChanged)
    // An AppItem while a resolved link is shown, otherwise undefined.
    Q_PROPERTY(QVariant foundAppItemFromURL READ foundAppItemFromURLValue WRITE setFoundAppItemFromURLValue NOTIFY foundAppItemFromURLChanged)
    Q_PROPERTY(QStringList searchHistory READ searchHistory NOTIFY searchHistoryChanged)

public:
    explicit ContentViewModel(QObject *parent = nullptr);

    [[nodiscard]] QString searchTerm() const { return m_searchTerm; }
    void setSearchTerm(const QString &term);
    [[nodiscard]] QList<AppItem> searchResults() const { return m_searchResults; }
    [[nodiscard]] QString selectedCountryCode() const { return m_selectedCountryCode; }
    void setSelectedCountryCode(const QString &code);
    [[nodiscard]] bool isLoading() const { return m_isLoading; }
    [[nodiscard]] QString statusMessage() const { return m_statusMessage; }
    [[nodiscard]] std::optional<AppItem> foundAppItemFromURL() const { return m_foundAppItemFromURL; }
    void setFoundAppItemFromURL(const std::optional<AppItem> &item);
    [[nodiscard]] QStringList searchHistory() const { return m_searchHistory; }

    // Runs the search for the current term (a store link is looked up instead);
    // the outcome arrives through the properties.
    Q_INVOKABLE void performSearch();
    Q_INVOKABLE void loadSearchHistory();
    Q_INVOKABLE void clearSearchHistory();

    // The region's name as the user reads it, or the code when the table lacks it.
    [[nodiscard]] static QString regionName(const QString &code);

Q_SIGNALS:
    void searchTermChanged();
    void searchResultsChanged();
    void selectedCountryCodeChanged();
    void isLoadingChanged();
    void statusMessageChanged();
    void foundAppItemFromURLChanged();
    void searchHistoryChanged();

protected:
    [[nodiscard]] AppItem itemToSave(const AppItem &item) const override;

private:
    void clearSearch();
    QCoro::Task<> runRequest(QString term, quint64 request);
    [[nodiscard]] bool isLatest(quint64 request) const { return request == m_latestRequest; }

    void setSearchResults(const QList<AppItem> &results);
    void setIsLoading(bool loading);
    void setStatusMessage(const QString &message);
    [[nodiscard]] QVariant foundAppItemFromURLValue() const;
    void setFoundAppItemFromURLValue(const QVariant &value);

    QString m_searchTerm;
    QList<AppItem> m_searchResults;
    QString m_selectedCountryCode = QStringLiteral("CN");
    bool m_isLoading = false;
    QString m_statusMessage;
    std::optional<AppItem> m_foundAppItemFromURL;
    QStringList m_searchHistory;

    QTimer m_clearDebounce;
    // Only the answer to the latest submitted request may write the outcome.
    quint64 m_latestRequest = 0;
};
