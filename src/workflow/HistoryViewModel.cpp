// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HistoryViewModel.h"

#include "ApplicationContext.h"
#include "store/HistoryManager.h"

HistoryViewModel::HistoryViewModel(QObject *parent)
    : ContextObject(parent)
{
    // The name only: the identifier's digits are not searched.
    m_filteredHistory.setSourceModel(&m_historyItems);
    m_filteredHistory.setFilterRole(AppItemListModel::TrackNameRole);
    m_filteredHistory.setFilterCaseSensitivity(Qt::CaseInsensitive);
}

HistoryViewModel::HistoryViewModel(ApplicationContext &context, QObject *parent)
    : HistoryViewModel(parent)
{
    setContext(context);
}

void HistoryViewModel::contextSet()
{
    connect(&context().history(), &HistoryManager::historyChanged, this,
        &HistoryViewModel::loadHistory);
}

void HistoryViewModel::setSearchText(const QString &text)
{
    m_searchText = text;
    m_filteredHistory.setFilterFixedString(text);
    Q_EMIT searchTextChanged();
}

void HistoryViewModel::loadHistory()
{
    const QList<AppItem> stored = context().history().loadHistory();
    if (stored != m_historyItems.items())
        m_historyItems.setItems(stored);
}

void HistoryViewModel::deleteItems(const QList<int> &rows)
{
    // Rows index the list as shown; they are all resolved to items before
    // anything is removed.
    QList<AppItem> chosen;
    for (const int row : rows) {
        const QModelIndex source = m_filteredHistory.mapToSource(m_filteredHistory.index(row, 0));
        if (source.isValid())
            chosen.append(m_historyItems.items().at(source.row()));
    }
    HistoryManager &history = context().history();
    const Result<QList<HistoryManager::Placed>> removed = history.removeHistory(chosen);
    if (!removed) {
        context().report(removed.error());
        return;
    }
    // A desktop window offers to take it back for a while.
    Notices &notices = *context().notices();
    if (removed->isEmpty() || !notices.enabled())
        return;
    const QString text = removed->size() == 1
        ? qtTrId("notice_removed_one").arg(removed->first().item.trackName)
        : qtTrId("notice_removed_n", int(removed->size()));
    ApplicationContext &context = this->context();
    notices.post(text, Notices::Kind::undoable,
        { qtTrId("undo"), &history, [&context, &history, entries = removed.value()] {
             if (const Result<void> restored = history.restoreHistory(entries); !restored)
                 context.report(restored.error());
         } });
}

void HistoryViewModel::clearAllHistory()
{
    if (const Result<void> cleared = context().history().clearAllHistory(); !cleared)
        context().report(cleared.error());
}

QString HistoryViewModel::detailRegion(const AppItem &item)
{
    const QString own = item.countryCodeText();
    return own.isEmpty() ? HistoryManager::fallbackRegion : own;
}
