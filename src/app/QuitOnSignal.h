// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM and SIGINT into an orderly QCoreApplication::quit(), so that a
// session logout or Ctrl+C ends the event loop normally and the process exits 0.
class QuitOnSignal : public QObject
{
    Q_OBJECT
public:
    explicit QuitOnSignal(QObject *parent = nullptr);

private:
    QSocketNotifier *m_notifier = nullptr;
};
