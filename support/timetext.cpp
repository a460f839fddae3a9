// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/timetext.h"

#include <QRegularExpression>

namespace jotlet {

QString timeOfDayText(const QTime& time, const QLocale& locale)
{
    const int hour12 = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    return QStringLiteral("%1:%2:%3 %4")
        .arg(hour12, 2, 10, QLatin1Char('0'))
        .arg(time.minute(), 2, 10, QLatin1Char('0'))
        .arg(time.second(), 2, 10, QLatin1Char('0'))
        .arg(time.hour() < 12 ? locale.amText() : locale.pmText());
}

QTime parseTimeOfDay(const QString& text, const QLocale& locale)
{
    static const QRegularExpression pattern(QStringLiteral(R"(^\s*(\d{1,2}):(\d{2})(?::(\d{2}))?\s*(.*?)\s*$)"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch()) {
        return {};
    }
    int hour = match.captured(1).toInt();
    const int minute = match.captured(2).toInt();
    const int second = match.captured(3).toInt();
    const QString designator = match.captured(4);
    const auto is = [&designator](const QString& name) {
        return !name.isEmpty() && designator.compare(name, Qt::CaseInsensitive) == 0;
    };
    const bool morning = is(locale.amText()) || is(QStringLiteral("AM"));
    const bool afternoon = is(locale.pmText()) || is(QStringLiteral("PM"));
    if (morning || afternoon) {
        if (hour < 1 || hour > 12) {
            return {};
        }
        hour = hour % 12 + (afternoon ? 12 : 0);
    } else if (!designator.isEmpty()) {
        return {};
    }
    return QTime(hour, minute, second); // invalid when a field is out of range
}

} // namespace jotlet
