// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/errorlog.h"

#include "support/appinfo.h"
#include "support/logging.h"

#include <QFile>

Q_LOGGING_CATEGORY(lcApp, "jotlet.app")

namespace jotlet {

namespace {

void warnOnly(const QString& reason)
{
    qCWarning(lcApp) << "error log entry not written:" << reason;
}

LogFailureHandler& failureHandler()
{
    static LogFailureHandler handler = warnOnly;
    return handler;
}

QString oneLine(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.replace(QLatin1Char('\t'), QLatin1Char(' '));
    return text;
}

// Appends the bytes in one unbuffered write, so a full disk shows up here and not at close.
bool appendToFile(const QString& path, const QByteArray& bytes, QString* reason)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        *reason = file.errorString();
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        *reason = file.errorString();
        return false;
    }
    file.close();
    if (file.error() != QFileDevice::NoError) {
        *reason = file.errorString();
        return false;
    }
    return true;
}

} // namespace

QString shortDateText(const QDate& date, const QLocale& locale)
{
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy"))) {
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    }
    return locale.toString(date, format);
}

QString generalDateTimeText(const QDateTime& when, const QLocale& locale)
{
    QString timeFormat = locale.timeFormat(QLocale::LongFormat);
    // Drop the time-zone field ("t") but keep quoted literal text as it is.
    QString cleaned;
    bool quoted = false;
    for (const QChar c : timeFormat) {
        if (c == QLatin1Char('\'')) {
            quoted = !quoted;
        }
        if (!quoted && c == QLatin1Char('t')) {
            continue;
        }
        cleaned += c;
    }
    return shortDateText(when.date(), locale) + QLatin1Char(' ') + locale.toString(when.time(), cleaned.trimmed());
}

QByteArray formatLogEntry(
    const QDateTime& when, const QString& location, long number, const QString& description, const QLocale& locale)
{
    const QString line = generalDateTimeText(when, locale) + QLatin1Char('\t') + oneLine(location) + QLatin1Char('\t')
                         + QString::number(number) + QLatin1Char('\t') + oneLine(description);
    return line.toUtf8() + "\r\n";
}

QString errorLogPath()
{
    return dataFilePath(QStringLiteral("jotlet.log"));
}

void logError(const QString& location, long number, const QString& description)
{
    QString reason;
    const QByteArray entry = formatLogEntry(QDateTime::currentDateTime(), location, number, description);
    if (!appendToFile(errorLogPath(), entry, &reason)) {
        qCWarning(lcApp).noquote() << "lost log entry:" << entry.trimmed();
        if (failureHandler()) {
            failureHandler()(reason);
        }
    }
}

LogFailureHandler setLogFailureHandler(LogFailureHandler handler)
{
    LogFailureHandler previous = std::move(failureHandler());
    failureHandler() = std::move(handler);
    return previous;
}

} // namespace jotlet
