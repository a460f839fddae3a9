// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "note/mailto.h"

namespace jotlet {

namespace {

// What one character (or a CR LF pair) of the text becomes; advances *i past it.
QString encodedAt(const QString& text, qsizetype* i)
{
    const QChar c = text.at(*i);
    if (c == QLatin1Char('\r') && *i + 1 < text.size() && text.at(*i + 1) == QLatin1Char('\n')) {
        *i += 2;
        return QStringLiteral("%0D%0A");
    }
    static const QString kEncoded = QStringLiteral("% $@?/=:;&,\"#");
    if (kEncoded.contains(c)) {
        ++*i;
        return QLatin1Char('%') + QString::number(c.unicode(), 16).toUpper().rightJustified(2, QLatin1Char('0'));
    }
    if (c.unicode() < 0x80) {
        ++*i;
        return QString(c);
    }
    // Beyond ASCII: the UTF-8 bytes of the whole character (a surrogate pair stays together).
    const qsizetype length = c.isHighSurrogate() && *i + 1 < text.size() ? 2 : 1;
    QString encoded;
    for (const char byte : text.mid(*i, length).toUtf8()) {
        encoded += QLatin1Char('%') + QString::number(quint8(byte), 16).toUpper().rightJustified(2, QLatin1Char('0'));
    }
    *i += length;
    return encoded;
}

} // namespace

QString encodeMailText(const QString& text)
{
    QString encoded;
    for (qsizetype i = 0; i < text.size();) {
        encoded += encodedAt(text, &i);
    }
    return encoded;
}

MailtoAddress mailtoAddress(const QString& text, int maxEncoded)
{
    MailtoAddress address;
    QString body;
    qsizetype i = 0;
    while (i < text.size()) {
        qsizetype next = i;
        const QString piece = encodedAt(text, &next);
        if (body.size() + piece.size() > maxEncoded) {
            address.cut = true;
            break;
        }
        body += piece;
        i = next;
    }
    address.keptCharacters = int(i);
    address.url = QStringLiteral("mailto:?subject=Jotlet%20Note&Body=") + body;
    return address;
}

} // namespace jotlet
