// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

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
void restore(QWindow &window, const KeyValueStore &store)
{
    const QStringList parts = store.stringForKey(key).value_or(QString()).split(u' ');
    if (parts.size() != 5)
        return;
    QList<int> numbers;
    for (const QString &part : parts) {
        bool ok = false;
        numbers << part.toInt(&ok);
        if (!ok)
            return;
    }
    QRect frame(numbers[0], numbers[1], qMax(numbers[2], window.minimumWidth()),
        qMax(numbers[3], window.minimumHeight()));
    // On the screen it was left on, else the first: a screen that is gone would
    // leave it out of sight, and a side beyond the screen's is more than any
    // renderer takes.
    const QScreen *screen = QGuiApplication::primaryScreen();
    for (const QScreen *candidate : QGuiApplication::screens()) {
        if (candidate->availableGeometry().intersects(frame)) {
            screen = candidate;
            break;
        }
    }
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    frame.setSize(frame.size().boundedTo(available.size()).expandedTo(window.minimumSize()));
    frame.moveLeft(qBound(available.left(), frame.left(), available.right() - frame.width() + 1));
    frame.moveTop(qBound(available.top(), frame.top(), available.bottom() - frame.height() + 1));
    window.setGeometry(frame);
    if (numbers[4] != 0)
        window.setWindowStates(Qt::WindowMaximized);
}

void remember(const QWindow &window, QSize defaultSize, KeyValueStore &store)
{
    const QRect frame = window.geometry();
    const bool maximized = window.windowStates() & Qt::WindowMaximized;
    const QString value = QStringLiteral("%1 %2 %3 %4 %5")
                              .arg(frame.x())
                              .arg(frame.y())
                              .arg(frame.width())
                              .arg(frame.height())
                              .arg(maximized ? 1 : 0);
    const std::optional<QString> stored = store.stringForKey(key);
    if (stored ? value == *stored : !maximized && frame.size() == defaultSize)
        return;
    store.setString(key, value);
}

} // namespace WindowGeometry
