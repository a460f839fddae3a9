// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>

class QSocketNotifier;

namespace jotlet {

// A timer that goes off at a moment of the wall clock: on time after the computer slept through it (an ordinary
// timer counts only the time the computer was awake), and at once when the clock is set (by hand, or as the
// computer's time is corrected), so that its owner can look again. One timer, no polling: on Linux a timerfd on the
// real-time clock that is cancelled when the clock is set; elsewhere an ordinary timer that looks at least every
// minute.
class WallClockTimer : public QObject
{
    Q_OBJECT

public:
    explicit WallClockTimer(QObject* parent = nullptr);
    ~WallClockTimer() override;

    // Goes off in ms milliseconds of wall-clock time (0 or less: as soon as the event loop runs).
    void start(qint64 ms);
    void stop();
    bool isActive() const { return m_active; }
    // The wall-clock wait it was started with.
    qint64 interval() const { return m_interval; }

signals:
    // The moment came, or the clock was set.
    void timeout();

private:
    void onReadable();
    bool openClock();
    int m_fd = -1;
    bool m_clockFailed = false;
    QSocketNotifier* m_notifier = nullptr;
    QTimer m_fallback;
    bool m_active = false;
    qint64 m_interval = 0;
};

} // namespace jotlet
