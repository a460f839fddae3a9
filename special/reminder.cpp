// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "special/reminder.h"

#include "support/clock.h"
#include "support/problem.h"

namespace jotlet {

namespace {

// A check with nothing before it looks back this far: a reminder that has just passed.
constexpr int kFirstCheckSeconds = 10;

} // namespace

QDateTime ReminderSchedule::due(const ReminderRule& rule, const QDateTime& now, const QDateTime& snoozedUntil)
{
    const QDateTime from = m_dealtUntil.isValid() ? m_dealtUntil : now.addSecs(-kFirstCheckSeconds);
    const QDateTime before = now.addMSecs(-1); // one goes off once its moment has passed
    QDateTime due = lastReminderBetween(rule, from, before);
    if (snoozedUntil.isValid() && from < snoozedUntil && snoozedUntil <= before
        && !(due.isValid() && due > snoozedUntil)) {
        due = snoozedUntil;
    }
    m_dealtUntil = std::max(now, m_dealtUntil);
    return due;
}

bool ReminderSchedule::isDue(const QTime& reminder, const QDateTime& now)
{
    ReminderRule daily;
    daily.time = reminder;
    return due(daily, now).isValid();
}

QDateTime ReminderSchedule::nextCheck(const ReminderRule& rule, const QDateTime& now, const QDateTime& snoozedUntil)
{
    const QDateTime next = nextReminder(rule, now);
    if (snoozedUntil.isValid() && snoozedUntil > now && (!next.isValid() || snoozedUntil < next)) {
        return snoozedUntil;
    }
    return next;
}

namespace {

class ReminderContent : public SpecialContent
{
public:
    bool show(SpecialTarget& note, QString* error) override
    {
        const ReminderRule rule = note.reminderRule();
        if (!rule.isValid()) {
            *error = Problem(QT_TRANSLATE_NOOP("Problem", "The reminder time '%1' is not a time of day"),
                             {note.parameter()})
                         .english();
            return false;
        }
        const QDateTime now = Clock::now();
        const QDateTime due = m_schedule.due(rule, now, note.snoozedUntil());
        if (due.isValid()) {
            note.remind(due.secsTo(now) > kMissedAfterSeconds ? due : QDateTime());
        }
        m_next = ReminderSchedule::nextCheck(rule, now, note.snoozedUntil());
        return true;
    }
    void catchUp(const QDateTime& lastWent) override { m_schedule.catchUp(Clock::now(), lastWent); }
    qint64 msUntilNextRefresh(const QDateTime& now) const override
    {
        return m_next.isValid() ? std::max<qint64>(now.msecsTo(m_next), 0) + 1 : kNoRefresh;
    }

private:
    ReminderSchedule m_schedule;
    QDateTime m_next;
};

} // namespace

std::unique_ptr<SpecialContent> makeReminderContent()
{
    return std::make_unique<ReminderContent>();
}

} // namespace jotlet
