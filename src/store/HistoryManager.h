#pragma once

#include "catalogue/AppItem.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

#include <optional>

class KeyValueStore;

// The download history: every item whose icon was saved, most recent first,
// no trackId twice. The list is kept only in the store, as one JSON document,
// and read afresh by every operation.
class HistoryManager : public QObject
{
    Q_OBJECT
public:
    static HistoryManager *shared();

    // An instance on the given store; shared() uses KeyValueStore::shared().
    explicit HistoryManager(KeyValueStore &store, QObject *parent = nullptr);

    // Puts the item first unless its trackId is already stored; an existing
    // entry keeps its place and fields.
    void addHistory(const AppItem &item);
    // Removes every entry with the item's trackId.
    void removeHistory(const AppItem &item);
    // The stored list; empty when nothing is stored or it does not decode.
    [[nodiscard]] QList<AppItem> loadHistory() const;
    // Stores an empty list, then empties the application's temporary folder.
    void clearAllHistory();

private:
    struct Stored
    {
        QList<AppItem> items;
        // The stored bytes, when they did not decode: they are copied aside
        // before anything replaces them.
        std::optional<QByteArray> unreadable;
    };

    [[nodiscard]] Stored readHistory() const;
    void saveHistory(const QList<AppItem> &items, const Stored &previous);
    [[nodiscard]] bool preserveUnreadable(const QByteArray &bytes);
    void clearTemporaryFiles();

    // The last document read or written, with its entries. Loading compares the
    // stored bytes with it and decodes only when they differ.
    struct Decoded
    {
        QByteArray bytes;
        QList<AppItem> items;
    };

    static inline const QString historyKey = QStringLiteral("DownloadHistory");
    KeyValueStore &m_store;
    mutable Decoded m_decoded;
};
