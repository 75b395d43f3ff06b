// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/KeyValueStore.h"

#include <QLoggingCategory>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdint>
#include <sqlite3.h>

// Any row a store file may hold under a key, of any kind and type, an earlier
// build's split value among them (pieces 1 "hi" and 2 "!"), opens and reads
// as a value or as nothing; a list of strings never as more than 100 strings
// of 1,000 characters.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir folder;
    QLoggingCategory::setFilterRules(QStringLiteral("vellumar.*=false"));
    if (size < 2)
        return 0;
    const QString path = folder.filePath(QStringLiteral("store.sqlite"));
    QFile::remove(path);
    KeyValueStore(path).setBool(QStringLiteral("other"), true); // the table
    sqlite3 *db = nullptr;
    sqlite3_open(QFile::encodeName(path).constData(), &db);
    sqlite3_exec(db,
        "CREATE TABLE chunks (id INTEGER PRIMARY KEY, bytes BLOB NOT NULL);"
        "INSERT INTO chunks VALUES (1, x'6869'), (2, x'21')",
        nullptr, nullptr, nullptr);
    sqlite3_stmt *insert = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO entries VALUES ('key', ?, ?)", -1, &insert, nullptr);
    sqlite3_bind_int(insert, 1, data[0] % 6);
    const auto *value = reinterpret_cast<const char *>(data + 2);
    if (data[1] % 2 == 0)
        sqlite3_bind_blob(insert, 2, value, int(size - 2), SQLITE_TRANSIENT);
    else
        sqlite3_bind_text(insert, 2, value, int(size - 2), SQLITE_TRANSIENT);
    sqlite3_step(insert);
    sqlite3_finalize(insert);
    sqlite3_close(db);

    const KeyValueStore store(path);
    const QString key = QStringLiteral("key");
    (void)store.boolForKey(key);
    (void)store.stringForKey(key);
    (void)store.dataForKey(key);
    if (const std::optional<QStringList> list = store.stringArrayForKey(key)) {
        if (list->size() > 100
            || std::any_of(list->cbegin(), list->cend(), [](auto &s) { return s.size() > 1000; }))
            qFatal("A list of strings read past its bounds");
    }
    return 0;
}
