// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/singleinstance.h"

#include "support/logging.h"

#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QSocketNotifier>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace jotlet {

namespace {

constexpr int kAnswerMs = 5000;
constexpr int kRetryMs = 100;
constexpr qsizetype kMaxMessageBytes = 4 * 1024 * 1024;
const char kReceived = 'R';

QString runtimeFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return folder.isEmpty() ? QDir::tempPath() : folder;
}

// A file descriptor closed when it goes out of scope.
class Descriptor
{
public:
    explicit Descriptor(int fd = -1)
        : m_fd(fd)
    {
    }
    ~Descriptor()
    {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }
    int release() { return std::exchange(m_fd, -1); }

private:
    int m_fd;
};

bool addressOf(const QString& path, sockaddr_un* address)
{
    const QByteArray name = QFile::encodeName(path);
    std::memset(address, 0, sizeof(*address));
    address->sun_family = AF_UNIX;
    if (name.size() >= qsizetype(sizeof(address->sun_path))) {
        return false; // longer than a socket's address can be
    }
    std::memcpy(address->sun_path, name.constData(), size_t(name.size()));
    return true;
}

// Waits up to ms for the descriptor to be ready; false on time-out or error.
bool waitFor(int fd, short events, int ms)
{
    pollfd ready {fd, events, 0};
    int result = 0;
    do {
        result = ::poll(&ready, 1, ms);
    } while (result < 0 && errno == EINTR);
    return result > 0 && (ready.revents & events);
}

// The command line as it travels: a QDataStream'd QString.
QByteArray message(const QString& commandLine)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << commandLine;
    return bytes;
}

enum class Received { Incomplete, Whole, Damaged };

Received readMessage(const QByteArray& bytes, QString* commandLine)
{
    QDataStream in(bytes);
    in.startTransaction();
    in >> *commandLine;
    if (in.status() == QDataStream::ReadCorruptData) {
        return Received::Damaged;
    }
    return in.commitTransaction() ? Received::Whole : Received::Incomplete;
}

bool sendAll(int fd, const QByteArray& bytes)
{
    qsizetype sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::send(fd, bytes.constData() + sent, size_t(bytes.size() - sent), MSG_NOSIGNAL);
        if (n > 0) {
            sent += n;
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && errno == EAGAIN && waitFor(fd, POLLOUT, kAnswerMs)) {
            continue;
        } else {
            return false;
        }
    }
    return true;
}

// Sends the command line to a running program; true when it confirmed. A socket that does not take the connection at
// once (none there yet, or its queue full) is a failure the caller retries.
bool sendTo(const QString& path, const QString& commandLine)
{
    sockaddr_un address;
    if (!addressOf(path, &address)) {
        return false;
    }
    const Descriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (socket.get() < 0
        || ::connect(socket.get(), reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0) {
        return false;
    }
    if (!sendAll(socket.get(), message(commandLine)) || !waitFor(socket.get(), POLLIN, kAnswerMs)) {
        return false;
    }
    char answer = 0;
    return ::recv(socket.get(), &answer, 1, 0) == 1 && answer == kReceived;
}

// One later start's connection: reads its command line, passes it on and confirms it.
class Connection : public QObject
{
public:
    Connection(int fd, std::function<void(const QString&)> deliver, QObject* parent)
        : QObject(parent)
        , m_fd(fd)
        , m_notifier(fd, QSocketNotifier::Read, this)
        , m_deliver(std::move(deliver))
    {
        connect(&m_notifier, &QSocketNotifier::activated, this, &Connection::readSome);
    }
    ~Connection() override { ::close(m_fd); }

private:
    void readSome()
    {
        char chunk[4096];
        for (;;) {
            const ssize_t n = ::recv(m_fd, chunk, sizeof(chunk), MSG_DONTWAIT);
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n < 0 && errno == EAGAIN) {
                break;
            }
            if (n <= 0 || m_buffer.size() + n > kMaxMessageBytes) {
                end(); // gone, failed, or sending far more than a command line
                return;
            }
            m_buffer.append(chunk, n);
        }
        if (m_done) {
            m_buffer.clear(); // answered: anything more is dropped until the sender hangs up
            return;
        }
        QString commandLine;
        switch (readMessage(m_buffer, &commandLine)) {
        case Received::Incomplete:
            return; // the rest is still on its way
        case Received::Damaged:
            qCWarning(lcApp) << "a later start sent something that is not a command line";
            end();
            return;
        case Received::Whole:
            m_done = true;
            m_deliver(commandLine);
            ::send(m_fd, &kReceived, 1, MSG_NOSIGNAL | MSG_DONTWAIT);
            return;
        }
    }

    void end()
    {
        m_notifier.setEnabled(false);
        deleteLater();
    }

    int m_fd;
    QSocketNotifier m_notifier;
    std::function<void(const QString&)> m_deliver;
    QByteArray m_buffer;
    bool m_done = false;
};

// The listening socket, on the listener's thread.
class Listener : public QObject
{
public:
    Listener(int fd, QString path, std::function<void(const QString&)> deliver, QObject* parent)
        : QObject(parent)
        , m_fd(fd)
        , m_path(std::move(path))
        , m_notifier(fd, QSocketNotifier::Read, this)
        , m_deliver(std::move(deliver))
    {
        connect(&m_notifier, &QSocketNotifier::activated, this, &Listener::acceptAll);
    }
    ~Listener() override
    {
        ::close(m_fd);
        ::unlink(QFile::encodeName(m_path).constData());
    }

private:
    void acceptAll()
    {
        int fd = -1;
        while ((fd = ::accept4(m_fd, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC)) >= 0 || errno == EINTR) {
            if (fd >= 0) {
                new Connection(fd, m_deliver, this);
            }
        }
    }

    int m_fd;
    QString m_path;
    QSocketNotifier m_notifier;
    std::function<void(const QString&)> m_deliver;
};

// A socket listening at path that only this user can reach, replacing one left there; -1 when it cannot.
int listenAt(const QString& path)
{
    sockaddr_un address;
    if (!addressOf(path, &address)) {
        return -1;
    }
    Descriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (socket.get() < 0) {
        return -1;
    }
    // The lock is ours: a socket still there was left by a run that has gone.
    ::unlink(address.sun_path);
    // Nobody can connect before listen(), so the file is the user's alone before anyone can reach it.
    if (::bind(socket.get(), reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0
        || ::chmod(address.sun_path, S_IRUSR | S_IWUSR) != 0 || ::listen(socket.get(), SOMAXCONN) != 0) {
        return -1;
    }
    return socket.release();
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
    return runtimeFolder() + QStringLiteral("/jotlet.socket");
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
        qCWarning(lcApp) << "cannot listen for later starts on" << serverName() << "-" << std::strerror(errno);
    }
    return Start::Running;
}

bool SingleInstance::listen()
{
    const int fd = listenAt(serverName());
    if (fd < 0) {
        return false;
    }
    m_thread.setObjectName(QStringLiteral("later starts"));
    m_thread.start();
    m_listener = new QObject;
    m_listener->moveToThread(&m_thread);
    const auto deliver = [this](const QString& commandLine) {
        QMetaObject::invokeMethod(
            this, [this, commandLine] { emit commandLineReceived(commandLine); }, Qt::QueuedConnection);
    };
    // The notifiers are made on the thread that watches them.
    QMetaObject::invokeMethod(
        m_listener,
        [this, fd, deliver] { new Listener(fd, serverName(), deliver, m_listener); },
        Qt::BlockingQueuedConnection);
    return true;
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
