// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SingleInstance.h"

#include "HandOver.h"
#include "catalogue/Error.h"

#include <QLocalSocket>
#include <QStandardPaths>

namespace {

constexpr int connectMs = 1000;
// The running instance answers from its event loop, which a slow start-up may
// hold up for a while.
constexpr int answerMs = 10000;
constexpr int servedAtOnce = 4;
constexpr int deadlineMs = 2000;
constexpr int watchMs = 5000;
const QByteArray taken = QByteArrayLiteral("taken");

// Empty without a private runtime folder: never a socket in a shared place.
QString serverName()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/io.github.vellumar.Vellumar");
}

} // namespace

SingleInstance::SingleInstance(QObject *parent)
    : QObject(parent)
{
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            // A few at once, each for a moment: a hand-over takes milliseconds,
            // and anyone of this user can connect.
            if (m_served >= servedAtOnce) {
                socket->abort();
                socket->deleteLater();
                continue;
            }
            ++m_served;
            connect(socket, &QObject::destroyed, this, [this] { --m_served; });
            QTimer::singleShot(deadlineMs, socket, [socket] { socket->abort(); });
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { receive(socket); });
        }
    });
    // A listener that a system error closed starts again.
    m_watch.setInterval(watchMs);
    connect(&m_watch, &QTimer::timeout, this, [this] {
        if (m_server.isListening() || listen())
            return;
        m_watch.stop();
        qCWarning(lcApp).noquote() << "cannot listen for later starts again:" << errorString();
    });
}

bool SingleInstance::handOver(const StartRequest &request)
{
    if (serverName().isEmpty())
        return false;
    QLocalSocket socket;
    socket.connectToServer(serverName());
    if (!socket.waitForConnected(connectMs))
        return false;
    socket.write(HandOver::encode(request));
    while (socket.bytesAvailable() < taken.size()) {
        if (!socket.waitForReadyRead(answerMs))
            return false;
    }
    return socket.read(taken.size()) == taken;
}

bool SingleInstance::listen()
{
    const QString name = serverName();
    if (name.isEmpty()) {
        m_error = QStringLiteral("no private runtime folder; one window per start");
        return false;
    }
    QLocalSocket probe;
    probe.connectToServer(name);
    if (probe.waitForConnected(connectMs))
        return false;
    // Listening puts a new socket in place of one a crashed instance left.
    const bool listening = m_server.listen(name);
    if (listening)
        m_watch.start();
    return listening;
}

void SingleInstance::receive(QLocalSocket *socket)
{
    const HandOver::Decoded decoded = HandOver::decode(socket->peek(HandOver::messageLimit + 1));
    if (decoded.status == HandOver::Decoded::Incomplete)
        return; // the rest is still on its way
    if (decoded.status == HandOver::Decoded::Refused) {
        qCWarning(lcApp).noquote()
            << "a message on the socket was refused:" << socket->bytesAvailable() << "bytes";
        socket->abort();
        return;
    }
    socket->write(taken);
    socket->disconnectFromServer();
    Q_EMIT requested(decoded.request);
}
