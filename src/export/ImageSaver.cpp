// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ImageSaver.h"

#include "ImageCodec.h"
#include "PhotoLibrary.h"

#include <QCoroFuture>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

namespace {

// Writing waits for the disk (each file is synced): on threads of its own, so
// that the encoding jobs keep every core busy meanwhile.
QThreadPool &writers()
{
    static QThreadPool pool;
    pool.setMaxThreadCount(4);
    return pool;
}

Result<QString> addPhoto(
    const std::shared_ptr<PhotoLibrary> &library, const QByteArray &bytes, const QString &title)
{
    if (const Result<void> allowed = library->requestAddOnlyAuthorization(); !allowed)
        return allowed.error();
    return library->addPhoto(bytes, title);
}

QCoro::Task<Result<QString>> write(QImage image, ImageFormat format, QByteArray encoded,
    QString title, std::shared_ptr<PhotoLibrary> library)
{
    if (encoded.isEmpty()) {
        // (Named: a temporary future in the awaited expression trips GCC 12.)
        const QFuture<QByteArray> encoding = QtConcurrent::run(encodeImage, image, format);
        encoded = co_await encoding;
    }
    Result<QString> result = Error { QStringLiteral("ImageSaver"), -1,
        QStringLiteral("encoding gave no bytes"), Error::Kind::imageUnusable };
    if (!encoded.isEmpty()) {
        // The job holds the library: it may still be writing when its owner goes.
        const QFuture<Result<QString>> saving
            = QtConcurrent::run(&writers(), addPhoto, std::move(library), encoded, title);
        result = co_await saving;
    }
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
