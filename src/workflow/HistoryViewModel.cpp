#include "HistoryViewModel.h"

#include "store/HistoryManager.h"

#include <algorithm>

HistoryViewModel::HistoryViewModel(QObject *parent)
    : QObject(parent)
{ }

bool HistoryViewModel::matches(const AppItem &item, const QString &text)
{
    // The name only: the identifier's digits are not searched.
    return item.trackName.contains(text, Qt::CaseInsensitive);
}

void HistoryViewModel::setSearchText(const QString &text)
{
    m_searchText = text;
    Q_EMIT searchTextChanged();
    Q_EMIT filteredHistoryChanged();
}

QList<AppItem> HistoryViewModel::filteredHistory() const
{
    if (m_searchText.isEmpty())
        return m_historyItems;
    QList<AppItem> shown;
    for (const AppItem &item : m_historyItems) {
        if (matches(item, m_searchText))
            shown.append(item);
    }
    return shown;
}

void HistoryViewModel::setHistoryItems(const QList<AppItem> &items)
{
    m_historyItems = items;
    Q_EMIT historyItemsChanged();
    Q_EMIT filteredHistoryChanged();
}

void HistoryViewModel::loadHistory()
{
    setHistoryItems(HistoryManager::shared()->loadHistory());
}

void HistoryViewModel::deleteItems(const QList<int> &positions)
{
    // Positions index the list as shown; they are all resolved to items
    // before anything is removed.
    QList<int> sorted = positions;
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    const QList<AppItem> shown = filteredHistory();
    QList<AppItem> chosen;
    for (const int position : std::as_const(sorted)) {
        if (position >= 0 && position < shown.size())
            chosen.append(shown.at(position));
    }
    for (const AppItem &item : std::as_const(chosen))
        HistoryManager::shared()->removeHistory(item);
    loadHistory();
}

void HistoryViewModel::clearAllHistory()
{
    HistoryManager::shared()->clearAllHistory();
    loadHistory();
}
