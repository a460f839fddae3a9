#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

#include <optional>

namespace jotlet {

class RichTextBox;

// The note's formatting and edit commands, on its text box. The menus and keys that reach them live in the note
// window; these need no menu, so tests run them on a text box that is never shown.

// The eight note colours in the order of the Color menu (0x00BBGGRR).
struct NoteColor
{
    const char* name;
    quint32 value;
};
inline constexpr NoteColor kNoteColors[] = {
    {"yellow", 0xC0FFFF},
    {"blue", 0xFFCC33},
    {"green", 0xCCFFAB},
    {"red", 0xC0C0FF},
    {"grey", 0xC0C0C0},
    {"peach", 0x99CCFF},
    {"purple", 0xF2A5E6},
    {"tang", 0x5FC2F0},
};
// A colour name (any case) or a decimal 0x00BBGGRR value as a colour value; nothing for any other text.
std::optional<quint32> noteColorValue(const QString& text);

// The transparency levels "Low", "Medium", "High", "Off" (index 0-3) as opacity 0-255.
inline constexpr int kTransparencyLevels[] = {225, 150, 50, 255};

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
void toggleStyle(RichTextBox& box, StyleChecks& checks, Style style);
// Main menu "Normal": flips its mark, clears the other three, and removes underline, bold and italic.
void styleNormal(RichTextBox& box, StyleChecks& checks);
// Selection menu "Italic", "Underline", "Bold" (index 0-2): switches the style on.
void setSelectionStyle(RichTextBox& box, int index);
// "No Format": bold, italic, underline and strike-through off.
void removeFormat(RichTextBox& box);

// Alignment items "Left", "Center", "Right" (index 0-2) to the text box's alignment value (0 left, 1 right,
// 2 centre); nothing for another index.
std::optional<int> alignmentForIndex(int index);
// Main menu: every paragraph; the caret goes back to where the selection started, with nothing selected.
void alignWholeNote(RichTextBox& box, int index);
// Selection menu: the paragraphs the selection touches.
void alignSelection(RichTextBox& box, int index);
// "Add New" (0): bullets and a 200-twip indent; "Remove existing" (1): no bullets and an indent of -200 twips.
void setBullets(RichTextBox& box, int index);
// "Increase" (0) / "Decrease" (1): the indent plus or minus 200 twips, without bounds.
void changeIndent(RichTextBox& box, int index);

// Replaces the selection with the clipboard's plain text (empty when there is none).
void pastePlainText(RichTextBox& box);
// The characters of "Insert Special" (index 1-5: degree, copyright, ellipsis, registered, pound); empty otherwise.
QString specialCharacter(int index);
// The date stamps (index 0 date and time, 1 long date, 2 short date) for a moment in a locale; empty otherwise.
QString dateStamp(int index, const QDateTime& when, const QLocale& locale = QLocale::system());
// Inserts text at the caret, replacing a selection, in the format of the insertion point.
void insertAtCaret(RichTextBox& box, const QString& text);

// The text "Clear All" leaves when Ctrl is held while it is chosen.
QString aboutJotletText();

// What a key released in a note window does.
enum class KeyCommand {
    None,
    ToggleMinimize,
    SystemMenu,
    Close,
    CheckSpelling,
    DateTimeStamp,
    LongDateStamp,
    ShortDateStamp,
    Open,
    New,
    Save,
    Print,
    Email,
    PastePlainText,
};
// The first row of the key table that matches; a key whose modifier test fails does nothing.
KeyCommand keyUpCommand(int key, Qt::KeyboardModifiers modifiers);

} // namespace jotlet
