#include "ImageSaver.h"

#include "ImageCodec.h"
#include "PhotoLibrary.h"

#include <QCoroFuture>
#include <QtConcurrent/QtConcurrentRun>

namespace {

Result<QString> saveImage(const QImage &image, ImageFormat format, const QString &title)
{
    PhotoLibrary *library = PhotoLibrary::shared();
    if (!library->requestAddOnlyAuthorization()) {
        return Error { QStringLiteral("PhotoLibrary"), -1,
            QStringLiteral("adding to the photo library is not allowed"),
            Error::Kind::noPermission };
    }
    const QByteArray bytes = encodeImage(image, format);
    if (bytes.isEmpty()) {
        return Error { QStringLiteral("ImageSaver"), -1, QStringLiteral("encoding gave no bytes"),
            Error::Kind::imageUnusable };
    }
    return library->addPhoto(bytes, title);
}

} // namespace

QCoro::Task<Result<QString>> ImageSaver::writeToPhotoAlbum(
    QImage image, ImageFormat format, QString title)
{
    const QFuture<Result<QString>> saving = QtConcurrent::run(saveImage, image, format, title);
    Result<QString> result = co_await saving;
    if (!result) {
        qCWarning(lcVellumar).noquote() << "saving a photo failed:" << result.error().domain
                                        << result.error().code << result.error().detail;
    }
    co_return result;
}
