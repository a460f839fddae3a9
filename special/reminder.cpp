// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "special/reminder.h"

#include "support/clock.h"
#include "support/problem.h"
#include "support/timetext.h"

namespace jotlet {

bool ReminderSchedule::isDue(const QTime& reminder, const QDateTime& now)
{
    constexpr int kWindowSeconds = 10;
    QDateTime due;
    // Today's reminder, or yesterday's when the checks went across midnight.
    for (int daysBack = 0; daysBack <= 1 && !due.isValid(); ++daysBack) {
        const QDateTime at(now.date().addDays(-daysBack), reminder);
        const bool justPassed = at < now && now < at.addSecs(kWindowSeconds);
        const bool passedSinceLastCheck = m_previousCheck.isValid() && m_previousCheck <= at && at < now;
        const bool wentAlready = at == m_lastOccurrence || (m_wentUntil.isValid() && at <= m_wentUntil);
        if ((justPassed || passedSinceLastCheck) && !wentAlready) {
            due = at;
        }
    }
    m_previousCheck = now;
    if (due.isValid()) {
        m_lastOccurrence = due;
    }
    return due.isValid();
}

namespace {

class ReminderContent : public SpecialContent
{
public:
    bool show(SpecialTarget& note, QString* error) override
    {
        const QTime reminder = parseTimeOfDay(note.parameter());
        if (!reminder.isValid()) {
            *error = Problem(QT_TRANSLATE_NOOP("Problem", "The reminder time '%1' is not a time of day"),
                             {note.parameter()})
                         .english();
            return false;
        }
        if (m_schedule.isDue(reminder, Clock::now())) {
            note.remind();
        }
        return true;
    }
    void catchUp(const QDateTime& lastWent) override { m_schedule.catchUp(Clock::now(), lastWent); }

private:
    ReminderSchedule m_schedule;
};

} // namespace

std::unique_ptr<SpecialContent> makeReminderContent()
{
    return std::make_unique<ReminderContent>();
}

} // namespace jotlet
