// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ImageFormat.h"
#include "catalogue/Result.h"

#include <QByteArray>
#include <QImage>
#include <qcorotask.h>

#include <memory>

class PhotoLibrary;

// Writes one image into a photo library as a new photo titled `title`, and gives where the library
// put it. Encoding runs on the thread pool, permission and writing on threads of their own; the
// awaiting coroutine resumes in its own thread. Errors: "PhotoLibrary" -1 without permission, -2
// when a file or a dangling link stands where the folder should be, "ImageSaver" -1 when encoding
// gives no bytes, "ImageSaver" -2 when the library fails without saying why; the library's own
// errors pass unchanged.
class ImageSaver
{
public:
    ImageSaver() = delete;

    [[nodiscard]] static QCoro::Task<Result<QString>> writeToPhotoAlbum(
        QImage image, ImageFormat format, QString title, std::shared_ptr<PhotoLibrary> library);
    // Bytes already encoded as PNG or JPEG, written as they are.
    [[nodiscard]] static QCoro::Task<Result<QString>> writeToPhotoAlbum(
        QByteArray encoded, QString title, std::shared_ptr<PhotoLibrary> library);
};
