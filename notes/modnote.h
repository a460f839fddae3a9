#pragma once

#include "noterecord.h"

#include <QString>

namespace jotlet {

// The text SaveNote returns when nothing was written.
inline constexpr const char* kNoSave = "none";

// Reads the notes of a file: the main note file when mainFile is true (path is then ignored), else path, else a
// file the user picks in an open dialog. Returns an empty list when nothing could be read (logged) or the user
// cancelled (not logged).
NoteList LoadNote(bool mainFile, const QString& path = QString());

// Writes a file holding exactly this note, replacing what was at path; with an empty path the user picks the
// file in a save dialog. Returns the path written, or "none" when nothing was written. The file is replaced in
// one step, so a failed write leaves the old file as it was. A failed write is logged and, when failure is given,
// described there for the user (a cancelled dialog leaves it alone).
QString SaveNote(NoteRecord note, const QString& path = QString(), QString* failure = nullptr);

// Adds the note at the end of the file at path (picked in a save dialog when empty); a file that does not exist
// is created holding this note. Returns whether the note was written; failures as SaveNote.
bool AppendNote(NoteRecord note, const QString& path = QString(), QString* failure = nullptr);

// Adds the note to the main note file, creating it for the first note. Returns whether the note was written.
bool SaveMainNote(NoteRecord note, QString* failure = nullptr);

} // namespace jotlet
