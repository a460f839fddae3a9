// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "special/stockquote.h"

#include "note/notetext.h"
#include "special/specialtext.h"
#include <QCoreApplication>

namespace jotlet {

namespace {

QString headingOf(const QString& symbol)
{
    return QCoreApplication::translate("SpecialNote", "Stock Symbol: ") + symbol.toUpper() + kCrLf;
}

} // namespace

QUrl quoteAddress(const QString& server, const QString& symbol)
{
    QString prefix = server.trimmed();
    if (prefix.isEmpty()) {
        return {};
    }
    while (prefix.endsWith(QLatin1Char('/'))) {
        prefix.chop(1);
    }
    const QByteArray encoded = QUrl::toPercentEncoding(symbol.toUpper());
    return QUrl(prefix + QStringLiteral("/d/quotes.csv?s=") + QString::fromLatin1(encoded)
                + QStringLiteral("&f=sl1d1t1c1ohgv&e=.csv"));
}

QString quoteField(const QString& reply, int n)
{
    return reply.section(QLatin1Char(','), n, n).remove(QLatin1Char('"'));
}

bool isUnknownSymbol(const QString& reply)
{
    return quoteField(reply, 2) == QLatin1String("N/A");
}

bool writeQuoteNote(NoteText& text, const QString& symbol, const QString& reply, QString* error, const QLocale& locale)
{
    const NoteTextEdit edit(text);
    writeSpecialHeading(text, headingOf(symbol));
    //: Stock quote line: the date and time of the last trade.
    const QString trade = QCoreApplication::translate("SpecialNote", "Trade");
    appendLabelledLine(text, quoteField(reply, 2) + QLatin1Char(' ') + quoteField(reply, 3), trade);
    const struct
    {
        const char* label;
        int field;
        bool number;
    } lines[] = {{QT_TRANSLATE_NOOP("SpecialNote", "Last Price"), 1, true},
                 {QT_TRANSLATE_NOOP("SpecialNote", "Change"), 4, false},
                 {QT_TRANSLATE_NOOP("SpecialNote", "Open Price"), 5, true},
                 {QT_TRANSLATE_NOOP("SpecialNote", "Low Price"), 7, true},
                 {QT_TRANSLATE_NOOP("SpecialNote", "High Price"), 6, true}};
    for (const auto& line : lines) {
        QString value = quoteField(reply, line.field).trimmed();
        if (line.number) {
            bool ok = false;
            const double number = QLocale::c().toDouble(value, &ok); // servers write numbers the C way
            if (!ok) {
                *error
                    = QStringLiteral("Type mismatch: %1 is '%2', not a number").arg(QLatin1String(line.label), value);
                return false;
            }
            value = locale.toString(number, 'g', QLocale::FloatingPointShortest);
        }
        appendLabelledLine(text, value, QCoreApplication::translate("SpecialNote", line.label));
    }
    return true;
}

void writeQuoteError(NoteText& text, const QString& symbol)
{
    writeSpecialHeading(text, headingOf(symbol));
    appendLabelledLine(text, QCoreApplication::translate("SpecialNote", "error looking up symbol"), QString());
}

void writeNoQuoteServer(NoteText& text, const QString& symbol)
{
    writeSpecialHeading(text, headingOf(symbol));
    appendLabelledLine(
        text,
        QCoreApplication::translate("SpecialNote", "No quote server is set up: choose Settings... in the note's menu."),
        QString());
}

} // namespace jotlet
