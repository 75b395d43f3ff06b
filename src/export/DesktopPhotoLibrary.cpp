// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DesktopPhotoLibrary.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QUrl>
#include <qcorosignal.h>

#include <algorithm>
#include <cerrno>
#include <cstdio> // renameat2
#include <fcntl.h>
#include <unistd.h>

namespace {

// Hidden, so that no photo viewer shows a half-written file.
const QString temporaryPattern = QStringLiteral(".vellumar-*.tmp");
// Older than this, a temporary file belongs to no write still running.
constexpr qint64 staleAfterSeconds = 10 * 60;

// A title as a file name that every common file system takes: what some
// refuse becomes "_", and no leading dot hides it. Kept well inside the
// 255-byte limit, counter and extension included.
QString fileStem(const QString &title)
{
    QString stem = PhotoLibrary::visibleText(title).left(200).trimmed();
    for (QChar &c : stem) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f || QStringView(u"/\\:*?\"<>|").contains(c))
            c = u'_';
    }
    while (stem.startsWith(u'.'))
        stem.remove(0, 1);
    while (stem.toUtf8().size() > 200)
        stem.chop(stem.back().isLowSurrogate() ? 2 : 1);
    stem = stem.trimmed();
    return stem.isEmpty() ? QStringLiteral("Vellumar") : stem;
}

QString extensionFor(const QByteArray &bytes)
{
    if (bytes.startsWith("\x89PNG\r\n\x1a\n"))
        return QStringLiteral(".png");
    if (bytes.startsWith("\xff\xd8\xff"))
        return QStringLiteral(".jpg");
    return {};
}

// A hidden file of its own in a folder, open for writing; removed unless
// renamed.
struct TemporaryFile
{
    QByteArray path; // encoded; empty once renamed
    int fd = -1;

    ~TemporaryFile()
    {
        if (fd >= 0)
            ::close(fd);
        if (!path.isEmpty())
            ::unlink(path.constData());
    }
};

// Creates `file` in `folder`; 0 or errno. Mode 0666, so that the kernel
// applies the umask (or the folder's default ACL) as to any program's new
// file: a private temporary file would keep its 0600 through the rename, and
// changing the process's umask would race other threads.
int createTemporary(const QString &folder, TemporaryFile &file)
{
    static const QString letters = QStringLiteral("abcdefghijklmnopqrstuvwxyz0123456789");
    for (int attempt = 0; attempt < 100; ++attempt) {
        QString unique(6, Qt::Uninitialized);
        for (QChar &c : unique)
            c = letters.at(QRandomGenerator::global()->bounded(letters.size()));
        const QByteArray path
            = QFile::encodeName(folder + u'/' + QString(temporaryPattern).replace(u'*', unique));
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            file.path = path;
            file.fd = fd;
            return 0;
        }
        if (errno != EEXIST)
            return errno;
    }
    return EEXIST;
}

// Writes all of `bytes` and makes them durable; 0 or errno.
int writeAndSync(int fd, const QByteArray &bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t written = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0 && errno != EINTR)
            return errno;
        done += std::max<ssize_t>(written, 0);
    }
    return ::fsync(fd) == 0 ? 0 : errno;
}

// Gives `from` the name `to` unless a file has it; 0 or errno (EEXIST when taken).
int renameWithoutReplacing(const QByteArray &from, const QByteArray &to)
{
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    // A file system without that flag: a hard link is refused a taken name too.
    if (::link(from.constData(), to.constData()) != 0)
        return errno;
    ::unlink(from.constData());
    return 0;
}

// Makes the folder's new entry durable; 0 or errno.
int syncFolder(const QString &folder)
{
    const int fd
        = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const int error = fd < 0 || ::fsync(fd) != 0 ? errno : 0;
    if (fd >= 0)
        ::close(fd);
    return error;
}

} // namespace

DesktopPhotoLibrary::DesktopPhotoLibrary()
    : DesktopPhotoLibrary(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation)
        + QStringLiteral("/Vellumar"))
{ }

DesktopPhotoLibrary::DesktopPhotoLibrary(QString folder)
    : m_folder(std::move(folder))
{ }

Result<void> DesktopPhotoLibrary::requestAddOnlyAuthorization()
{
    QDir().mkpath(m_folder);
    const QFileInfo folder(m_folder);
    // A file or a dangling link where the folder should be is no refusal.
    if (folder.exists() ? !folder.isDir() : folder.isSymLink()) {
        return Error { QStringLiteral("PhotoLibrary"), -2,
            m_folder + QStringLiteral(" is no folder"), Error::Kind::notAFolder };
    }
    if (!folder.isDir() || !folder.isWritable()) {
        return Error { QStringLiteral("PhotoLibrary"), -1,
            m_folder + QStringLiteral(": adding photos is not allowed"),
            Error::Kind::noPermission };
    }
    return {};
}

void DesktopPhotoLibrary::sweepStaleTemporaryFiles() const
{
    const QDateTime staleBefore = QDateTime::currentDateTime().addSecs(-staleAfterSeconds);
    const QFileInfoList leftovers
        = QDir(m_folder).entryInfoList({ temporaryPattern }, QDir::Files | QDir::Hidden);
    for (const QFileInfo &file : leftovers) {
        if (file.lastModified() < staleBefore)
            QFile::remove(file.filePath());
    }
}

Result<QString> DesktopPhotoLibrary::addPhoto(const QByteArray &bytes, const QString &title)
{
    const QString extension = extensionFor(bytes);
    if (extension.isEmpty()) {
        // A failure the system did not cause, hence no system error.
        return Error { QStringLiteral("ImageSaver"), -2,
            QStringLiteral("neither PNG nor JPEG bytes"), Error::Kind::writeFailed };
    }
    std::call_once(m_swept, [this] { sweepStaleTemporaryFiles(); });

    // Written and synced under a temporary name first, so that a photo's name
    // never shows a partial file.
    TemporaryFile file;
    if (const int error = createTemporary(m_folder, file); error != 0)
        return Error::fromErrno(error, m_folder);
    if (const int error = writeAndSync(file.fd, bytes); error != 0)
        return Error::fromErrno(error, QFile::decodeName(file.path));
    const int closed = ::close(file.fd);
    file.fd = -1;
    if (closed != 0)
        return Error::fromErrno(errno, QFile::decodeName(file.path));

    const QString stem = m_folder + u'/' + fileStem(title);
    for (int counter = 1; counter < 10000; ++counter) {
        const QString name
            = stem + (counter > 1 ? QStringLiteral(" %1").arg(counter) : QString()) + extension;
        // Never replaces a file: a name taken, even meanwhile by another
        // save, passes on to the next.
        const int renamed = renameWithoutReplacing(file.path, QFile::encodeName(name));
        if (renamed == EEXIST)
            continue;
        if (renamed != 0)
            return Error::fromErrno(renamed, name);
        file.path.clear();
        if (const int error = syncFolder(m_folder); error != 0)
            return Error::fromErrno(error, m_folder);
        return name;
    }
    return Error::fromErrno(EEXIST, stem);
}

QString DesktopPhotoLibrary::firstPathFor(const QString &title, const QString &extension) const
{
    return m_folder + u'/' + fileStem(title) + extension;
}

QCoro::Task<Result<void>> DesktopPhotoLibrary::showPhoto(QString place)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected()) {
        QDBusMessage call
            = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.FileManager1"),
                QStringLiteral("/org/freedesktop/FileManager1"),
                QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
        call << QStringList { QUrl::fromLocalFile(place).toString() } << QString();
        QDBusPendingCallWatcher watcher(bus.asyncCall(call));
        co_await qCoro(&watcher, &QDBusPendingCallWatcher::finished);
        if (!watcher.isError())
            co_return {};
        qCDebug(lcExport) << "no file manager service:" << watcher.error().message();
    }
    const QString folder = QFileInfo(place).absolutePath();
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(folder)))
        co_return {};
    co_return Error { QStringLiteral("DesktopPhotoLibrary"), -1,
        QStringLiteral("nothing opens %1").arg(folder), Error::Kind::noFileManager };
}
