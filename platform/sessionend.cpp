// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sessionend.h"

#include "support/logging.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace jotlet {

namespace {

#ifdef Q_OS_UNIX
int g_signalFds[2] = {-1, -1};
volatile std::sig_atomic_t g_signalled = 0;

void onSignal(int)
{
    g_signalled = 1;
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(g_signalFds[0], &byte, 1);
}

bool installSignalPipe()
{
    if (g_signalFds[0] >= 0) {
        return true;
    }
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_signalFds) != 0) {
        return false;
    }
    ::fcntl(g_signalFds[0], F_SETFL, O_NONBLOCK);
    ::fcntl(g_signalFds[1], F_SETFL, O_NONBLOCK);
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGHUP, SIGINT}) {
        ::sigaction(signal, &action, nullptr);
    }
    return true;
}
#endif

} // namespace

bool sessionEndPending()
{
#ifdef Q_OS_UNIX
    return g_signalled != 0;
#else
    return false;
#endif
}

SessionEndWatcher::SessionEndWatcher(QObject* parent)
    : QObject(parent)
{
#ifdef Q_OS_UNIX
    if (installSignalPipe()) {
        m_notifier = new QSocketNotifier(g_signalFds[1], QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &SessionEndWatcher::readSignal);
    } else {
        qCWarning(lcApp) << "cannot watch for the end of the session";
    }
#endif
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        connect(app, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
            manager.setRestartHint(QSessionManager::RestartNever); // the autostart entry brings the notes back
            emit sessionEnding();
        });
    }
}

SessionEndWatcher::~SessionEndWatcher() = default;

void SessionEndWatcher::readSignal()
{
#ifdef Q_OS_UNIX
    char buffer[16];
    while (::read(g_signalFds[1], buffer, sizeof buffer) > 0) {
    }
#endif
    emit sessionEnding();
}

} // namespace jotlet
