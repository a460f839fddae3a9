// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "special/specialtext.h"

#include <QDateTime>

namespace jotlet {

// When a reminder note goes off. The reminder is a time of day: it goes off once on every day the note is open,
// when a check finds that time has just passed (within ten seconds) or passed since the check before, so a check
// that came late (the machine was suspended or busy) still finds it.
class ReminderSchedule
{
public:
    // The note came back at start: a reminder that passed less than a minute ago still goes off, unless it went off
    // already (at lastWent, before the program ended).
    void catchUp(const QDateTime& now, const QDateTime& lastWent = {})
    {
        m_previousCheck = now.addSecs(-60);
        m_wentUntil = lastWent;
    }
    // A check at this moment: true when the note goes off now.
    bool isDue(const QTime& reminder, const QDateTime& now);

private:
    QDateTime m_previousCheck;
    QDateTime m_lastOccurrence; // the moment of the reminder that went off last
    QDateTime m_wentUntil;      // reminders up to this moment went off in an earlier run
};

// The reminder check of a reminder note, run by its refresh.
std::unique_ptr<SpecialContent> makeReminderContent();

} // namespace jotlet
