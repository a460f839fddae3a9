// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "note/command.h"

namespace jotlet {

class Note;
class NoteBoard;

// Opens the window of a command on every note: Import Notes, Export Notes, Restore from Backup (above the note that
// asked, nullptr from the tray).
void openNotesWindow(Command command, Note* note, NoteBoard& board);

} // namespace jotlet
