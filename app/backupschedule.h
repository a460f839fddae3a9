// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "notes/backups.h"

#include <QFutureWatcher>
#include <QObject>
#include <QTimer>

#include <functional>

namespace jotlet {

// Takes the day's snapshot of every note: a little after the program starts when the day has none yet, and again
// when a new day begins while it runs. The notes are read and written on a worker thread; the window thread only
// starts it. Looks at the day at least hourly, so a clock that jumps (a sleep, a time-zone change) is noticed.
class BackupSchedule : public QObject
{
    Q_OBJECT
public:
    static constexpr int kFirstLookMs = 8000;
    static constexpr int kLongestWaitMs = 60 * 60 * 1000;

    // places tells where the notes are at each snapshot (the notes folder may change while the program runs).
    explicit BackupSchedule(std::function<NotePlaces()> places = &NotePlaces::current, QObject* parent = nullptr);
    void start(int firstLookMs = kFirstLookMs);
    // Takes the snapshot when today has none and none is being written (also what the timer does).
    void look();
    bool busy() const { return m_write.isRunning(); }

signals:
    // A snapshot was written (ok) or could not be (for tests and the log).
    void taken(bool ok);

private:
    void scheduleNext();
    void finished();
    std::function<NotePlaces()> m_places;
    Backups m_backups;
    QTimer m_timer;
    QFutureWatcher<QString> m_write; // what went wrong, "" when it was written
};

} // namespace jotlet
