#pragma once

#include "catalogue/AppItem.h"

#include <QList>
#include <QObject>
#include <QString>

// The state behind the download history screen: the stored list as last
// read, the filter text and the list as shown. The screen never edits the
// list in place: every change goes through the store and is read back.
class HistoryViewModel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QList<AppItem> historyItems READ historyItems NOTIFY historyItemsChanged)
    Q_PROPERTY(QString searchText READ searchText WRITE setSearchText NOTIFY searchTextChanged)
    Q_PROPERTY(QList<AppItem> filteredHistory READ filteredHistory NOTIFY filteredHistoryChanged)

public:
    explicit HistoryViewModel(QObject *parent = nullptr);

    [[nodiscard]] QList<AppItem> historyItems() const { return m_historyItems; }
    [[nodiscard]] QString searchText() const { return m_searchText; }
    void setSearchText(const QString &text);
    // The stored list narrowed to the names that contain the filter text,
    // ignoring case; the whole list while the filter is empty.
    [[nodiscard]] QList<AppItem> filteredHistory() const;

    // Reads the stored list again; the screen calls it every time it appears.
    Q_INVOKABLE void loadHistory();
    // Deletes the items shown at these positions of the filtered list. Every
    // stored entry with one of their trackIds goes, visible or not.
    Q_INVOKABLE void deleteItems(const QList<int> &positions);
    // Empties the history and the application's temporary folder.
    Q_INVOKABLE void clearAllHistory();

    [[nodiscard]] static bool matches(const AppItem &item, const QString &text);

Q_SIGNALS:
    void historyItemsChanged();
    void searchTextChanged();
    void filteredHistoryChanged();

private:
    void setHistoryItems(const QList<AppItem> &items);

    QList<AppItem> m_historyItems;
    QString m_searchText;
};
