// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "special/reminderrule.h"
#include "special/specialtext.h"

#include <QDateTime>

namespace jotlet {

// When a reminder note goes off. Each check finds the reminder that passed since the check before (or since it last
// went off), so a check that comes late (the computer slept, the program was not running) still finds it, once;
// the checks come when the next reminder is due, not at intervals.
class ReminderSchedule
{
public:
    // The note came back at start: reminders up to lastWent went off (or were dealt with) in an earlier run; without
    // it, one that passed less than a minute ago still goes off.
    void catchUp(const QDateTime& now, const QDateTime& lastWent = {})
    {
        m_dealtUntil = lastWent.isValid() ? lastWent : now.addSecs(-60);
    }
    // A check at this moment: the time of the reminder that goes off now (or the end of its snooze); invalid when
    // none does.
    QDateTime due(const ReminderRule& rule, const QDateTime& now, const QDateTime& snoozedUntil = {});
    // A daily reminder at that time of day: whether it goes off at this check.
    bool isDue(const QTime& reminder, const QDateTime& now);
    // When the next check is needed: the next reminder, or the end of a snooze before it.
    static QDateTime nextCheck(const ReminderRule& rule, const QDateTime& now, const QDateTime& snoozedUntil = {});

private:
    QDateTime m_dealtUntil; // reminders up to this moment went off or were checked
};

// Past this long after its time, a reminder that goes off says it was missed.
inline constexpr int kMissedAfterSeconds = 60;

// The reminder check of a reminder note, run by its refresh.
std::unique_ptr<SpecialContent> makeReminderContent();

} // namespace jotlet
