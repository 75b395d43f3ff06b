#include "DesktopPhotoLibrary.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QUrl>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Hidden, so that no photo viewer shows a half-written file.
const QString temporaryPattern = QStringLiteral(".vellumar-*.tmp");
// Older than this, a temporary file belongs to no write still running.
constexpr qint64 staleAfterSeconds = 10 * 60;

// The error of a failed system call on `path`.
Error systemError(int code, const QString &path)
{
    Error::Kind kind = Error::Kind::writeFailed;
    if (code == ENOSPC || code == EDQUOT)
        kind = Error::Kind::diskFull;
    else if (code == EFBIG)
        kind = Error::Kind::tooLarge;
    else if (code == EACCES || code == EPERM || code == EROFS)
        kind = Error::Kind::noPermission;
    return { QStringLiteral("POSIX"), code, path + QStringLiteral(": ") + qt_error_string(code),
        kind };
}

// A title as a file name that every common file system takes: what some
// refuse becomes "_", and no leading dot hides it. Kept well inside the
// 255-byte limit, counter and extension included.
QString fileStem(const QString &title)
{
    QString stem = title.left(200).trimmed();
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

bool DesktopPhotoLibrary::requestAddOnlyAuthorization()
{
    QDir().mkpath(m_folder);
    const QFileInfo folder(m_folder);
    return folder.isDir() && folder.isWritable();
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

    const QString stem = m_folder + u'/' + fileStem(title);
    for (int counter = 1; counter < 10000; ++counter) {
        const QString name
            = stem + (counter > 1 ? QStringLiteral(" %1").arg(counter) : QString()) + extension;
        if (QFileInfo::exists(name))
            continue;
        // Written and synced under a temporary name first, so that a photo's
        // name never shows a partial file.
        QTemporaryFile file(m_folder + u'/' + QString(temporaryPattern).replace(u'*', "XXXXXX"));
        if (!file.open() || file.write(bytes) != bytes.size() || !file.flush())
            return systemError(errno, file.fileName());
        if (::fsync(file.handle()) != 0)
            return systemError(errno, file.fileName());
        // Never replaces a file. When another save took the name meanwhile,
        // the next name gets a fresh temporary file: a failed rename closes it.
        if (file.rename(name)) {
            file.setAutoRemove(false);
            const int error = syncFolder(m_folder);
            if (error != 0)
                return systemError(error, m_folder);
            return name;
        }
        const int error = errno;
        if (!QFileInfo::exists(name))
            return systemError(error, name);
    }
    return systemError(EEXIST, stem);
}

void DesktopPhotoLibrary::showPhoto(const QString &place)
{
    const QString folder = QFileInfo(place).absolutePath();
    const auto openFolder = [folder] {
        QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
    };
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        openFolder();
        return;
    }
    QDBusMessage call
        = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.FileManager1"),
            QStringLiteral("/org/freedesktop/FileManager1"),
            QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    call << QStringList { QUrl::fromLocalFile(place).toString() } << QString();
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
        [openFolder](QDBusPendingCallWatcher *finished) {
            if (finished->isError())
                openFolder();
            finished->deleteLater();
        });
}
