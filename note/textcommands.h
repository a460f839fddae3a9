// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

#include <optional>

namespace jotlet {

class NoteText;

// The note's formatting and edit commands, on its text and selection. They need no window, so tests run them on a
// note's text alone.

// The point sizes of the Size items "Small" ... "Largest" (index 0-4); 0 for any other index.
int fontSizeForIndex(int index);
// The check mark of each Size item for a size: only the item of exactly that size.
bool fontSizeChecked(int index, int points);

// The main menu's character-style check marks; they record the user's last choices, not the selection.
struct StyleChecks
{
    bool normal = true;
    bool italic = false;
    bool underline = false;
    bool bold = false;
};
enum class Style { Italic, Underline, Bold };

// Main menu "Italic", "Underline", "Bold": flips the item's mark, clears "Normal", and sets the style to the mark.
void toggleStyle(NoteText& text, StyleChecks& checks, Style style);
// Main menu "Normal": flips its mark, clears the other three, and removes underline, bold and italic.
void styleNormal(NoteText& text, StyleChecks& checks);
// Selection menu "Italic", "Underline", "Bold" (index 0-2): switches the style on.
void setSelectionStyle(NoteText& text, int index);
// "No Format": bold, italic, underline and strike-through off.
void removeFormat(NoteText& text);

// Alignment items "Left", "Center", "Right" (index 0-2) to the text box's alignment value (0 left, 1 right,
// 2 centre); nothing for another index.
std::optional<int> alignmentForIndex(int index);
// Main menu: every paragraph; the caret goes back to where the selection started, with nothing selected.
void alignWholeNote(NoteText& text, int index);
// Selection menu: the paragraphs the selection touches.
void alignSelection(NoteText& text, int index);
// "Add New" (0): bullets and a 200-twip indent; "Remove existing" (1): no bullets and an indent of -200 twips.
void setBullets(NoteText& text, int index);
// "Increase" (0) / "Decrease" (1): the indent plus or minus 200 twips, without bounds.
void changeIndent(NoteText& text, int index);

// Replaces the selection with the clipboard's plain text (empty when there is none).
void pastePlainText(NoteText& text);
// The characters of "Insert Special" (index 1-5: degree, copyright, ellipsis, registered, pound); empty otherwise.
QString specialCharacter(int index);
// The date stamps (index 0 date and time, 1 long date, 2 short date) for a moment in a locale; empty otherwise.
QString dateStamp(int index, const QDateTime& when, const QLocale& locale = QLocale::system());
// Inserts text at the caret, replacing a selection, in the format of the insertion point.
void insertAtCaret(NoteText& text, const QString& inserted);

// The text "Clear All" leaves when Ctrl is held while it is chosen.
QString aboutJotletText();

} // namespace jotlet
