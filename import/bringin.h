// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "import/noteimport.h"

#include <optional>

namespace jotlet {

class NoteBoard;

// "jotlet --import <source> [path]" as the command line a start hands to the program (its own or the one running),
// and back; nothing for any other command line.
struct ImportRequest
{
    ImportKind kind = ImportKind::TextFolder;
    QString path; // "" for the program's own place
};
QString importRequestText(const QString& source, const QString& path);
std::optional<ImportRequest> importRequestOf(const QString& commandLine);

struct BringInOutcome
{
    int added = 0;
    int known = 0; // brought in before, so left out
};

// The chosen notes of a source (indexes into source.notes; all of them when empty) open as new notes of this
// program, each unsaved until it is kept like any note without a file (in the notes folder when there is one). A
// note brought in before is left out. What came in is remembered, and a copy of it is written to
// imported/<program> <date>.not in the data folder first, so that nothing is lost whatever happens next.
BringInOutcome bringIn(NoteBoard& board, const ImportSource& source, QList<int> chosen, ImportMemory& memory);

} // namespace jotlet
