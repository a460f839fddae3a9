#include "app/singleinstance.h"

#include "support/logging.h"

#include <QDataStream>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>

namespace jotlet {

namespace {

constexpr int kWaitMs = 3000;
const char kReceived = 'R';

QString runtimeFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return folder.isEmpty() ? QDir::tempPath() : folder;
}

// Sends the command line to a running program; true when it confirmed.
bool sendTo(const QString& name, const QString& commandLine)
{
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(kWaitMs)) {
        return false;
    }
    QDataStream out(&socket);
    out << commandLine;
    socket.flush();
    return socket.waitForReadyRead(kWaitMs) && socket.read(1) == QByteArray(1, kReceived);
}

} // namespace

SingleInstance::SingleInstance(QObject* parent)
    : QObject(parent)
{
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::serverName()
{
#ifdef Q_OS_WIN
    return QStringLiteral("jotlet-") + qEnvironmentVariable("USERNAME");
#else
    return runtimeFolder() + QStringLiteral("/jotlet.socket");
#endif
}

bool SingleInstance::handOver(const QString& commandLine)
{
    // Two starts at once: the second waits while the first checks and starts listening.
    QLockFile lock(runtimeFolder() + QStringLiteral("/jotlet.lock"));
    lock.tryLock(kWaitMs);
    if (sendTo(serverName(), commandLine)) {
        return true;
    }
    QLocalServer::removeServer(serverName()); // left by a run that ended without closing it
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(serverName())) {
        qCWarning(lcApp) << "cannot listen for later starts:" << m_server->errorString();
        return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::readConnection);
    return false;
}

void SingleInstance::readConnection()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            QDataStream in(socket);
            in.startTransaction();
            QString commandLine;
            in >> commandLine;
            if (!in.commitTransaction()) {
                return; // the rest is still on its way
            }
            socket->write(QByteArray(1, kReceived));
            socket->flush();
            emit commandLineReceived(commandLine);
        });
    }
}

} // namespace jotlet
