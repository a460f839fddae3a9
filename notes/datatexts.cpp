// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "notes/datatexts.h"

#include "notes/quickxmlscan.h"

#include <QDomDocument>

#include <algorithm>

namespace jotlet {

namespace {

const QString kOpen = QStringLiteral("<DATA>");
const QString kClose = QStringLiteral("</DATA>");

bool isXmlSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

// What a reference's name ("amp", "#60", "#x3C") stands for; nothing for one the parser would not take.
std::optional<char32_t> referenced(QStringView name)
{
    static const std::pair<QStringView, char32_t> predefined[]
        = {{u"amp", U'&'}, {u"lt", U'<'}, {u"gt", U'>'}, {u"quot", U'"'}, {u"apos", U'\''}};
    for (const auto& [known, c] : predefined) {
        if (name == known) {
            return c;
        }
    }
    if (!name.startsWith(u'#') || name.size() < 2) {
        return std::nullopt;
    }
    const bool hex = name.at(1) == u'x';
    bool ok = false;
    const uint value = name.mid(hex ? 2 : 1).toUInt(&ok, hex ? 16 : 10);
    const bool digitsOnly = !name.mid(hex ? 2 : 1).contains(u'+') && !name.mid(hex ? 2 : 1).contains(u'-');
    if (!ok || !digitsOnly || !isXmlCodePoint(value)) {
        return std::nullopt;
    }
    return char32_t(value);
}

// The content as the parser gives it. A reference never takes fewer characters than what it stands for, so the text
// is written in place.
std::optional<QString> parsedText(QStringView raw)
{
    if (!raw.contains(u'&') && !raw.contains(u'\r')) {
        return raw.toString();
    }
    QString text(raw.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar c = raw.at(i);
        if (c == u'\r') {
            *out++ = u'\n'; // CR LF and a lone CR are line ends
            i += i + 1 < raw.size() && raw.at(i + 1) == u'\n';
        } else if (c != u'&') {
            *out++ = c;
        } else {
            const qsizetype end = raw.indexOf(u';', i);
            const std::optional<char32_t> value = end < 0 ? std::nullopt : referenced(raw.mid(i + 1, end - i - 1));
            if (!value) {
                return std::nullopt;
            }
            const QChar pair[2] = {QChar::highSurrogate(*value), QChar::lowSurrogate(*value)};
            if (QChar::requiresSurrogates(*value)) {
                *out++ = pair[0];
                *out++ = pair[1];
            } else {
                *out++ = QChar(char16_t(*value));
            }
            i = end;
        }
    }
    text.truncate(out - text.constData());
    return text;
}

} // namespace

std::optional<DataTexts> takeDataTexts(const QString& text)
{
    // A comment or a CDATA section may hold "<DATA>" that is not an element; a document type may declare entities.
    if (text.contains(QLatin1String("<!"))) {
        return std::nullopt;
    }
    DataTexts result;
    result.rest.reserve(text.size() / 8);
    qsizetype from = 0;
    for (qsizetype open = text.indexOf(QLatin1String("<DATA")); open >= 0;
         open = text.indexOf(QLatin1String("<DATA"), open + 1)) {
        const qsizetype after = open + 5;
        if (after < text.size() && text.at(after) != u'>'
            && (text.at(after).isLetterOrNumber() || text.at(after) == u'_' || text.at(after) == u'-'
                || text.at(after) == u'.')) {
            continue; // another element whose name starts so
        }
        if (!QStringView(text).mid(open).startsWith(kOpen)) {
            return std::nullopt; // attributes, or written <DATA/>
        }
        const qsizetype start = open + kOpen.size();
        const qsizetype close = text.indexOf(kClose, start);
        if (close < 0) {
            return std::nullopt;
        }
        const QStringView raw = QStringView(text).mid(start, close - start);
        const std::optional<QString> parsed = raw.contains(u'<') ? std::nullopt : parsedText(raw);
        if (!parsed) {
            return std::nullopt;
        }
        // The parser leaves out a text of white space only.
        result.texts << (std::all_of(parsed->begin(), parsed->end(), isXmlSpace) ? QString() : *parsed);
        result.rest += QStringView(text).mid(from, start - from);
        from = close;
        open = close;
    }
    result.rest += QStringView(text).mid(from);
    return result;
}

bool putDataTexts(QDomDocument* document, const QStringList& texts)
{
    const QDomNodeList elements = document->elementsByTagName(QStringLiteral("DATA"));
    if (elements.size() != texts.size()) {
        return false;
    }
    for (int i = 0; i < elements.size(); ++i) {
        QDomNode element = elements.at(i);
        if (element.hasChildNodes()) {
            return false;
        }
        if (!texts.at(i).isEmpty()) {
            element.appendChild(document->createTextNode(texts.at(i)));
        }
    }
    return true;
}

} // namespace jotlet
