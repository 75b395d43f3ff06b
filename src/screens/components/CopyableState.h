// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

#include <chrono>
#include <functional>

// The state of one copyable row: a tap puts the value on the clipboard and
// shows the check mark until two seconds after that tap. Every tap schedules
// its own reset and no reset is ever cancelled, so of two taps one second
// apart the first one's reset ends the check mark.
class CopyableState : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(bool didCopy READ didCopy NOTIFY didCopyChanged)

public:
    static constexpr std::chrono::milliseconds resetDelay { 2000 };

    // Runs `reset` once `delay` has passed, unless `context` is gone by then.
    using Scheduler = std::function<void(
        std::chrono::milliseconds delay, QObject *context, std::function<void()> reset)>;

    explicit CopyableState(QObject *parent = nullptr);

    [[nodiscard]] bool didCopy() const { return m_didCopy; }

    // Replaces the clipboard's content with `value` as plain text.
    Q_INVOKABLE void copy(const QString &value);

    // The clock behind the resets: a single-shot timer, unless a test puts
    // its own in place. An empty scheduler restores the timer.
    static void setScheduler(Scheduler scheduler);

Q_SIGNALS:
    void didCopyChanged();

private:
    void setDidCopy(bool copied);

    bool m_didCopy = false;
};
