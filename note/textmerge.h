// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rtf/pictures.h"

#include <QList>
#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextListFormat>

#include <optional>
#include <vector>

class QTextDocument;

namespace jotlet {

// A note's text as paragraphs, for comparing versions of it and merging them: each paragraph with its format, the
// list it is in and its runs of text in one format. Pictures are runs of their own, compared by their stored bytes
// (not by the name a document gave them) and carrying what a document needs to show them.
struct TextRun
{
    QString text;
    QTextCharFormat format;
    QByteArray picture; // a digest of a picture's stored bytes; empty for text
    PictureResources resources;

    bool operator==(const TextRun& other) const;
};

struct TextParagraph
{
    QTextBlockFormat block; // without the list it belongs to
    QTextCharFormat blockChar;
    std::optional<QTextListFormat> list; // none outside a list
    bool continuesList = false;          // in the same list as the paragraph before
    QList<TextRun> runs;

    QString plainText() const;
    bool sameLook(const TextParagraph& other) const; // the same format and list, whatever the text
    bool operator==(const TextParagraph& other) const;
    bool sameAs(const TextParagraph& other) const { return *this == other; }
};

using TextModel = std::vector<TextParagraph>;

TextModel textModel(const QTextDocument& doc);

// How runs put in take the document's own face and size: named in each run as the model has them, or left to the
// document where they are its own (as in a note, whose Size and Font Family then change them).
enum class RunFonts { AsGiven, DocumentsOwnLeftOut };

// Makes the document hold the model with as few edits as it takes (in one undo step): paragraphs the two have in
// common are left alone, and within a paragraph changed in one place only that place is replaced. Cursors on the
// document (the caret, a selection) stay with the text around them.
void applyTextModel(QTextDocument* doc, const TextModel& target, RunFonts fonts = RunFonts::DocumentsOwnLeftOut);

// Three versions of a text merged: the changes from base to ours and from base to theirs, paragraph by paragraph
// and, where both changed the same paragraphs, word by word. Changes to different places merge; text both put in
// at one place is kept, in an order that does not depend on which side is which; changes to the same words are a
// conflict (nothing).
std::optional<TextModel> mergeTextModels(const TextModel& base, const TextModel& ours, const TextModel& theirs);

// The same for note texts held as RTF: the merged RTF, or nothing on a conflict or an unreadable version.
std::optional<QByteArray> mergeRtf(const QByteArray& base, const QByteArray& ours, const QByteArray& theirs);

} // namespace jotlet
