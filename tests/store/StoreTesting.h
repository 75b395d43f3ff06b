// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TestEnvironment.h"

#include <linux/capability.h>
#include <sqlite3.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace StoreTesting {

// Makes a folder read-only to this process or writable again; root ignores file
// modes unless its effective capabilities are dropped (the permitted stay).
inline bool setReadOnly(const QString &folder, bool readOnly)
{
    __user_cap_header_struct header { _LINUX_CAPABILITY_VERSION_3, 0 };
    __user_cap_data_struct caps[2] {};
    const QFile::Permissions open = QFile::ReadOwner | QFile::ExeOwner;
    if (!QFile::setPermissions(folder, readOnly ? open : open | QFile::WriteOwner)
        || syscall(SYS_capget, &header, caps) != 0)
        return false;
    for (__user_cap_data_struct &set : caps)
        set.effective = readOnly ? 0 : set.permitted;
    return syscall(SYS_capset, &header, caps) == 0;
}

// Writes a file, making its folder first.
inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).absolutePath()) && file.open(QIODevice::WriteOnly)
        && file.write(bytes) == bytes.size();
}

// A file's bytes; empty when it cannot be read.
inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// One statement run behind the store's back: the first column of the first
// row, empty when there is none, or the error text.
inline QByteArray query(const QString &path, const QByteArray &sql)
{
    sqlite3 *db = nullptr;
    sqlite3_open(QFile::encodeName(path).constData(), &db);
    sqlite3_stmt *statement = nullptr;
    int rc = sqlite3_prepare_v2(db, sql.constData(), -1, &statement, nullptr);
    rc = rc == SQLITE_OK ? sqlite3_step(statement) : rc;
    const QByteArray result = rc == SQLITE_ROW
        ? reinterpret_cast<const char *>(sqlite3_column_text(statement, 0))
        : rc == SQLITE_DONE ? ""
                            : sqlite3_errmsg(db);
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return result;
}

// A store file in a folder of its own.
inline QString freshPath()
{
    static int n = 0;
    return TestEnvironment::home() + QStringLiteral("/store%1/store.sqlite").arg(++n);
}

inline QStringList console; // the lines printed since captureConsole()
inline void captureConsole()
{
    console.clear();
    qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext &, const QString &line) { console.append(line); });
}

} // namespace StoreTesting
