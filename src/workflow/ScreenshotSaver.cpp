#include "ScreenshotSaver.h"

#include "catalogue/AppStoreAPI.h"
#include "export/ImageCodec.h"
#include "export/ImageSaver.h"

#include <QCoroFuture>
#include <QPointer>
#include <QUrl>
#include <QtConcurrent/QtConcurrentRun>

ScreenshotSaver::ScreenshotSaver(QObject *parent)
    : SaveAlert(parent)
{ }

void ScreenshotSaver::saveScreenshot(const QString &imageUrl)
{
    const QUrl url(imageUrl, QUrl::StrictMode);
    if (imageUrl.isEmpty() || !url.isValid() || url.isRelative()) {
        showSaveAlert(false, qtTrId("screenshot_url_invalid"));
        return;
    }
    // Fire and forget: the coroutine frame lives until the save has finished.
    save(url);
}

QCoro::Task<> ScreenshotSaver::save(QUrl url)
{
    // Leaving the screen does not cancel the save; only the alert needs the
    // saver to be alive.
    QPointer<ScreenshotSaver> self(this);
    const auto alert = [self](bool success, const QString &message) {
        if (self)
            self->showSaveAlert(success, message);
    };

    const Result<QByteArray> bytes = co_await AppStoreAPI::downloadImageData(url);
    // Decoded in the thread pool: a large picture takes seconds.
    std::optional<QImage> image;
    if (bytes) {
        const QFuture<std::optional<QImage>> decoding
            = QtConcurrent::run(decodeImage, bytes.value());
        image = co_await decoding;
    }
    if (!image) {
        alert(false, qtTrId("download_fail_message_screenshot"));
        co_return;
    }

    const Result<void> saved = co_await ImageSaver::writeToPhotoAlbum(*image, ImageFormat::png);
    if (saved)
        alert(true, qtTrId("save_success_message_screenshot"));
    else
        alert(false, qtTrId("save_fail_message").arg(saved.error().localizedDescription()));
}
