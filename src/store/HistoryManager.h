// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "catalogue/AppItem.h"
#include "catalogue/Result.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class KeyValueStore;

// The download history: every item whose icon was saved, most recent first,
// no trackId twice. The list is kept only in the store, as one JSON document,
// and read afresh by every operation. Writes fail when the store cannot be
// written (a full disk, a read-only folder).
class HistoryManager : public QObject
{
    Q_OBJECT
public:
    explicit HistoryManager(KeyValueStore &store, QObject *parent = nullptr);

    // The region of entries stored before each kept the one it was saved from.
    static inline const QString fallbackRegion = QStringLiteral("US");

    // Puts the item first unless its trackId is already stored; an existing
    // entry keeps its place and fields, and nothing is written.
    Result<void> addHistory(const AppItem &item);
    // A removed entry and its place: before the entry that followed it and
    // stayed (none: it was last). New entries come first, so this holds while
    // others are saved.
    struct Placed
    {
        AppItem item;
        std::optional<qint64> followedBy;
    };

    // Removes every entry with one of the items' trackIds, in one write;
    // gives what went, for restoreHistory().
    Result<QList<Placed>> removeHistory(const QList<AppItem> &items);
    Result<QList<Placed>> removeHistory(const AppItem &item)
    {
        return removeHistory(QList { item });
    }
    // Puts removed entries back in their places (last, where what followed
    // them is gone too), except those whose trackId was stored again since.
    Result<void> restoreHistory(const QList<Placed> &entries);
    // Gives the stored entries with these items' trackIds the items' artwork
    // addresses, in one write; each keeps its place and other fields.
    Result<void> replaceArtwork(const QList<AppItem> &items);
    // The stored list; empty when nothing is stored or it does not decode.
    [[nodiscard]] QList<AppItem> loadHistory() const;
    // Stores an empty list, then empties the application's temporary folder.
    Result<void> clearAllHistory();

Q_SIGNALS:
    // After this instance has stored a changed list.
    void historyChanged();

private:
    // The entries of a stored document, or nothing after the load failure line.
    [[nodiscard]] std::optional<QList<AppItem>> decode(const QByteArray &bytes) const;
    // Edits the stored list in one step of the store, so that another process
    // changing it at the same moment loses nothing. The edit returns false to
    // write nothing. Fails when what the edit asked for is not in the store.
    Result<void> updateHistory(const std::function<bool(QList<AppItem> &)> &edit);
    [[nodiscard]] bool preserveUnreadable(const QByteArray &bytes) const;
    void clearTemporaryFiles();

    static inline const QString historyKey = QStringLiteral("DownloadHistory");
    KeyValueStore &m_store;
    // The document last read or written and its entries: reading it again
    // decodes nothing.
    mutable QByteArray m_bytes;
    mutable QList<AppItem> m_items;
};
