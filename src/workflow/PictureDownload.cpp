// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PictureDownload.h"

#include "catalogue/AppStoreAPI.h"
#include "export/ImageCodec.h"

#include <QCoroFuture>
#include <QtConcurrent/QtConcurrentRun>

QCoro::Task<Result<QImage>> downloadPicture(AppStoreAPI &catalogue, QUrl url)
{
    const Result<QByteArray> bytes = co_await catalogue.downloadImageData(url);
    if (!bytes)
        co_return bytes.error();
    // The future is named: GCC 12 destroys an awaited temporary twice.
    const QFuture<Result<QImage>> decoding = QtConcurrent::run(decodeImage, bytes.value());
    Result<QImage> image = co_await decoding;
    if (!image)
        qCWarning(lcExport).noquote() << url.toDisplayString() << image.error().detail;
    co_return image;
}
