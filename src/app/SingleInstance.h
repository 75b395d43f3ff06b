// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "CommandLine.h"

#include <QLocalServer>
#include <QObject>
#include <QTimer>

// One window per user. The first start listens on a socket in the user's
// runtime folder (XDG_RUNTIME_DIR, mode 0700); a later start hands its request
// over there and ends, so the link or term lands in the window already open.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    explicit SingleInstance(QObject *parent = nullptr);

    // Gives the request to the running instance; true once it has taken it,
    // false when no instance answers.
    [[nodiscard]] static bool handOver(const StartRequest &request);

    // Starts listening, replacing a socket that nobody answers on (left by an
    // instance that crashed). False when another instance answers after all
    // (it started meanwhile), or on failure.
    [[nodiscard]] bool listen();
    [[nodiscard]] QString errorString() const
    {
        return m_error.isEmpty() ? m_server.errorString() : m_error;
    }

Q_SIGNALS:
    // A later start's request.
    void requested(const StartRequest &request);

private:
    void receive(QLocalSocket *socket);

    QLocalServer m_server;
    QString m_error;
    int m_served = 0;
    QTimer m_watch;
};
