// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class KeyValueStore;

// The last ten submitted search terms, most recent first, kept only in the
// store and read afresh by every operation.
class SearchHistoryManager : public QObject
{
    Q_OBJECT
public:
    static SearchHistoryManager *shared();

    // An instance on the given store; shared() uses KeyValueStore::shared().
    explicit SearchHistoryManager(KeyValueStore &store, QObject *parent = nullptr);

    // Moves the term, exactly as given, to the front, dropping an equal one
    // (equal after Unicode normalization; case counts) and the oldest one
    // when the list grows past ten.
    void addSearchTerm(const QString &term);
    // The stored list; empty when the key holds no list of strings.
    [[nodiscard]] QStringList loadSearchHistory() const;
    // Removes the key itself, not just its entries.
    void clearAllHistory();

private:
    static inline const QString historyKey = QStringLiteral("SearchTermHistory");
    static constexpr qsizetype maxHistoryCount = 10;
    KeyValueStore &m_store;
};
