// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <QTime>

namespace jotlet {

// Times of day as the program shows and stores them: "hh:mm:ss AMPM", the hour of the 12-hour clock in two digits
// (12 at noon and midnight, never 00) and the locale's morning or afternoon designator ("04:16:33 PM").
QString timeOfDayText(const QTime& time, const QLocale& locale = QLocale::system());

// Reads a time of day written as above, in this locale or in English ("AM"/"PM"), or on the 24-hour clock without a
// designator; the seconds may be left out. An invalid time for anything else.
QTime parseTimeOfDay(const QString& text, const QLocale& locale = QLocale::system());

} // namespace jotlet
