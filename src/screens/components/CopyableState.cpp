// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CopyableState.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTimer>

namespace {

void startSingleShot(std::chrono::milliseconds delay, QObject *context, std::function<void()> reset)
{
    QTimer::singleShot(delay, context, std::move(reset));
}

CopyableState::Scheduler &scheduler()
{
    static CopyableState::Scheduler current = startSingleShot;
    return current;
}

} // namespace

CopyableState::CopyableState(QObject *parent)
    : QObject(parent)
{ }

void CopyableState::setScheduler(Scheduler replacement)
{
    scheduler() = replacement ? std::move(replacement) : Scheduler(startSingleShot);
}

void CopyableState::copy(const QString &value)
{
    QGuiApplication::clipboard()->setText(value);
    setDidCopy(true);
    scheduler()(resetDelay, this, [this] { setDidCopy(false); });
}

void CopyableState::setDidCopy(bool copied)
{
    m_didCopy = copied;
    Q_EMIT didCopyChanged();
}
