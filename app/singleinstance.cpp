// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/singleinstance.h"

#include "support/logging.h"

#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>

namespace jotlet {

namespace {

constexpr int kConnectMs = 1000;
constexpr int kAnswerMs = 5000;
constexpr int kRetryMs = 100;
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
    if (!socket.waitForConnected(kConnectMs)) {
        return false;
    }
    QDataStream out(&socket);
    out << commandLine;
    socket.flush();
    return socket.waitForReadyRead(kAnswerMs) && socket.read(1) == QByteArray(1, kReceived);
}

// Reads one command line from a later start, confirms it and passes it on.
void serve(QLocalSocket* socket, const std::function<void(const QString&)>& deliver)
{
    QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    QObject::connect(socket, &QLocalSocket::readyRead, socket, [socket, deliver] {
        QDataStream in(socket);
        in.startTransaction();
        QString commandLine;
        in >> commandLine;
        if (!in.commitTransaction()) {
            return; // the rest is still on its way
        }
        deliver(commandLine);
        socket->write(QByteArray(1, kReceived));
        socket->flush();
    });
}

} // namespace

SingleInstance::SingleInstance(QObject* parent)
    : QObject(parent)
{
}

SingleInstance::~SingleInstance()
{
    stopListening();
}

QString SingleInstance::serverName()
{
#ifdef Q_OS_WIN
    return QStringLiteral("jotlet-") + qEnvironmentVariable("USERNAME");
#else
    return runtimeFolder() + QStringLiteral("/jotlet.socket");
#endif
}

QString SingleInstance::lockPath()
{
    return runtimeFolder() + QStringLiteral("/jotlet.lock");
}

SingleInstance::Start SingleInstance::start(const QString& commandLine, int giveUpMs)
{
    m_lock = std::make_unique<QLockFile>(lockPath());
    m_lock->setStaleLockTime(0); // held for the whole run: stale only when its owner has gone
    QElapsedTimer waited;
    waited.start();
    while (!m_lock->tryLock(0)) {
        if (m_lock->error() != QLockFile::LockFailedError) {
            qCWarning(lcApp) << "cannot take the lock" << lockPath() << "- running without it";
            break;
        }
        // Another program owns the lock: it listens from its first moment, or will in a moment.
        if (sendTo(serverName(), commandLine)) {
            return Start::HandedOver;
        }
        if (waited.elapsed() > giveUpMs) {
            return Start::NoAnswer;
        }
        QThread::msleep(kRetryMs);
    }
    if (!listen()) {
        qCWarning(lcApp) << "cannot listen for later starts on" << serverName();
    }
    return Start::Running;
}

bool SingleInstance::listen()
{
    m_thread.setObjectName(QStringLiteral("later starts"));
    m_thread.start();
    m_listener = new QObject;
    m_listener->moveToThread(&m_thread);
    const auto deliver = [this](const QString& commandLine) {
        QMetaObject::invokeMethod(
            this, [this, commandLine] { emit commandLineReceived(commandLine); }, Qt::QueuedConnection);
    };
    bool listening = false;
    QMetaObject::invokeMethod(
        m_listener,
        [this, deliver, &listening] {
            // The lock is ours: a socket still there was left by a run that has gone.
            QLocalServer::removeServer(serverName());
            auto* server = new QLocalServer(m_listener);
            server->setSocketOptions(QLocalServer::UserAccessOption);
            listening = server->listen(serverName());
            connect(server, &QLocalServer::newConnection, server, [server, deliver] {
                while (QLocalSocket* socket = server->nextPendingConnection()) {
                    serve(socket, deliver);
                }
            });
        },
        Qt::BlockingQueuedConnection);
    return listening;
}

void SingleInstance::stopListening()
{
    if (!m_listener) {
        return;
    }
    QMetaObject::invokeMethod(
        m_listener, [this] { qDeleteAll(m_listener->children()); }, Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
    delete m_listener;
    m_listener = nullptr;
}

} // namespace jotlet
