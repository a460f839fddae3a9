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

// The items of the menu groups whose commands carry an index, in their menus' order (the index is the item's
// number in its menu object's name: "mnuAlignment(1)" is Center).
enum class SizeItem { Small, Normal, Medium, Large, Largest };
enum class AlignItem { Left, Center, Right };
enum class StepItem { More, Less }; // Bullets "Add New" and "Remove existing"; Indent "Increase" and "Decrease"

// A command's index as the item of its group, up to the group's last; nothing for an index the group lacks.
template <typename Item>
std::optional<Item> menuItem(int index, Item last)
{
    return index >= 0 && index <= int(last) ? std::optional<Item>(Item(index)) : std::nullopt;
}

// The point size of a Size item.
int fontSizeOf(SizeItem item);
// The check mark of each Size item for a size: only the item of exactly that size.
bool fontSizeChecked(SizeItem item, int points);

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
// Selection menu "Italic", "Underline", "Bold" (Style in the menu's order): switches the style on.
void setSelectionStyle(NoteText& text, Style style);
// "No Format": bold, italic, underline and strike-through off.
void removeFormat(NoteText& text);

// An Alignment item as the text box's alignment value (0 left, 1 right, 2 centre).
int alignmentOf(AlignItem item);
// Main menu: every paragraph; the caret goes back to where the selection started, with nothing selected.
void alignWholeNote(NoteText& text, AlignItem item);
// Selection menu: the paragraphs the selection touches.
void alignSelection(NoteText& text, AlignItem item);
// "Add New": bullets and a 200-twip indent; "Remove existing": no bullets and an indent of -200 twips.
void setBullets(NoteText& text, StepItem item);
// "Increase" / "Decrease": the indent plus or minus 200 twips, without bounds.
void changeIndent(NoteText& text, StepItem item);

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
