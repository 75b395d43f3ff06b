#include "IconSaveFlow.h"

#include "catalogue/AppStoreAPI.h"
#include "export/ImageCodec.h"
#include "export/ImageSaver.h"
#include "export/PhotoLibrary.h"
#include "export/Rounding.h"
#include "store/HistoryManager.h"
#include "store/SettingsManager.h"

#include <QCoroFuture>
#include <QPointer>
#include <QtConcurrent/QtConcurrentRun>

IconSaveFlow::IconSaveFlow(QObject *parent)
    : SaveAlert(parent)
{ }

void IconSaveFlow::setRecordsHistory(bool records)
{
    m_recordsHistory = records;
    Q_EMIT recordsHistoryChanged();
}

void IconSaveFlow::setRegionCode(const QString &code)
{
    m_regionCode = code;
    Q_EMIT regionCodeChanged();
}

void IconSaveFlow::saveIcon(const AppItem &item)
{
    AppItem stamped = item;
    if (!m_regionCode.isEmpty())
        stamped.countryCode = m_regionCode;
    // Fire and forget: the coroutine frame lives until the save has finished.
    save(stamped);
}

namespace {

std::optional<QImage> decodeAndShape(const QByteArray &bytes, bool fully, bool slightly)
{
    std::optional<QImage> image = decodeImage(bytes);
    if (image && (fully || slightly)) {
        std::optional<QImage> shaped
            = fully ? rounded(*image) : withCornerRadius(*image, image->width() * 0.08);
        // A rounding that cannot be applied is not a failure: save it square.
        if (shaped)
            image = std::move(shaped);
    }
    return image;
}

// How a saved file tells its options: "1024", "512 rounded", "original".
QString whatIsSaved(IconResolution resolution, bool originalJpeg, bool fully, bool slightly)
{
    if (originalJpeg)
        return QStringLiteral("original");
    const QString size = rawValue(resolution).section(u'x', 0, 0);
    if (fully)
        return size + QStringLiteral(" rounded");
    return slightly ? size + QStringLiteral(" slightly rounded") : size;
}

} // namespace

QCoro::Task<> IconSaveFlow::save(AppItem item)
{
    // Leaving the screen does not cancel a save: the file is still written and
    // remembered; only the alert needs the owner to be alive.
    QPointer<IconSaveFlow> self(this);
    const auto alert = [self](bool success, const QString &message, const QString &photo = {}) {
        if (self)
            self->showSaveAlert(success, message, photo);
    };
    const bool recordHistory = m_recordsHistory;
    SettingsManager *settings = SettingsManager::shared();

    // The format and the resolution are fixed before the download, the
    // rounding only after it, so a rounding change during a download counts.
    const bool originalJpeg = settings->saveAsOriginalJPEG();
    const char *downloadFailKey
        = originalJpeg ? "download_fail_message_original" : "download_fail_message_icon";
    const char *successKey
        = originalJpeg ? "save_success_message_original" : "save_success_message_icon";
    const IconResolution resolution
        = originalJpeg ? IconResolution::size1024 : settings->selectedResolution();

    const std::optional<QUrl> url = item.iconUrl(resolution);
    if (!url) {
        alert(false, qtTrId(downloadFailKey));
        co_return;
    }

    const Result<QByteArray> bytes = co_await AppStoreAPI::downloadImageData(*url);
    if (!bytes) {
        alert(false, qtTrId(downloadFailKey));
        co_return;
    }
    // Read now, after the download: a rounding chosen meanwhile counts.
    const bool fully = !originalJpeg && settings->saveAsRounded();
    const bool slightly = !originalJpeg && !fully && settings->saveAsSlightlyRounded();
    // A large picture takes seconds to decode and round; the window goes on
    // meanwhile. (The future is named: a temporary in the awaited expression
    // would be destroyed twice by GCC 12.)
    const QFuture<std::optional<QImage>> decoding
        = QtConcurrent::run(decodeAndShape, bytes.value(), fully, slightly);
    const std::optional<QImage> image = co_await decoding;
    if (!image) {
        alert(false, qtTrId(downloadFailKey));
        co_return;
    }
    const ImageFormat format = originalJpeg ? ImageFormat::jpeg : ImageFormat::png;
    const QString title = PhotoLibrary::photoTitle(
        item.trackName, whatIsSaved(resolution, originalJpeg, fully, slightly));
    const Result<QString> saved = co_await ImageSaver::writeToPhotoAlbum(*image, format, title);
    if (!saved) {
        alert(false, qtTrId("save_fail_message").arg(saved.error().localizedDescription()));
        co_return;
    }
    if (recordHistory)
        HistoryManager::shared()->addHistory(item);
    alert(true, qtTrId(successKey), saved.value());
}
