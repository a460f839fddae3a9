// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/problem.h"

#include <QString>

namespace jotlet {

class NoteBoard;

// The end of a session keeps every open note for the next one: each note leaves its settings (the later over the
// earlier, written once), the program is registered to start at the next log-on, and the notes go to the main note
// file in order, in one write, without a question. The main note file then holds exactly the open notes when this
// run opened it; otherwise the notes it holds stay and the open notes are added after them. The notes leave the
// board either way (the recovery journal still holds them). False, *failure saying why, when they could not be
// written.
bool keepNotesForNextSession(NoteBoard& board, bool mainFileOpened, Problem* failure = nullptr);

// The last note was closed as the user asked: nothing is to come back at the next log-on.
void forgetNotesForNextSession();

} // namespace jotlet
