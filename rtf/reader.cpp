// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "rtf/reader.h"

#include "rtf/parser.h"
#include "support/codepage.h"
#include "support/problem.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

namespace jotlet {

using rtfparse::Parser;

bool looksLikeRtf(const QByteArray& bytes)
{
    const qsizetype at = bytes.indexOf("{\\rtf");
    return at >= 0 && at < 16;
}

namespace {

// At least as many paragraphs as the input can make: every \par control word of RTF, every line of plain text.
// Counted before anything is built, so that refusing a huge text costs milliseconds.
qsizetype paragraphMarks(const QByteArray& rtf, bool isRtf)
{
    if (!isRtf) {
        const qsizetype lineFeeds = rtf.count('\n');
        return lineFeeds > 0 ? lineFeeds : rtf.count('\r');
    }
    qsizetype marks = 0;
    for (qsizetype at = rtf.indexOf("\\par"); at >= 0; at = rtf.indexOf("\\par", at + 4)) {
        const char next = at + 4 < rtf.size() ? rtf.at(at + 4) : ' ';
        marks += !((next >= 'a' && next <= 'z') || (next >= 'A' && next <= 'Z')); // not \pard, \pararsid ...
    }
    return marks;
}

bool refuse(QTextDocument* doc, QString* error, const QString& reason)
{
    doc->clear();
    if (error) {
        *error = reason;
    }
    return false;
}

} // namespace

bool readRtf(const QByteArray& rtf, QTextDocument* doc, QString* error, const RtfReadLimits& limits)
{
    doc->clear();
    if (rtf.size() > limits.maxInputBytes) {
        return refuse(doc,
                      error,
                      Problem(QT_TRANSLATE_NOOP("Problem", "The rich text is %1 bytes long; at most %2 bytes are read"),
                              {rtf.size(), limits.maxInputBytes})
                          .english());
    }
    const bool isRtf = looksLikeRtf(rtf);
    if (paragraphMarks(rtf, isRtf) > limits.maxParagraphs) {
        return refuse(
            doc,
            error,
            Problem(QT_TRANSLATE_NOOP("Problem", "The text has more than %1 paragraphs, more than a note can show"),
                    {limits.maxParagraphs})
                .english());
    }
    if (!isRtf) {
        // Not RTF: a rich-edit control shows such text as it is.
        QTextCursor cursor(doc);
        cursor.insertText(isValidUtf8(rtf) ? QString::fromUtf8(rtf) : decodeWindows1252(rtf));
    } else {
        const qsizetype start = rtf.indexOf("{\\rtf");
        Parser parser(rtf.constData() + start, rtf.constData() + rtf.size(), doc, limits);
        parser.run();
    }
    if (doc->characterCount() > limits.maxCharacters) {
        return refuse(
            doc,
            error,
            Problem(QT_TRANSLATE_NOOP("Problem", "The text has more than %1 characters, more than a note can show"),
                    {limits.maxCharacters})
                .english());
    }
    return true;
}

void colorListMarkerWithText(const QTextBlock& block)
{
    const QTextBlock::iterator first = block.begin();
    if (first.atEnd()) {
        return;
    }
    const QTextCharFormat text = first.fragment().charFormat();
    QTextCharFormat marker;
    if (text.hasProperty(QTextFormat::ForegroundBrush)) {
        marker.setForeground(text.foreground());
    } else {
        marker.clearForeground();
    }
    QTextCursor(block).mergeBlockCharFormat(marker);
}

QString documentPlainTextWithMarkers(const QTextDocument& doc)
{
    QString text;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        if (block != doc.begin()) {
            text += QLatin1Char('\n');
        }
        const auto marker = block.blockFormat().marker();
        if (marker != QTextBlockFormat::MarkerType::NoMarker) {
            text += marker == QTextBlockFormat::MarkerType::Checked ? QStringLiteral("[x] ") : QStringLiteral("[ ] ");
        } else if (QTextList* list = block.textList()) {
            const auto style = list->format().style();
            const bool bullet = style == QTextListFormat::ListDisc || style == QTextListFormat::ListCircle
                                || style == QTextListFormat::ListSquare;
            text += bullet ? QStringLiteral("\u2022 ") : list->itemText(block) + QLatin1Char(' ');
        }
        QString line = block.text();
        line.replace(QChar::LineSeparator, QLatin1Char('\n'));
        line.remove(QChar::ObjectReplacementCharacter); // pictures
        text += line;
    }
    return text;
}

QString rtfToPlainText(const QByteArray& rtf)
{
    QTextDocument doc;
    RtfReadLimits textOnly;
    textOnly.decodePictures = false; // the text is what is wanted: no picture is decoded for it
    readRtf(rtf, &doc, nullptr, textOnly);
    return documentPlainTextWithMarkers(doc);
}

QByteArray storedRtfBytes(const QString& rtf)
{
    // Written in place: a note's RTF is mostly ASCII, and a picture makes it hundreds of kilobytes.
    QByteArray bytes(rtf.size(), Qt::Uninitialized);
    char* out = bytes.data();
    for (const QChar ch : rtf) {
        const char16_t c = ch.unicode();
        const int byte = c < 0x80 ? int(c) : windows1252Byte(c);
        if (byte < 0) {
            return rtf.toUtf8();
        }
        *out++ = char(byte);
    }
    return bytes;
}

} // namespace jotlet
