#pragma once

#include <Qt>

namespace jotlet {

// Everything a user can ask of a note, from its menus and keys. Commands of one menu group take an index:
// the item's position in its group (Size "Small".."Largest" are 0-4, and so on).
enum class Command {
    None,
    // Notes and files
    NewNote,
    OpenNote,
    Save,
    SaveAs,
    AppendTo,
    CloseNote,
    AutoSave,
    SaveNewNoteOnClose,
    SaveSettings,
    // Special notes
    SpecialTime,
    SpecialReminder,
    SpecialRssFeed,
    SpecialStocks,
    SpecialClipboardViewer,
    SpecialClipboardLog,
    SpecialMemory,
    SpecialDrives,
    StopSpecialNote,
    // Other windows and services
    MultiNoteManager,
    EmailNote,
    EmailSelection,
    PrintNote,
    CheckSpelling,
    CheckSelectionSpelling,
    ShowHelp,
    OpenWebsite,
    ShowAbout,
    // Editing
    Paste,
    PastePlainText,
    Undo,
    ClearAll, // index 1: with Ctrl held
    Cut,
    Copy,
    InsertCharacter, // 1-5: degree, copyright, ellipsis, registered, pound
    InsertDateStamp, // 0-2: date and time, long date, short date
    // Formatting: the main menu's
    StyleNormal,
    StyleItalic,
    StyleUnderline,
    StyleBold,
    NoteFontSize, // 0-4
    TextColor,
    AlignNote, // 0-2: left, centre, right
    Bullets,   // 0 add, 1 remove
    Indent,    // 0 increase, 1 decrease
    FontFamily,
    // Formatting: the selection menu's
    StrikeOut, // 0 strike out, 1 remove
    SelectionFontSize,
    SelectionStyle, // 0-2: italic, underline, bold
    RemoveFormat,
    AlignSelection,
    // The note itself
    NoteColor,    // 0-7 the colours, 9 a custom colour
    Transparency, // 0-3: low, medium, high, off
    AlwaysOnTop,
    CaptionType, // 0-3: time stamp, word count, character count, file name
    RollUp,
    RestoreSize,
    DefaultSize,
    ResetNote,
    // Keys only
    ToggleRollUp,
    ShowSystemMenu,
};

struct CommandCall
{
    Command command = Command::None;
    int index = -1;
};

// What a key released in a note does: the first row of the key table that matches. A key whose modifier test
// fails does nothing (Ctrl+Space, plain F4, plain S); a Ctrl test passes whatever else is held.
CommandCall keyCommand(int key, Qt::KeyboardModifiers modifiers);

} // namespace jotlet
