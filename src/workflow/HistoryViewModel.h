// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "AppItemListModel.h"
#include "ApplicationContext.h"

#include <QObject>
#include <QSortFilterProxyModel>
#include <QString>
#include <QtQml/qqmlregistration.h>

// The state behind the download history screen: the stored list as last
// read, the filter text and the list as shown. The screen never edits the
// list in place: every change goes through the store and is read back when
// the store says it has changed.
class HistoryViewModel : public ContextObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(AppItemListModel *historyItems READ historyItems CONSTANT)
    Q_PROPERTY(QString searchText READ searchText WRITE setSearchText NOTIFY searchTextChanged)
    // The stored list narrowed to the names that contain the filter text,
    // ignoring case; the whole list while the filter is empty.
    Q_PROPERTY(QAbstractItemModel *filteredHistory READ filteredHistory CONSTANT)

public:
    explicit HistoryViewModel(QObject *parent = nullptr);
    explicit HistoryViewModel(ApplicationContext &context, QObject *parent = nullptr);

    [[nodiscard]] AppItemListModel *historyItems() { return &m_historyItems; }
    [[nodiscard]] QString searchText() const { return m_searchText; }
    void setSearchText(const QString &text);
    [[nodiscard]] QSortFilterProxyModel *filteredHistory() { return &m_filteredHistory; }

    // Reads the stored list again, for what another process may have saved;
    // the screen calls it every time it appears. The list as shown changes
    // only when the stored one did.
    Q_INVOKABLE void loadHistory();
    // Deletes the items shown at these rows of the filtered list. Every
    // stored entry with one of their trackIds goes, visible or not. Where the
    // window shows notices, one offers to undo it.
    Q_INVOKABLE void deleteItems(const QList<int> &rows);
    // Empties the history and the application's temporary folder.
    Q_INVOKABLE void clearAllHistory();
    // The region an item's detail screen opens in: its own, else the US store.
    Q_INVOKABLE [[nodiscard]] static QString detailRegion(const AppItem &item);

Q_SIGNALS:
    void searchTextChanged();

private:
    void contextSet() override;

    AppItemListModel m_historyItems;
    QString m_searchText;
    QSortFilterProxyModel m_filteredHistory;
};
