// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/backupschedule.h"

#include "support/clock.h"
#include "support/errorlog.h"
#include "support/freememory.h"

#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>

namespace jotlet {

namespace {

const QString kLocation = QStringLiteral("Backups");
constexpr int kAfterMidnightMs = 5000;

} // namespace

BackupSchedule::BackupSchedule(std::function<NotePlaces()> places, QObject* parent)
    : QObject(parent)
    , m_places(std::move(places))
    , m_backups(Backups::folderIn(m_places().dataFolder))
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &BackupSchedule::look);
    connect(&m_write, &QFutureWatcher<QString>::finished, this, &BackupSchedule::finished);
}

void BackupSchedule::start(int firstLookMs)
{
    m_timer.start(firstLookMs);
}

void BackupSchedule::look()
{
    const QDate today = Clock::now().date();
    if (!m_write.isRunning() && !m_backups.has(today)) {
        const NotePlaces places = m_places();
        const QString folder = m_backups.folder();
        m_write.setFuture(QtConcurrent::run([places, folder, today] {
            Problem problem;
            return Backups(folder).take(places, today, &problem) ? QString() : problem.english();
        }));
    }
    scheduleNext();
}

void BackupSchedule::scheduleNext()
{
    const QDateTime now = Clock::now();
    const QDateTime midnight(now.date().addDays(1), QTime(0, 0));
    const qint64 wait = now.msecsTo(midnight) + kAfterMidnightMs;
    m_timer.start(int(std::clamp<qint64>(wait, kAfterMidnightMs, kLongestWaitMs)));
}

void BackupSchedule::finished()
{
    const QString failure = m_write.result();
    // The snapshot read and wrote every note on a worker thread: what it used is free now, but still resident.
    giveBackFreeMemory();
    if (!failure.isEmpty()) {
        logError(kLocation, 75, QStringLiteral("today's snapshot of the notes could not be written: ") + failure);
    }
    emit taken(failure.isEmpty());
}

} // namespace jotlet
