// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "special/reminderrule.h"

#include "support/timetext.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

namespace jotlet {

namespace {

constexpr int kDaysToLook = 62; // every repeat but the yearly one comes within two months
constexpr int kYearsToLook = 8; // 29 February comes back within eight years
constexpr int kDaysBackToLook = 400;

int weekMask(const ReminderRule& rule)
{
    if (rule.weekDays != 0) {
        return rule.weekDays;
    }
    return rule.first.isValid() ? 1 << (rule.first.dayOfWeek() - 1) : 0x7f;
}

// The day of the month (or of the year) it goes off on in that month: the first day's, or the month's last day.
QDate dayIn(int year, int month, int day)
{
    const QDate start(year, month, 1);
    return QDate(year, month, std::min(day, start.daysInMonth()));
}

bool goesOffOn(const ReminderRule& rule, const QDate& day)
{
    if (rule.first.isValid() && day < rule.first) {
        return false;
    }
    switch (rule.repeat) {
    case ReminderRepeat::Once:
        return day == rule.first;
    case ReminderRepeat::Daily:
        return true;
    case ReminderRepeat::Weekdays:
        return day.dayOfWeek() <= 5;
    case ReminderRepeat::Weekly:
        return (weekMask(rule) & (1 << (day.dayOfWeek() - 1))) != 0;
    case ReminderRepeat::Monthly:
        return day == dayIn(day.year(), day.month(), rule.first.day());
    case ReminderRepeat::Yearly:
        return day.month() == rule.first.month() && day == dayIn(day.year(), day.month(), rule.first.day());
    }
    return false;
}

// The moment of the reminder on that day on the clocks here. A time the clock skips goes off when the clock has
// moved on past it: the same time, an hour (the gap) later.
QDateTime onDay(const ReminderRule& rule, const QDate& day, const QTimeZone& here)
{
    QDateTime at(day, rule.time, here);
    for (int hour = 1; !at.isValid() && hour <= 2; ++hour) {
        at = QDateTime(day, rule.time.addSecs(hour * 3600), here);
    }
    return at;
}

QString repeatKey(ReminderRepeat repeat)
{
    switch (repeat) {
    case ReminderRepeat::Once:
        return QStringLiteral("once");
    case ReminderRepeat::Daily:
        return QStringLiteral("daily");
    case ReminderRepeat::Weekdays:
        return QStringLiteral("weekdays");
    case ReminderRepeat::Weekly:
        return QStringLiteral("weekly");
    case ReminderRepeat::Monthly:
        return QStringLiteral("monthly");
    case ReminderRepeat::Yearly:
        return QStringLiteral("yearly");
    }
    return {};
}

} // namespace

bool ReminderRule::operator==(const ReminderRule& other) const
{
    return first == other.first && time == other.time && repeat == other.repeat && weekDays == other.weekDays
           && zoneId == other.zoneId;
}

StoredReminder storedReminder(const ReminderRule& rule)
{
    StoredReminder stored;
    stored.timeOfDay = timeOfDayText(rule.time, QLocale::c());
    if (!rule.first.isValid()) {
        return stored; // a daily reminder from before dates
    }
    const QTimeZone zone = rule.zoneId.isEmpty() ? QTimeZone::systemTimeZone() : QTimeZone(rule.zoneId);
    stored.at = onDay(rule, rule.first, zone).toUTC().toString(Qt::ISODate);
    stored.zone = QString::fromLatin1(zone.id());
    stored.repeat = repeatKey(rule.repeat);
    if (rule.repeat == ReminderRepeat::Weekly) {
        QStringList days;
        for (int day = 1; day <= 7; ++day) {
            if (weekMask(rule) & (1 << (day - 1))) {
                days << QString::number(day);
            }
        }
        stored.repeat += QLatin1Char(':') + days.join(QLatin1Char(','));
    }
    return stored;
}

ReminderRule reminderFromStored(const StoredReminder& stored)
{
    ReminderRule rule;
    const QDateTime at = QDateTime::fromString(stored.at, Qt::ISODate);
    if (!at.isValid()) {
        rule.time = parseTimeOfDay(stored.timeOfDay, QLocale::c());
        if (!rule.time.isValid()) {
            rule.time = parseTimeOfDay(stored.timeOfDay);
        }
        return rule; // from before dates: every day at that time
    }
    QTimeZone zone(stored.zone.toLatin1());
    if (!zone.isValid()) {
        zone = QTimeZone::systemTimeZone();
    }
    const QDateTime local = at.toTimeZone(zone);
    rule.first = local.date();
    rule.time = local.time();
    rule.zoneId = zone.id();
    const QString key = stored.repeat.section(QLatin1Char(':'), 0, 0);
    for (ReminderRepeat repeat : {ReminderRepeat::Once,
                                  ReminderRepeat::Daily,
                                  ReminderRepeat::Weekdays,
                                  ReminderRepeat::Weekly,
                                  ReminderRepeat::Monthly,
                                  ReminderRepeat::Yearly}) {
        if (key == repeatKey(repeat)) {
            rule.repeat = repeat;
        }
    }
    for (const QString& day : stored.repeat.section(QLatin1Char(':'), 1).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const int number = day.toInt();
        if (number >= 1 && number <= 7) {
            rule.weekDays |= 1 << (number - 1);
        }
    }
    return rule;
}

QDateTime nextReminder(const ReminderRule& rule, const QDateTime& after, const QTimeZone& here)
{
    if (!rule.isValid()) {
        return {};
    }
    QDate start = after.toTimeZone(here).date().addDays(-1); // a skipped hour may put it a day on
    if (rule.first.isValid() && rule.first > start) {
        start = rule.first;
    }
    if (rule.repeat == ReminderRepeat::Yearly) {
        for (int year = start.year(); year <= start.year() + kYearsToLook; ++year) {
            const QDate day = dayIn(year, rule.first.month(), rule.first.day());
            const QDateTime at = onDay(rule, day, here);
            if (day >= rule.first && at > after) {
                return at;
            }
        }
        return {};
    }
    for (int i = 0; i <= kDaysToLook; ++i) {
        const QDate day = start.addDays(i);
        if (goesOffOn(rule, day)) {
            const QDateTime at = onDay(rule, day, here);
            if (at > after) {
                return at;
            }
        }
        if (rule.repeat == ReminderRepeat::Once && day >= rule.first) {
            break;
        }
    }
    return {};
}

QDateTime
lastReminderBetween(const ReminderRule& rule, const QDateTime& from, const QDateTime& to, const QTimeZone& here)
{
    if (!rule.isValid() || !(from < to)) {
        return {};
    }
    const QDate last = to.toTimeZone(here).date().addDays(1);
    const QDate stop = std::max(from.toTimeZone(here).date().addDays(-1), last.addDays(-kDaysBackToLook));
    for (QDate day = last; day >= stop; day = day.addDays(-1)) {
        if (goesOffOn(rule, day)) {
            const QDateTime at = onDay(rule, day, here);
            if (from < at && at <= to) {
                return at;
            }
        }
    }
    return {};
}

QString reminderWhenText(const QDateTime& when, const QDateTime& now)
{
    const QLocale locale;
    const QString time = locale.toString(when.time(), QLocale::ShortFormat);
    const qint64 days = now.date().daysTo(when.date());
    if (days == 0) {
        return QCoreApplication::translate("Reminder", "Today %1").arg(time);
    }
    if (days == 1) {
        return QCoreApplication::translate("Reminder", "Tomorrow %1").arg(time);
    }
    const bool thisYear = when.date().year() == now.date().year();
    const QString format = thisYear ? QStringLiteral("ddd d MMM") // untranslated: a date pattern, the locale's names
                                    : QStringLiteral("ddd d MMM yyyy"); // untranslated: a date pattern
    return locale.toString(when.date(), format) + QLatin1Char(' ') + time;
}

QString reminderRepeatText(const ReminderRule& rule)
{
    switch (rule.repeat) {
    case ReminderRepeat::Once:
        return QCoreApplication::translate("Reminder", "Once");
    case ReminderRepeat::Daily:
        return QCoreApplication::translate("Reminder", "Every day");
    case ReminderRepeat::Weekdays:
        return QCoreApplication::translate("Reminder", "Every weekday");
    case ReminderRepeat::Weekly: {
        QStringList days;
        for (int day = 1; day <= 7; ++day) {
            if (weekMask(rule) & (1 << (day - 1))) {
                days << QLocale().dayName(day, QLocale::ShortFormat);
            }
        }
        return QCoreApplication::translate("Reminder", "Every week on %1").arg(days.join(QStringLiteral(", ")));
    }
    case ReminderRepeat::Monthly:
        return QCoreApplication::translate("Reminder", "Every month");
    case ReminderRepeat::Yearly:
        return QCoreApplication::translate("Reminder", "Every year");
    }
    return {};
}

} // namespace jotlet
