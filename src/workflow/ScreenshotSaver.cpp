// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ScreenshotSaver.h"

#include "ApplicationContext.h"
#include "PictureDownload.h"
#include "export/ImageSaver.h"
#include "export/PhotoLibrary.h"

#include <QPointer>
#include <QUrl>

ScreenshotSaver::ScreenshotSaver(QObject *parent)
    : SaveAlert(parent)
{ }

void ScreenshotSaver::saveScreenshot(const QString &imageUrl, const QString &appName, int number)
{
    const QUrl url(imageUrl, QUrl::StrictMode);
    if (imageUrl.isEmpty() || !url.isValid() || url.isRelative()) {
        showSaveAlert(false, qtTrId("screenshot_url_invalid"));
        return;
    }
    // Fire and forget: the coroutine frame lives until the save has finished.
    save(url, PhotoLibrary::screenshotTitle(appName, number));
}

QCoro::Task<> ScreenshotSaver::save(QUrl url, QString title)
{
    // Leaving the screen does not cancel the save; only the alert needs the
    // saver to be alive.
    QPointer<ScreenshotSaver> self(this);
    const auto alert = [self](bool success, const QString &message, const QString &photo = {}) {
        if (self)
            self->showSaveAlert(success, message, photo);
    };

    const std::shared_ptr<PhotoLibrary> library = context().photoLibrary();
    const Result<QImage> image = co_await downloadPicture(context().catalogue(), url);
    if (!image) {
        // Downloaded but no picture says so; anything else failed on the way.
        alert(false,
            image.error().kind == Error::Kind::imageUnusable
                ? qtTrId("save_fail_message").arg(image.error().localizedDescription())
                : qtTrId("download_fail_message_screenshot"));
        co_return;
    }

    const Result<QString> saved
        = co_await ImageSaver::writeToPhotoAlbum(image.value(), ImageFormat::png, title, library);
    if (saved)
        alert(true, qtTrId("save_success_message_screenshot"), saved.value());
    else
        alert(false, qtTrId("save_fail_message").arg(saved.error().localizedDescription()));
}
