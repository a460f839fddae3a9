// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "note/command.h"
#include "notes/noterecord.h"

#include <functional>
#include <memory>

namespace jotlet {

class Note;

// The kinds of special note: a note whose text the program writes and keeps up to date. The numbers are the
// record's specialType.
enum class SpecialKind : int {
    None = 0,
    Time = 1,
    Memory = 2,
    Drives = 3,
    RssFeed = 4,
    ClipboardViewer = 5,
    ClipboardLog = 6,
    StockQuote = 7,
    Reminder = 8,
};

// How a reminder repeats.
enum class ReminderRepeat { Once, Daily, Weekdays, Weekly, Monthly, Yearly };

// The icon of a reminder note, shown in place of the note icon: the reminder is set and waiting, or has gone off.
enum class ReminderIcon { None, Waiting, Fired };

// What a note asks of the special note it can be (the program keeps its text up to date); the special-note library
// provides it. The kind it last was, and the parameters the user chose (reminder time, feed address, stock symbol),
// stay with it after "Stop Special Note".
class SpecialNote
{
public:
    virtual ~SpecialNote() = default;
    // The Special Note menu's commands: choose a kind (asking for its parameter where it has one), or stop.
    virtual void run(Command command) = 0;
    // Makes the note again the special note a session file kept (after the note took the record's text).
    virtual void resume(const NoteRecord& kept) = 0;
    // Whether the note is a special note now, and the kind it is or last was.
    virtual bool isActive() const = 0;
    virtual SpecialKind kind() const = 0;
    // Save and Save As are unavailable while the program writes the text.
    virtual bool blocksSaving() const = 0;
    // Whether the program writes the note's text (every kind but the reminder, whose text the user types).
    bool writesText() const { return isActive() && kind() != SpecialKind::Reminder; }
    virtual ReminderIcon reminderIcon() const = 0;
    // When a waiting reminder goes off next, in words ("Tomorrow 09:00"); "" for none.
    virtual QString nextReminderText() const { return {}; }
    // The kind and parameters into a record for the program's own session files, so that it comes back as it was.
    virtual void keepIn(NoteRecord* record) const = 0;
};

// Makes the special note of a note (the program's: the refresh and the content writers of every kind).
using SpecialNoteFactory = std::function<std::unique_ptr<SpecialNote>(Note&)>;

} // namespace jotlet
