#pragma once

#include "ImageFormat.h"
#include "catalogue/Result.h"

#include <QImage>
#include <QObject>

#include <atomic>
#include <functional>
#include <optional>

// Writes one image into the photo library as a new photo. Make one per save
// with `new`, assign the callbacks, call writeToPhotoAlbum and let go: it
// deletes itself once the outcome is delivered, and nothing else may delete
// it before (work on other threads still posts to it).
//
// Exactly one of the callbacks runs, once, on the GUI thread and always after
// writeToPhotoAlbum has returned. Errors: "PhotoLibrary" -1 without
// permission, "ImageSaver" -1 when encoding gives no bytes, "ImageSaver" -2
// when the library fails without saying why; the library's own errors are
// passed on unchanged.
class ImageSaver : public QObject
{
    Q_OBJECT
public:
    ImageSaver();

    std::function<void()> onSuccess;
    std::function<void(const Error &)> onError;

    // Returns at once; permission, encoding and writing happen off the GUI
    // thread. A saver writes once: later calls are ignored.
    void writeToPhotoAlbum(const QImage &image, ImageFormat format);

private:
    enum class Outcome { saved, permissionDenied, noImageData, libraryFailed };

    // The second stage, once permission is granted: encode and add.
    void saveImage(const QImage &image, ImageFormat format);
    // Hops to the GUI thread, calls the callback and deletes the saver.
    void finish(Outcome outcome, std::optional<Error> libraryError = std::nullopt);

    bool m_started = false;
    std::atomic_bool m_finished = false;
};
