// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

class QTextBlock;
class QTextDocument;

namespace jotlet {

struct RtfReadLimits
{
    // Larger input is refused. Pictures make most of a big note; those past their own limit are read over quickly.
    qint64 maxInputBytes = 128 * 1024 * 1024;
    int maxGroupDepth = 300; // deeper groups are read over, their text dropped
    // A note's text is laid out whole when shown: 100,000 paragraphs or 2,000,000 characters take about a second
    // each here, far past any note, so more is refused rather than freezing every note for longer.
    int maxParagraphs = 100000;
    int maxCharacters = 2000000;
    // Pictures decoded to be shown; without, a picture is a placeholder and only its bytes are kept (for reading a
    // note's text, as a search does).
    bool decodePictures = true;
};

// Reads RTF as rich-edit controls write it (and general RTF, robustly) into doc, replacing what
// it held. Malformed RTF gives a best-effort document. Input that is not RTF at all is taken as
// plain text, as a rich-edit control does. Returns false, with the reason in *error, only for
// input over one of the limits; doc is then left empty.
bool readRtf(const QByteArray& rtf, QTextDocument* doc, QString* error = nullptr, const RtfReadLimits& limits = {});

// The bytes of rich text kept as text (a note record's DATA). Rich text is 7-bit; stray 8-bit characters from older
// files go back to their Windows-1252 bytes.
QByteArray storedRtfBytes(const QString& rtf);

// The plain text of an RTF document, with list markers ("•", "1.", "[ ]", "[x]") written out and pictures left out.
QString rtfToPlainText(const QByteArray& rtf);

// The document's text with list markers written out, one line per paragraph.
QString documentPlainTextWithMarkers(const QTextDocument& doc);

// A list marker is drawn in its block's own character format: this gives it the colour of the item's text.
void colorListMarkerWithText(const QTextBlock& block);

// True when the bytes start like RTF ("{\rtf", possibly after a few stray bytes).
bool looksLikeRtf(const QByteArray& bytes);

} // namespace jotlet
