#pragma once

#include "TestEnvironment.h"

#include <QFile>

#include <linux/capability.h>
#include <sqlite3.h>
#include <sys/syscall.h>
#include <unistd.h>

// Helpers shared by the tests of the stores.
namespace StoreTesting {

// Root ignores file modes unless its effective capabilities are dropped (the permitted stay).
inline bool holdToFileModes(bool held)
{
    __user_cap_header_struct header { _LINUX_CAPABILITY_VERSION_3, 0 };
    __user_cap_data_struct caps[2] {};
    if (syscall(SYS_capget, &header, caps) != 0)
        return false;
    for (__user_cap_data_struct &set : caps)
        set.effective = held ? 0 : set.permitted;
    return syscall(SYS_capset, &header, caps) == 0;
}

// Makes a folder read-only to this process, even as root, or writable again.
inline bool setReadOnly(const QString &folder, bool readOnly)
{
    const QFile::Permissions open = QFile::ReadOwner | QFile::ExeOwner;
    return QFile::setPermissions(folder, readOnly ? open : open | QFile::WriteOwner)
        && holdToFileModes(readOnly);
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

// The console lines printed since the last capture began.
inline QStringList console;
inline void captureConsole()
{
    console.clear();
    qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext &, const QString &line) { console.append(line); });
}

} // namespace StoreTesting
