// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "note/specialnote.h"

#include <QDateTime>
#include <QMetaType>
#include <QString>
#include <QTimeZone>

namespace jotlet {

// When a reminder goes off: a wall-clock time on a first day, and how it repeats. The time stays the same on the
// clock whatever the offset from UTC is: a reminder for 09:00 goes off at 09:00 in summer and in winter, and at
// 09:00 where the computer is after a change of time zone. A day that has no such date (the 31st in a short month,
// 29 February in other years) takes the month's last day; a time the clock skips (the hour that daylight saving time
// leaves out) goes off as the clock moves on past it.
struct ReminderRule
{
    QDate first; // invalid for a reminder from before dates: every day
    QTime time;
    ReminderRepeat repeat = ReminderRepeat::Daily;
    int weekDays = 0;  // Weekly: bit 0 Monday ... bit 6 Sunday; none means the first day's weekday
    QByteArray zoneId; // the time zone it was chosen in

    bool isValid() const { return time.isValid() && (first.isValid() || repeat == ReminderRepeat::Daily); }
    bool operator==(const ReminderRule& other) const;
};

// As the note file keeps it: REMINDERAT (the first time in UTC), REMINDERZONE (the zone it was chosen in), and
// REMINDERREPEAT ("once", "daily", "weekdays", "weekly:1,3,5" with 1 for Monday, "monthly", "yearly"). A note from
// before keeps only REMINDER, a time of day, which reads as a daily reminder.
struct StoredReminder
{
    QString at;
    QString zone;
    QString repeat;
    QString timeOfDay; // REMINDER, written too, so that older versions keep a daily reminder at that time
};
StoredReminder storedReminder(const ReminderRule& rule);
ReminderRule reminderFromStored(const StoredReminder& stored);

// The first time it goes off after the moment given, on the clocks of the zone here; invalid when it never does
// again (a reminder for once, passed).
QDateTime
nextReminder(const ReminderRule& rule, const QDateTime& after, const QTimeZone& here = QTimeZone::systemTimeZone());
// The last time it went off in (from, to]; invalid when it did not.
QDateTime lastReminderBetween(const ReminderRule& rule,
                              const QDateTime& from,
                              const QDateTime& to,
                              const QTimeZone& here = QTimeZone::systemTimeZone());

// When it goes off, in words, as the note shows it: "Today 17:00", "Tomorrow 09:00", "Mon 14 Dec 09:00", and the year
// when it is not this one.
QString reminderWhenText(const QDateTime& when, const QDateTime& now);
// How it repeats, in words ("Every weekday"), for the dialog and the note.
QString reminderRepeatText(const ReminderRule& rule);

} // namespace jotlet

Q_DECLARE_METATYPE(jotlet::ReminderRule)
