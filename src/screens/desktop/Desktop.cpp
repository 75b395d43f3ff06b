// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Desktop.h"

#include "export/DesktopPhotoLibrary.h"
#include "export/ImageCodec.h"
#include "export/PhotoLibrary.h"
#include "store/SettingsManager.h"
#include "store/TemporaryDirectory.h"
#include "workflow/ApplicationContext.h"
#include "workflow/PictureDownload.h"

#include <QClipboard>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QDrag>
#include <QGuiApplication>
#include <QJSEngine>
#include <QMimeData>
#include <QPixmap>

namespace {

const QString portalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString portalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString settingsInterface = QStringLiteral("org.freedesktop.portal.Settings");
const QString appearance = QStringLiteral("org.freedesktop.appearance");
const QString colorScheme = QStringLiteral("color-scheme");

// Some portals wrap a setting's value in one variant more than others.
QVariant unwrapped(QVariant value)
{
    while (value.metaType() == QMetaType::fromType<QDBusVariant>())
        value = value.value<QDBusVariant>().variant();
    return value;
}

} // namespace

Desktop *Desktop::create(QQmlEngine *engine, QJSEngine *)
{
    return new Desktop(ApplicationContext::of(engine));
}

Desktop::Desktop(ApplicationContext &context)
    : m_context(context)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    // QtDBus finds the slot's parameter types by name.
    qRegisterMetaType<QDBusVariant>();
    bus.connect(portalService, portalPath, settingsInterface, QStringLiteral("SettingChanged"),
        this, SLOT(onSettingChanged(QString, QString, QDBusVariant)));
    QDBusMessage read = QDBusMessage::createMethodCall(
        portalService, portalPath, settingsInterface, QStringLiteral("Read"));
    read << appearance << colorScheme;
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(read), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
        [this](QDBusPendingCallWatcher *finished) {
            const QDBusPendingReply<QDBusVariant> reply = *finished;
            if (!reply.isError())
                followColorScheme(reply.value().variant());
            finished->deleteLater();
        });
}

void Desktop::setDarkMode(bool dark)
{
    if (dark == m_darkMode)
        return;
    m_darkMode = dark;
    Q_EMIT darkModeChanged();
}

QString Desktop::photoFolder() const
{
    return PhotoLibrary::readable(m_context.photoLibrary()->location());
}

QUrl Desktop::homepage()
{
    return QUrl(QStringLiteral(VELLUMAR_HOMEPAGE));
}

QString Desktop::version()
{
    return QStringLiteral(VELLUMAR_VERSION);
}

void Desktop::copyText(const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
}

void Desktop::copyIcon(const AppItem &item)
{
    const std::optional<QUrl> url = item.iconUrl(IconResolution::size1024);
    if (url)
        copy(*url, qtTrId("notice_icon_copied"));
    else
        m_context.report(Error { QStringLiteral("Desktop"), -1,
            QStringLiteral("no usable icon address for %1").arg(item.trackId),
            Error::Kind::invalidAddress });
}

void Desktop::copyPicture(const QString &address)
{
    copy(QUrl(address), qtTrId("notice_picture_copied"));
}

QCoro::Task<> Desktop::copy(QUrl url, QString copied)
{
    const QPointer<Desktop> self(this);
    const Result<QImage> image = co_await downloadPicture(m_context.catalogue(), url);
    if (!self)
        co_return;
    if (!image) {
        m_context.report(image.error());
        co_return;
    }
    QGuiApplication::clipboard()->setImage(image.value());
    if (Notices *notices = m_context.notices(); notices->enabled())
        notices->post(copied, Notices::Kind::done);
}

void Desktop::dragIcon(const AppItem &item, QObject *source)
{
    const IconSaveOptions options = m_context.settings().saveOptions();
    if (const std::optional<QUrl> url = item.iconUrl(options.downloadResolution()))
        drag(*url, PhotoLibrary::appName(item.trackName, item.trackId), options, source);
}

void Desktop::dragScreenshot(
    const QString &address, const QString &appName, int number, QObject *source)
{
    drag(QUrl(address), appName, number, source);
}

QMimeData *Desktop::pictureMimeData(const QImage &image, const QString &title)
{
    const Result<QString> temporary = applicationTemporaryDirectory();
    if (!temporary) {
        qCWarning(lcScreens).noquote() << "no file to drag:" << temporary.error().detail;
        return nullptr;
    }
    // Each drag gets a file of its own: a target may still be reading the last.
    DesktopPhotoLibrary drags(temporary.value() + QStringLiteral("/drags"));
    if (const Result<void> allowed = drags.requestAddOnlyAuthorization(); !allowed) {
        qCWarning(lcScreens).noquote() << "no file to drag:" << allowed.error().detail;
        return nullptr;
    }
    const Result<QString> file = drags.addPhoto(encodePng(image), title);
    if (!file) {
        qCWarning(lcScreens).noquote() << "no file to drag:" << file.error().detail;
        return nullptr;
    }
    auto *data = new QMimeData;
    data->setImageData(image);
    data->setUrls({ QUrl::fromLocalFile(file.value()) });
    return data;
}

QCoro::Task<> Desktop::drag(
    QUrl url, QString appName, std::variant<IconSaveOptions, int> what, QPointer<QObject> source)
{
    const Result<QImage> downloaded = co_await downloadPicture(m_context.catalogue(), url);
    if (!downloaded || !source || QGuiApplication::mouseButtons() == Qt::NoButton)
        co_return;
    const auto *options = std::get_if<IconSaveOptions>(&what);
    const QImage image = options ? options->applied(downloaded.value()) : downloaded.value();
    // An icon is named as its save would be, by the size it came in, which
    // its address may not choose.
    const QString title = options
        ? PhotoLibrary::photoTitle(appName, options->fileNameWords(image.width()))
        : PhotoLibrary::screenshotTitle(appName, std::get<int>(what));
    QMimeData *data = pictureMimeData(image, title);
    if (!data)
        co_return;
    // Qt deletes the drag, and with it the data, once it is over.
    auto *drag = new QDrag(source.data());
    drag->setMimeData(data);
    drag->setPixmap(
        QPixmap::fromImage(image.scaled(96, 96, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    drag->exec(Qt::CopyAction);
}

void Desktop::onSettingChanged(const QString &group, const QString &key, const QDBusVariant &value)
{
    if (group == appearance && key == colorScheme)
        followColorScheme(value.variant());
}

void Desktop::followColorScheme(const QVariant &value)
{
    // 0: no preference, 1: prefer dark, 2: prefer light.
    setDarkMode(unwrapped(value).toUInt() == 1);
}
