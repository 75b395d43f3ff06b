// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the benchmarks that drive a window share.

#include <QEventLoop>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTimer>

namespace ScreenBench {

// The item or object named `name` at or below `root`, visual children included.
inline QObject *findNamed(QObject *root, const QString &name)
{
    if (root->objectName() == name)
        return root;
    QObjectList children = root->children();
    if (auto *item = qobject_cast<QQuickItem *>(root)) {
        for (QQuickItem *child : item->childItems())
            children.append(child);
    }
    for (QObject *child : children) {
        if (QObject *found = findNamed(child, name))
            return found;
    }
    return nullptr;
}

// Runs the event loop until the window has shown its next frame.
inline bool nextFrame(QQuickWindow *window)
{
    QEventLoop loop;
    QObject::connect(window, &QQuickWindow::frameSwapped, &loop, &QEventLoop::quit);
    QTimer::singleShot(5000, &loop, [&loop] { loop.exit(1); });
    window->update();
    return loop.exec() == 0;
}

} // namespace ScreenBench
