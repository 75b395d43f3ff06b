#include "SingleInstance.h"

#include "catalogue/Error.h"
#include "store/Country.h"

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
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { receive(socket); });
        }
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
    if (name.isEmpty()) {
        m_error = QStringLiteral("no private runtime folder; one window per start");
        return false;
    }
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
    // Checked as the command line checks it: anyone of this user may write here.
    if (!request.region.isEmpty() && !countryForCode(request.region)) {
        qCWarning(lcApp).noquote()
            << "a later start's region is no store region, ignored:" << request.region.left(20);
        socket->disconnectFromServer();
        return;
    }
    socket->write(taken);
    socket->disconnectFromServer();
    Q_EMIT requested(request);
}
