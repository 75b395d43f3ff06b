// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SearchHistoryManager.h"

#include "KeyValueStore.h"

SearchHistoryManager::SearchHistoryManager(KeyValueStore &store, QObject *parent)
    : QObject(parent)
    , m_store(store)
{ }

Result<void> SearchHistoryManager::addSearchTerm(const QString &term)
{
    // One step of the store, so that another process adding a term at the
    // same moment loses nothing.
    return changed(m_store.update(historyKey, [&](std::optional<KeyValueStore::Value> &value) {
        const QStringList *stored = value ? std::get_if<QStringList>(&*value) : nullptr;
        QStringList terms = stored ? *stored : QStringList();
        // "é" typed as one scalar or as "e" plus a combining accent is one term.
        const QString normalized = term.normalized(QString::NormalizationForm_C);
        terms.removeIf([&](const QString &entry) {
            return entry.normalized(QString::NormalizationForm_C) == normalized;
        });
        terms.prepend(term);
        // One in, one out: a longer list written by someone else shrinks no further.
        if (terms.size() > maxHistoryCount)
            terms.removeLast();
        value = terms;
        return true;
    }));
}

QStringList SearchHistoryManager::loadSearchHistory() const
{
    return m_store.stringArrayForKey(historyKey).value_or(QStringList());
}

Result<void> SearchHistoryManager::clearAllHistory()
{
    return changed(m_store.removeObject(historyKey));
}

Result<void> SearchHistoryManager::changed(Result<void> written)
{
    if (written)
        Q_EMIT searchHistoryChanged();
    return written;
}
