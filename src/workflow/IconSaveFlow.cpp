// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "IconSaveFlow.h"

#include "ApplicationContext.h"
#include "catalogue/AppStoreAPI.h"
#include "export/ImageCodec.h"
#include "export/ImageSaver.h"
#include "export/PhotoLibrary.h"
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

AppItem IconSaveFlow::stamped(const AppItem &item) const
{
    AppItem stamped = item;
    if (!m_regionCode.isEmpty())
        stamped.countryCode = m_regionCode;
    return stamped;
}

void IconSaveFlow::saveIcon(const AppItem &item)
{
    // Fire and forget: the coroutine frame lives until the save has finished.
    save(stamped(item), std::nullopt);
}

void IconSaveFlow::saveIconAs(const AppItem &item, const IconSaveOptions &options)
{
    save(stamped(item), options);
}

QCoro::Task<> IconSaveFlow::save(AppItem item, std::optional<IconSaveOptions> fixed)
{
    // Leaving the screen does not cancel a save: the file is still written and
    // remembered; only the alert needs the owner to be alive.
    QPointer<IconSaveFlow> self(this);
    SettingsManager &settings = context().settings();
    const IconSaveOutcome outcome = co_await saveOne(
        std::move(item), [&settings, fixed] { return fixed.value_or(settings.saveOptions()); },
        context(), m_recordsHistory);
    if (self)
        self->showSaveAlert(
            outcome.saved.ok(), outcome.message, outcome.saved ? outcome.saved.value() : QString());
}

namespace {

Error saveFlowError(int code, const QString &detail, Error::Kind kind)
{
    return Error { QStringLiteral("IconSaveFlow"), code, detail, kind };
}

} // namespace

IconSaveOptions IconSaveFlow::optionsFor(const AppItem &item, IconSaveOptions options)
{
    if (item.isMacApp() && options.shape != IconSaveOptions::Shape::original)
        options.shape = IconSaveOptions::Shape::square;
    return options;
}

QString IconSaveFlow::iconTitle(const AppItem &item, const IconSaveOptions &options)
{
    const IconSaveOptions used = optionsFor(item, options);
    return PhotoLibrary::photoTitle(
        PhotoLibrary::appName(item.trackName, item.trackId), used.fileNameWords(used.side()));
}

QCoro::Task<IconSaveOutcome> IconSaveFlow::saveOne(AppItem item,
    std::function<IconSaveOptions()> options, ApplicationContext &context, bool recordHistory)
{
    // The context outlives the screens, not necessarily a save in flight.
    const QPointer<ApplicationContext> alive(&context);
    const std::shared_ptr<PhotoLibrary> library = context.photoLibrary();
    // The format and the size are fixed before the download, the shape only
    // after it, so a change of shape during a download counts.
    const IconSaveOptions before = options();
    const bool original = before.shape == IconSaveOptions::Shape::original;
    const QString downloadFailed
        = qtTrId(original ? "download_fail_message_original" : "download_fail_message_icon");

    const std::optional<QUrl> url = item.iconUrl(before.downloadResolution());
    if (!url) {
        qCWarning(lcExport).noquote()
            << "no usable icon address for" << item.trackId << item.artworkUrl512;
        co_return IconSaveOutcome { saveFlowError(-1, QStringLiteral("no usable icon address"),
                                        Error::Kind::invalidAddress),
            downloadFailed };
    }
    const Error closing
        = saveFlowError(-4, QStringLiteral("the application is closing"), Error::Kind::unknown);
    const Result<QByteArray> bytes = co_await context.catalogue().downloadImageData(*url);
    if (!bytes)
        co_return IconSaveOutcome { bytes.error(), downloadFailed };
    if (!alive)
        co_return IconSaveOutcome { closing, downloadFailed };
    const IconSaveOptions used = optionsFor(item, before.withShapeOf(options()));
    const bool mac = item.isMacApp();
    // A large picture takes seconds to decode and round; the window goes on
    // meanwhile. (The future is named: a temporary in the awaited expression
    // would be destroyed twice by GCC 12.)
    const QFuture<Result<QImage>> decoding = QtConcurrent::run(
        [used](const QByteArray &encoded) -> Result<QImage> {
            Result<QImage> image = decodeImage(encoded);
            return image ? Result<QImage>(used.applied(std::move(*image))) : image;
        },
        bytes.value());
    const Result<QImage> image = co_await decoding;
    if (!image) {
        qCWarning(lcExport).noquote() << url->toDisplayString() << image.error().detail;
        // Downloaded, but no picture: that is what the person is told.
        co_return IconSaveOutcome { image.error(),
            qtTrId("save_fail_message").arg(image.error().localizedDescription()) };
    }
    const QString title = PhotoLibrary::photoTitle(
        PhotoLibrary::appName(item.trackName, item.trackId), used.fileNameWords(image->width()));
    // A Mac original is the file as delivered: often a PNG, whose
    // transparency a JPEG would lose. (Two statements: GCC 12 mishandles
    // co_await in the arms of a conditional expression.)
    Result<QString> saved = Error {};
    if (original && mac)
        saved = co_await ImageSaver::writeToPhotoAlbum(bytes.value(), title, library);
    else
        saved = co_await ImageSaver::writeToPhotoAlbum(*image, used.format(), title, library);
    if (!saved) {
        const QString message
            = qtTrId("save_fail_message").arg(saved.error().localizedDescription());
        co_return IconSaveOutcome { std::move(saved), message };
    }
    // The file stays; that it is not remembered is a failure all the same.
    if (recordHistory) {
        const Result<void> remembered = alive ? alive->history().addHistory(item) : closing;
        if (!remembered) {
            co_return IconSaveOutcome { saveFlowError(-3,
                                            saved.value() + QStringLiteral(": not in the history"),
                                            remembered.error().kind),
                qtTrId("history_fail_message") };
        }
    }
    const char *success = original ? "save_success_message_original"
        : mac                      ? "save_success_message_mac"
                                   : "save_success_message_icon";
    co_return IconSaveOutcome { std::move(saved), qtTrId(success) };
}
