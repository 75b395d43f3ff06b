// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Desktop.h"

#include "export/DesktopPhotoLibrary.h"
#include "export/ImageCodec.h"
#include "export/PhotoLibrary.h"
#include "store/TemporaryDirectory.h"
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

Desktop *Desktop::shared()
{
    static Desktop *const desktop = new Desktop;
    return desktop;
}

Desktop *Desktop::create(QQmlEngine *, QJSEngine *)
{
    QJSEngine::setObjectOwnership(shared(), QJSEngine::CppOwnership);
    return shared();
}

Desktop::Desktop()
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

QString Desktop::photoFolder()
{
    return PhotoLibrary::readable(PhotoLibrary::shared()->location());
}

void Desktop::copyText(const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
}

void Desktop::copyIcon(const AppItem &item)
{
    const std::optional<QUrl> url = item.iconUrl(IconResolution::size1024);
    if (url)
        copy(*url);
    else
        Q_EMIT pictureCopied(false);
}

void Desktop::copyPicture(const QString &address)
{
    copy(QUrl(address));
}

QCoro::Task<> Desktop::copy(QUrl url)
{
    // The desktop lives as long as the process, so no guard of `this`.
    const Result<QImage> image = co_await downloadPicture(url);
    if (image)
        QGuiApplication::clipboard()->setImage(image.value());
    Q_EMIT pictureCopied(image.ok());
}

void Desktop::dragIcon(const AppItem &item, QObject *source)
{
    if (const std::optional<QUrl> url = item.iconUrl(IconResolution::size1024))
        drag(*url, PhotoLibrary::appName(item.trackName, item.trackId), std::nullopt, source);
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
    QUrl url, QString appName, std::optional<int> screenshot, QPointer<QObject> source)
{
    const Result<QImage> downloaded = co_await downloadPicture(url);
    if (!downloaded || !source || QGuiApplication::mouseButtons() == Qt::NoButton)
        co_return;
    const QImage &image = downloaded.value();
    // An icon is named by the size it came in, which its address may not choose.
    const QString title = screenshot
        ? PhotoLibrary::screenshotTitle(appName, *screenshot)
        : PhotoLibrary::photoTitle(appName, QString::number(image.width()));
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
