// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <Qt>

#include <optional>

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
    FindInNotes,
    ShowTrash,
    ImportNotes,
    ExportNotes,
    RestoreBackup,
    ResolveConflict, // a conflict note: 0 keep this version, 1 keep the other, 2 keep both
    EmailNote,
    EmailSelection,
    PrintNote,
    CheckSpelling,
    CheckSelectionSpelling,
    ShowHelp,
    OpenWebsite,
    ShowAbout,
    ShowSettings,
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
    Checklist, // the selected paragraphs become check items, or stop being ones
    InsertPicture,
    FontFamily,
    // Formatting: the selection menu's
    StrikeOut, // 0 strike out, 1 remove
    SelectionFontSize,
    SelectionStyle, // 0-2: italic, underline, bold
    RemoveFormat,
    AlignSelection,
    // The note itself
    NoteColor,    // 0-7 the colours (kNoteColors), kCustomColorIndex a colour of the user's choosing
    DarkLook,     // the note's dark look on or off, whatever the program's setting
    Transparency, // 0-3: low, medium, high, off
    AlwaysOnTop,
    CaptionType, // 0-3: time stamp, word count, character count, file name
    RollUp,
    RestoreSize,
    DefaultSize,
    ResetNote,
    KeyboardMove, // the arrows move the note, Enter keeps it there, Esc takes it back
    KeyboardSize, // the arrows size it
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

// The keys pressed in a note and not released yet, so that a key's command acts once per press of the key: not on
// the repeats of a held key, and not on the release of a key whose press went elsewhere (Esc that closed a menu).
//
// Qt marks the repeats of a held key only when the X server's release and the press that follows it arrive
// together; on a busy machine they come apart and look like the key let go and pressed again. Both carry the
// server's time of the repeat, which no real release and press share, so a press at the very time of the key's last
// release is taken for the repeat it is.
class KeyPresses
{
public:
    // A key went down (timestamp: the window system's, 0 when unknown).
    void press(int key, Qt::KeyboardModifiers modifiers, bool autoRepeat, quint64 timestamp);
    // A key went up: the modifiers its command acts with (held at the press or at the release: Ctrl let go just
    // before N still makes Ctrl+N), or nothing when it was not pressed here or is a repeat.
    std::optional<Qt::KeyboardModifiers>
    release(int key, Qt::KeyboardModifiers modifiers, bool autoRepeat, quint64 timestamp);
    // A press of the key was used up elsewhere: its release does nothing.
    void ignore(int key) { m_pressed.remove(key); }

private:
    QHash<int, Qt::KeyboardModifiers> m_pressed;
    QHash<int, quint64> m_releasedAt;
};

} // namespace jotlet
