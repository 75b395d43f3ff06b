#include "SingleInstance.h"

#include <QDataStream>
#include <QLocalSocket>
#include <QStandardPaths>

namespace {

constexpr int connectMs = 1000;
// The running instance answers from its event loop, which a slow start-up may
// hold up for a while.
constexpr int answerMs = 10000;
constexpr QDataStream::Version streamVersion = QDataStream::Qt_6_4;
const QByteArray taken = QByteArrayLiteral("taken");

QString serverName()
{
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation)
        + QStringLiteral("/io.github.vellumar.Vellumar");
}

} // namespace

SingleInstance::SingleInstance(QObject *parent)
    : QObject(parent)
{
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { receive(socket); });
        }
    });
}

bool SingleInstance::handOver(const StartRequest &request)
{
    QLocalSocket socket;
    socket.connectToServer(serverName());
    if (!socket.waitForConnected(connectMs))
        return false;
    QDataStream stream(&socket);
    stream.setVersion(streamVersion);
    stream << request.text << request.region;
    while (socket.bytesAvailable() < taken.size()) {
        if (!socket.waitForReadyRead(answerMs))
            return false;
    }
    return socket.read(taken.size()) == taken;
}

bool SingleInstance::listen()
{
    const QString name = serverName();
    QLocalSocket probe;
    probe.connectToServer(name);
    if (probe.waitForConnected(connectMs))
        return false;
    // Listening puts a new socket in place of one a crashed instance left.
    return m_server.listen(name);
}

void SingleInstance::receive(QLocalSocket *socket)
{
    QDataStream stream(socket);
    stream.setVersion(streamVersion);
    StartRequest request;
    stream.startTransaction();
    stream >> request.text >> request.region;
    if (!stream.commitTransaction())
        return; // the rest is still on its way
    socket->write(taken);
    socket->disconnectFromServer();
    Q_EMIT requested(request);
}
