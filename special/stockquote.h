// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <QUrl>

namespace jotlet {

class NoteText;

// The stock quote note. A quote server answers one CSV line with the fields "sl1d1t1c1ohgv": symbol, last price,
// trade date, trade time, change, open, high, low, volume ("MSFT",27.5,"6/5/2026","4:00pm",+0.25,27.3,27.8,27.1,100).

// The address of a symbol's quote: the server's address, then "/d/quotes.csv?s=" with the symbol in upper case and
// the field letters. Empty when no server is set up.
QUrl quoteAddress(const QString& server, const QString& symbol);

// Field n (from 0) of a reply split at every comma, without its double quotes; "" when there is no field n.
QString quoteField(const QString& reply, int n);

// A reply whose date field reads "N/A": the server does not know the symbol.
bool isUnknownSymbol(const QString& reply);

// The quote: the heading "Stock Symbol: " with the symbol in upper case, then Trade, Last Price, Change, Open Price,
// Low Price and High Price, numbers in the locale's shortest form. A price that is not a number stops the writing
// there (the lines before it stay) and gives false with the reason.
bool writeQuoteNote(NoteText& text,
                    const QString& symbol,
                    const QString& reply,
                    QString* error,
                    const QLocale& locale = QLocale::system());

// The heading and one line instead of the quote: the lookup failed, or there is no server to ask.
void writeQuoteError(NoteText& text, const QString& symbol);
void writeNoQuoteServer(NoteText& text, const QString& symbol);

} // namespace jotlet
