// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

#include <functional>

namespace jotlet {

// Appends one entry to jotlet.log in the data folder: the date and time, the location text
// ("modNote: SaveNote"), the error number and its description, separated by tabs, one entry per
// line ended by CR LF. The file is opened for each entry and closed at once. Never throws; when
// the entry cannot be written the failure handler runs (a message box in the program).
void logError(const QString& location, long number, const QString& description);

// The full path of the error log.
QString errorLogPath();

// One log line (with its CR LF) as logError writes it; line breaks inside the fields become blanks.
QByteArray formatLogEntry(const QDateTime& when,
                          const QString& location,
                          long number,
                          const QString& description,
                          const QLocale& locale = QLocale::system());

// The general date-and-time text: the locale's short date, a blank, the time with seconds and
// without a time-zone name.
QString generalDateTimeText(const QDateTime& when, const QLocale& locale = QLocale::system());

// The locale's short date with the year written in full: 12/6/2026, not 12/6/26.
QString shortDateText(const QDate& date, const QLocale& locale = QLocale::system());

// What runs when an entry cannot be written, after the entry went to standard error. The default does nothing
// more; the program shows a message box, tests install their own.
using LogFailureHandler = std::function<void(const QString& reason)>;
LogFailureHandler setLogFailureHandler(LogFailureHandler handler);

} // namespace jotlet
