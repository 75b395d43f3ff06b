#include "WindowGeometry.h"

#include "store/KeyValueStore.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

namespace {

const QString key = QStringLiteral("WindowGeometry");

} // namespace

namespace WindowGeometry {

// "x y width height maximized": plain text, easy to read and to repair.
void restore(QWindow &window)
{
    const QStringList parts
        = KeyValueStore::shared().stringForKey(key).value_or(QString()).split(u' ');
    if (parts.size() != 5)
        return;
    QList<int> numbers;
    for (const QString &part : parts) {
        bool ok = false;
        numbers << part.toInt(&ok);
        if (!ok)
            return;
    }
    const QRect frame(numbers[0], numbers[1], qMax(numbers[2], window.minimumWidth()),
        qMax(numbers[3], window.minimumHeight()));
    // A screen that is gone would leave the window out of sight.
    for (const QScreen *screen : QGuiApplication::screens()) {
        if (screen->availableGeometry().intersects(frame)) {
            window.setGeometry(frame);
            break;
        }
    }
    if (numbers[4] != 0)
        window.setWindowStates(Qt::WindowMaximized);
}

void remember(const QWindow &window, QSize defaultSize)
{
    const QRect frame = window.geometry();
    const bool maximized = window.windowStates() & Qt::WindowMaximized;
    const QString value = QStringLiteral("%1 %2 %3 %4 %5")
                              .arg(frame.x())
                              .arg(frame.y())
                              .arg(frame.width())
                              .arg(frame.height())
                              .arg(maximized ? 1 : 0);
    const std::optional<QString> stored = KeyValueStore::shared().stringForKey(key);
    if (stored ? value == *stored : !maximized && frame.size() == defaultSize)
        return;
    KeyValueStore::shared().setString(key, value);
}

} // namespace WindowGeometry
