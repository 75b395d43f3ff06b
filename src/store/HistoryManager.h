#pragma once

#include "HistoryDocument.h"
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

    // The stored document, its entries and, when known, where each entry sits
    // in it, so that a removal copies the other entries' text instead of
    // encoding them again. The spans are known when there is one per entry.
    struct Decoded
    {
        QByteArray bytes;
        QList<AppItem> items;
        QList<HistoryDocument::Span> spans;

        [[nodiscard]] bool spansKnown() const { return spans.size() == items.size(); }
    };

    // Also leaves m_decoded describing the stored document (empty when there is
    // none or it does not decode).
    [[nodiscard]] Stored readHistory() const;
    void saveHistory(const QList<AppItem> &items, const Stored &previous);
    // Stores the document; m_decoded becomes it, or empty when it was not stored.
    void storeDocument(Decoded document);
    // An empty buffer for a new document of about the given size.
    [[nodiscard]] QByteArray takeBuffer(qsizetype size);
    [[nodiscard]] bool preserveUnreadable(const QByteArray &bytes);
    void clearTemporaryFiles();

    static inline const QString historyKey = QStringLiteral("DownloadHistory");
    KeyValueStore &m_store;
    // The last document read or written: loading decodes only when the stored
    // bytes differ from it.
    mutable Decoded m_decoded;
    // The document before the last one. The next document is written into its
    // memory, already mapped: touching 4 MB of fresh memory costs 10 to 40 ms
    // of page faults on a loaded virtual machine, reusing it well under 1 ms.
    QByteArray m_spare;
};
