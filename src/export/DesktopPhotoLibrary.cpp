#include "DesktopPhotoLibrary.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QThreadPool>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

namespace {

Error systemError(int code)
{
    return { QStringLiteral("POSIX"), code, qt_error_string(code) };
}

QByteArray extensionFor(const QByteArray &bytes)
{
    if (bytes.startsWith("\x89PNG\r\n\x1a\n"))
        return QByteArrayLiteral(".png");
    if (bytes.startsWith("\xff\xd8\xff"))
        return QByteArrayLiteral(".jpg");
    return {};
}

class FileDescriptor
{
public:
    explicit FileDescriptor(int fd = -1)
        : m_fd(fd)
    { }
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;

    [[nodiscard]] int get() const { return m_fd; }
    // Closes now, since close() can report a failed write; 0 or errno.
    int close()
    {
        const int fd = std::exchange(m_fd, -1);
        return ::close(fd) == 0 ? 0 : errno;
    }

private:
    int m_fd;
};

// 0 or errno.
int writeAll(int fd, const char *data, qsizetype size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size_t(std::min<qsizetype>(size, 1 << 30)));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (written == 0)
            return EIO;
        data += written;
        size -= written;
    }
    return 0;
}

// Gives the temporary file its final name unless that name is taken; 0 or
// errno (EEXIST: taken).
int publish(int dirFd, const char *temporary, const char *name)
{
#ifdef RENAME_NOREPLACE
    if (::renameat2(dirFd, temporary, dirFd, name, RENAME_NOREPLACE) == 0)
        return 0;
    // File systems without the flag answer EINVAL; link() never replaces
    // either.
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
        return errno;
#endif
    if (::linkat(dirFd, temporary, dirFd, name, 0) != 0)
        return errno;
    ::unlinkat(dirFd, temporary, 0);
    return 0;
}

} // namespace

DesktopPhotoLibrary::DesktopPhotoLibrary()
    : DesktopPhotoLibrary(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation)
        + QStringLiteral("/Vellumar"))
{ }

DesktopPhotoLibrary::DesktopPhotoLibrary(QString folder)
    : m_folder(std::move(folder))
{ }

void DesktopPhotoLibrary::requestAddOnlyAuthorization(AuthorizationHandler handler)
{
    QThreadPool::globalInstance()->start(
        [this, handler = std::move(handler)] { handler(authorizationStatus()); });
}

void DesktopPhotoLibrary::createAsset(QByteArray bytes, CreationHandler handler)
{
    QThreadPool::globalInstance()->start(
        [this, bytes = std::move(bytes), handler = std::move(handler)] {
            handler(writeAsset(bytes));
        });
}

PhotoLibrary::AuthorizationStatus DesktopPhotoLibrary::authorizationStatus() const
{
    QDir().mkpath(m_folder);
    const QByteArray path = QFile::encodeName(m_folder);
    if (!QFileInfo(m_folder).isDir() || ::access(path.constData(), W_OK | X_OK) != 0)
        return AuthorizationStatus::denied;
    return AuthorizationStatus::authorized;
}

PhotoLibrary::CreationOutcome DesktopPhotoLibrary::writeAsset(const QByteArray &bytes) const
{
    const QByteArray extension = extensionFor(bytes);
    if (extension.isEmpty())
        return { false, std::nullopt };

    QDir().mkpath(m_folder);
    const FileDescriptor folder(
        ::open(QFile::encodeName(m_folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() < 0)
        return { false, systemError(errno) };

    // A hidden file first, so that no photo name ever shows a partial file;
    // the kernel applies the user's umask to the mode.
    QByteArray temporary;
    int fd = -1;
    while (fd < 0) {
        temporary = ".vellumar-" + QByteArray::number(QRandomGenerator::global()->generate64(), 16)
            + ".tmp";
        fd = ::openat(
            folder.get(), temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return { false, systemError(errno) };
    }
    FileDescriptor file(fd);

    int error = writeAll(file.get(), bytes.constData(), bytes.size());
    if (error == 0 && ::fsync(file.get()) != 0)
        error = errno;
    const int closeError = file.close();
    if (error == 0)
        error = closeError;

    if (error == 0) {
        const QString stem = QStringLiteral("Vellumar ")
            + QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH.mm.ss"));
        error = EEXIST;
        for (int counter = 1; error == EEXIST && counter < 10000; ++counter) {
            const QString suffix = counter > 1 ? QStringLiteral(" %1").arg(counter) : QString();
            const QByteArray name = QFile::encodeName(stem + suffix) + extension;
            error = publish(folder.get(), temporary.constData(), name.constData());
        }
        // The new name is durable only once the folder itself is on disk.
        if (error == 0)
            return ::fsync(folder.get()) == 0 ? CreationOutcome { true, std::nullopt }
                                              : CreationOutcome { false, systemError(errno) };
    }
    ::unlinkat(folder.get(), temporary.constData(), 0);
    return { false, systemError(error) };
}
