// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TemporaryDirectory.h"

#include <QDir>
#include <QFile>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

Error failure(int code, const QString &description)
{
    return Error { QStringLiteral("TemporaryDirectory"), code, description };
}

} // namespace

Result<QString> applicationTemporaryDirectory()
{
#ifdef Q_OS_UNIX
    const QString path
        = QDir::tempPath() + QStringLiteral("/vellumar-") + QString::number(::getuid());
    const QByteArray native = QFile::encodeName(path);
    if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST)
        return failure(errno, path + QStringLiteral(": ") + qt_error_string(errno));

    // lstat, not stat: a symbolic link planted under our name must not
    // redirect what we write or delete.
    struct stat info;
    if (::lstat(native.constData(), &info) != 0)
        return failure(errno, path + QStringLiteral(": ") + qt_error_string(errno));
    if (!S_ISDIR(info.st_mode))
        return failure(ENOTDIR, path + QStringLiteral(": 不是文件夹"));
    if (info.st_uid != ::getuid())
        return failure(EPERM, path + QStringLiteral(": 属于其他用户"));
    if ((info.st_mode & 077) != 0 && ::chmod(native.constData(), 0700) != 0)
        return failure(errno, path + QStringLiteral(": ") + qt_error_string(errno));
    return path;
#else
    const QString path = QDir::tempPath() + QStringLiteral("/vellumar");
    if (!QDir().mkpath(path))
        return failure(-1, path + QStringLiteral(": 无法创建文件夹"));
    return path;
#endif
}
