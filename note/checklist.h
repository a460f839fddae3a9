// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QTextFormat>

class QString;
class QTextBlock;
class QTextDocument;
class QTextCursor;

namespace jotlet {

// Checklists: paragraphs of a bulleted list whose bullet is a box, ticked or not. A ticked item's text is shown
// struck through in grey.

bool isCheckItem(const QTextBlock& block);

// What ticking added to an item's text, noted on it (never written to a file): the strike-through, and the colour
// the text had before it turned grey (false for none).
// The grey of a ticked item's text.
extern const QColor kTickedGrey;
inline constexpr int kTickStruckProperty = QTextFormat::UserProperty + 60;
inline constexpr int kTickColorProperty = QTextFormat::UserProperty + 61;

// Turns the paragraphs the cursor touches into unticked check items, or back into plain paragraphs when they all
// are check items already.
void toggleChecklist(QTextCursor& cursor);

// Ticks or unticks a check item; false (and nothing changes) for any other paragraph.
bool toggleCheckItem(const QTextBlock& block);

// Enter in a check item: at an empty item it ends the list, elsewhere it starts a new unticked item (Enter after a
// ticked item does not tick the next). False where Enter is not in a check item and goes on as usual.
bool checklistEnter(QTextCursor& cursor);

// The text between two positions for a mail message: check items start with "[ ] " or "[x] ", pictures are left
// out, paragraphs end in CR LF.
QString textForMail(const QTextDocument& doc, int start, int end);

} // namespace jotlet
