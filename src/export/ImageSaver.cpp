// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ImageSaver.h"

#include "ImageCodec.h"
#include "PhotoLibrary.h"

#include <QCoroFuture>
#include <QtConcurrent/QtConcurrentRun>

namespace {

// `encoded`, or when it is empty `image` encoded as `format`.
Result<QString> saveImage(const std::shared_ptr<PhotoLibrary> &library, const QImage &image,
    ImageFormat format, const QByteArray &encoded, const QString &title)
{
    if (const Result<void> allowed = library->requestAddOnlyAuthorization(); !allowed)
        return allowed.error();
    const QByteArray bytes = encoded.isEmpty() ? encodeImage(image, format) : encoded;
    if (bytes.isEmpty()) {
        return Error { QStringLiteral("ImageSaver"), -1, QStringLiteral("encoding gave no bytes"),
            Error::Kind::imageUnusable };
    }
    return library->addPhoto(bytes, title);
}

QCoro::Task<Result<QString>> write(QImage image, ImageFormat format, QByteArray encoded,
    QString title, std::shared_ptr<PhotoLibrary> library)
{
    // The job holds the library: it may still be writing when its owner goes.
    const QFuture<Result<QString>> saving
        = QtConcurrent::run(saveImage, std::move(library), image, format, encoded, title);
    Result<QString> result = co_await saving;
    if (!result) {
        qCWarning(lcExport).noquote() << "saving a photo failed:" << result.error().domain
                                      << result.error().code << result.error().detail;
    }
    co_return result;
}

} // namespace

QCoro::Task<Result<QString>> ImageSaver::writeToPhotoAlbum(
    QImage image, ImageFormat format, QString title, std::shared_ptr<PhotoLibrary> library)
{
    return write(std::move(image), format, {}, std::move(title), std::move(library));
}

QCoro::Task<Result<QString>> ImageSaver::writeToPhotoAlbum(
    QByteArray encoded, QString title, std::shared_ptr<PhotoLibrary> library)
{
    return write({}, ImageFormat::png, std::move(encoded), std::move(title), std::move(library));
}
