// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "catalogue/Result.h"

#include <QObject>
#include <QString>
#include <QStringList>

class KeyValueStore;

// The last ten submitted search terms, most recent first, kept only in the
// store and read afresh by every operation. Writes fail when the store
// cannot be written.
class SearchHistoryManager : public QObject
{
    Q_OBJECT
public:
    explicit SearchHistoryManager(KeyValueStore &store, QObject *parent = nullptr);

    // Moves the term, exactly as given, to the front, dropping an equal one
    // (equal after Unicode normalization; case counts) and the oldest one
    // when the list grows past ten.
    Result<void> addSearchTerm(const QString &term);
    // The stored list; empty when the key holds no list of strings.
    [[nodiscard]] QStringList loadSearchHistory() const;
    // Removes the key itself, not just its entries.
    Result<void> clearAllHistory();

Q_SIGNALS:
    // After this instance has stored a change.
    void searchHistoryChanged();

private:
    Result<void> changed(Result<void> written);

    static inline const QString historyKey = QStringLiteral("SearchTermHistory");
    static constexpr qsizetype maxHistoryCount = 10;
    KeyValueStore &m_store;
};
