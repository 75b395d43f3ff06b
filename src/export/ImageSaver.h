#pragma once

#include "ImageFormat.h"
#include "catalogue/Result.h"

#include <QImage>
#include <qcorotask.h>

// Writes one image into the photo library as a new photo titled `title`, and
// gives where the library put it. Permission,
// encoding and writing run on the thread pool; the awaiting coroutine resumes
// in its own thread. Errors: "PhotoLibrary" -1 without permission,
// "ImageSaver" -1 when encoding gives no bytes, "ImageSaver" -2 when the
// library fails without saying why; the library's own errors pass unchanged.
class ImageSaver
{
public:
    ImageSaver() = delete;

    [[nodiscard]] static QCoro::Task<Result<QString>> writeToPhotoAlbum(
        QImage image, ImageFormat format, QString title);
};
