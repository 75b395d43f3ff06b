// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/HistoryManager.h"
#include "store/KeyValueStore.h"

#include <QLoggingCategory>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdint>

// Any bytes stored as the download history load as a list or as nothing. A
// list that loads takes a new entry, and the document then written reads back
// as that entry followed by the list.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir folder;
    static KeyValueStore store(folder.filePath(QStringLiteral("store.sqlite")));
    QLoggingCategory::setFilterRules(QStringLiteral("vellumar.*=false")); // load failure lines
    store.setData(QStringLiteral("DownloadHistory"),
        QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    const QList<AppItem> items = HistoryManager(store).loadHistory();
    const AppItem added { 42, QStringLiteral("Ä \"€\" \\ 😀"), QString(), QString(), QString() };
    if (items.isEmpty()
        || std::any_of(items.cbegin(), items.cend(), [](auto &item) { return item.trackId == 42; }))
        return 0;
    HistoryManager(store).addHistory(added);
    if (HistoryManager(store).loadHistory() != QList<AppItem> { added } + items)
        qFatal("The history written does not read back");
    return 0;
}
