#include "ImageSaver.h"

#include "ImageCodec.h"
#include "PhotoLibrary.h"

#include <QCoreApplication>
#include <QThread>
#include <QThreadPool>

#include <utility>

ImageSaver::ImageSaver()
{
    // The callbacks run in this object's thread, which must be the GUI thread.
    if (QCoreApplication::instance())
        moveToThread(QCoreApplication::instance()->thread());
}

void ImageSaver::writeToPhotoAlbum(const QImage &image, ImageFormat format)
{
    if (std::exchange(m_started, true))
        return;
    PhotoLibrary *library = PhotoLibrary::shared();
    // The library's handlers may run on any thread; the saver is only touched
    // there to post the outcome back, and lives until that outcome is handled.
    library->requestAddOnlyAuthorization(
        [this, image, format](PhotoLibrary::AuthorizationStatus status) {
            if (!PhotoLibrary::isGranted(status)) {
                finish(Outcome::permissionDenied);
                return;
            }
            if (QThread::currentThread() == thread())
                QThreadPool::globalInstance()->start(
                    [this, image, format] { saveImage(image, format); });
            else
                saveImage(image, format);
        });
}

void ImageSaver::saveImage(const QImage &image, ImageFormat format)
{
    QByteArray bytes = encodeImage(image, format);
    if (bytes.isEmpty()) {
        finish(Outcome::noImageData);
        return;
    }
    PhotoLibrary::shared()->createAsset(
        std::move(bytes), [this](const PhotoLibrary::CreationOutcome &outcome) {
            if (outcome.success)
                finish(Outcome::saved);
            else
                finish(Outcome::libraryFailed, outcome.error);
        });
}

void ImageSaver::finish(Outcome outcome, std::optional<Error> libraryError)
{
    if (m_finished.exchange(true))
        return;
    // Queued even on the GUI thread, so that no callback runs inside
    // writeToPhotoAlbum; the texts are looked up on the GUI thread too.
    QMetaObject::invokeMethod(
        this,
        [this, outcome, libraryError = std::move(libraryError)] {
            if (outcome == Outcome::saved) {
                if (onSuccess)
                    onSuccess();
            } else if (onError) {
                switch (outcome) {
                case Outcome::permissionDenied:
                    onError({ QStringLiteral("PhotoLibrary"), -1,
                        qtTrId("permission_denied_message") });
                    break;
                case Outcome::noImageData:
                    onError({ QStringLiteral("ImageSaver"), -1, qtTrId("image_data_error") });
                    break;
                case Outcome::libraryFailed:
                    onError(libraryError.value_or(
                        Error { QStringLiteral("ImageSaver"), -2, qtTrId("save_fail_generic") }));
                    break;
                case Outcome::saved:
                    break;
                }
            }
            deleteLater();
        },
        Qt::QueuedConnection);
}
