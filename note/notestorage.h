// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "note/dialogresponder.h"

#include <QString>

#include <optional>

namespace jotlet {

class Note;

// What the user keeps of a conflict note, which shows another version of a note beside it.
enum class ConflictChoice {
    KeepThis,  // the version the conflict note shows replaces the note's
    KeepOther, // the note's own version stays; the conflict note's goes to the trash
    KeepBoth,  // the conflict note's version becomes a note of its own
};

// Where a note lives when it is not in a file of its own (the notes folder), attached to the note as its special
// note is. The note asks it what the note itself cannot know: its id there, whether it shows a conflicting version,
// whether it holds changes not written yet, and what closing and a conflict choice do.
class NoteStorage
{
public:
    virtual ~NoteStorage() = default;
    // The note's id in the storage (the same on every computer).
    virtual QString id() const = 0;
    // The id a note back from the recovery journal or the kept notes joins the storage with (a conflict note's
    // version comes back as a note of its own).
    virtual QString keptId() const { return id(); }
    // A conflict note: another version of a note, shown beside it until the user chooses.
    virtual bool isConflict() const = 0;
    // What a conflict note says of itself, in the user's language ("Changed on desk-b at 10:42 while it was
    // changed here").
    virtual QString conflictText() const = 0;
    // Whether the note holds changes the storage does not have yet: the recovery journal and the notes kept at the
    // end of a session hold them meanwhile.
    virtual bool holdsUnwritten() const = 0;
    // The note closes; answer is what the user said to the save question (nothing when none was asked). False when
    // the note must stay open.
    virtual bool closing(Note& note, std::optional<Answer> answer) = 0;
    virtual void resolve(Note& note, ConflictChoice choice) = 0;
};

} // namespace jotlet
