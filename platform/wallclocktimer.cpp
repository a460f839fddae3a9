// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/wallclocktimer.h"

#include <QSocketNotifier>

#include <algorithm>

#ifdef Q_OS_LINUX
#include <cerrno>
#include <ctime>
#include <sys/timerfd.h>
#include <unistd.h>
#endif

namespace jotlet {

namespace {

constexpr int kLongestFallbackMs = 60 * 1000;

} // namespace

WallClockTimer::WallClockTimer(QObject* parent)
    : QObject(parent)
{
    m_fallback.setSingleShot(true);
    m_fallback.setTimerType(Qt::CoarseTimer);
    connect(&m_fallback, &QTimer::timeout, this, [this] {
        m_active = false;
        emit timeout();
    });
}

bool WallClockTimer::openClock()
{
#ifdef Q_OS_LINUX
    // Made when first started: every note has a timer, and most never start it; a descriptor each would run a
    // program with a thousand notes out of them.
    if (m_fd < 0 && !m_clockFailed) {
        m_fd = timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
        m_clockFailed = m_fd < 0;
        if (m_fd >= 0) {
            m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
            m_notifier->setEnabled(false);
            connect(m_notifier, &QSocketNotifier::activated, this, &WallClockTimer::onReadable);
        }
    }
#endif
    return m_fd >= 0;
}

WallClockTimer::~WallClockTimer()
{
#ifdef Q_OS_LINUX
    if (m_fd >= 0) {
        ::close(m_fd);
    }
#endif
}

void WallClockTimer::start(qint64 ms)
{
    stop();
    m_interval = std::max<qint64>(ms, 0);
    m_active = true;
#ifdef Q_OS_LINUX
    if (openClock()) {
        timespec now {};
        clock_gettime(CLOCK_REALTIME, &now);
        const qint64 ns = qint64(now.tv_nsec) + (m_interval % 1000) * 1000000 + 1; // never 0, which disarms
        itimerspec when {};
        when.it_value.tv_sec = now.tv_sec + time_t(m_interval / 1000) + time_t(ns / 1000000000);
        when.it_value.tv_nsec = long(ns % 1000000000);
        if (timerfd_settime(m_fd, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &when, nullptr) == 0) {
            m_notifier->setEnabled(true);
            return;
        }
    }
#endif
    m_fallback.start(int(std::min<qint64>(m_interval, kLongestFallbackMs)));
}

void WallClockTimer::stop()
{
    m_active = false;
    m_fallback.stop();
#ifdef Q_OS_LINUX
    if (m_fd >= 0) {
        const itimerspec off {};
        timerfd_settime(m_fd, 0, &off, nullptr);
        m_notifier->setEnabled(false);
    }
#endif
}

void WallClockTimer::onReadable()
{
#ifdef Q_OS_LINUX
    quint64 expirations = 0;
    const ssize_t got = ::read(m_fd, &expirations, sizeof expirations);
    if (got < 0 && errno == EAGAIN) {
        return; // nothing yet
    }
    // Gone off, or ECANCELED: the clock was set; either way the owner looks at the time again.
    m_notifier->setEnabled(false);
    m_active = false;
    emit timeout();
#endif
}

} // namespace jotlet
