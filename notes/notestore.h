// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "notes/noterecord.h"
#include "support/problem.h"

#include <QString>

namespace jotlet {

// Reading and writing whole note files. Nothing here asks the user: callers choose the file. Every failure is
// logged ("modNote: LoadNote" for a file that cannot be read, "modNote: ProcessXMLData" for its content,
// "modNote: SaveNote", "modNote: AppendNote", "modNote: SaveMainNote" for the writers); a writer also describes it
// in *failure for a caller that tells the user. A writer replaces the file in one step, so a failed write leaves
// the file as it was.

// The notes of a file, in file order; an empty list when nothing could be read (*failure says why).
NoteList loadNoteFile(const QString& path, Problem* failure = nullptr);

// The notes kept at the end of the last session (jotlet.dat in the data folder).
NoteList loadMainNoteFile();
// The same without a log line: for readers that report failures their own way (search, on a worker thread).
NoteList readNoteFileQuietly(const QString& path, Problem* failure);

// Writes a file holding exactly this note, replacing what was at path.
bool saveNoteFile(const NoteRecord& note, const QString& path, Problem* failure = nullptr);

// Adds the note at the end of the file at path; a file that does not exist is created holding this note.
bool appendToNoteFile(const NoteRecord& note, const QString& path, Problem* failure = nullptr);

// Adds the note to the main note file, creating it for the first note.
bool addToMainNoteFile(const NoteRecord& note, Problem* failure = nullptr);

// Adds the notes at the end of the main note file in one write, keeping every note it holds; creates it when there is
// none. A main note file that is not a note file is set aside (jotlet.dat.bad) and a new one holds the notes.
bool addNotesToMainNoteFile(const NoteList& notes, Problem* failure = nullptr);

// Writes a file holding exactly these notes, in order, replacing what was at path in one step: the file is at every
// moment either the old one or the new one.
bool saveNotesFile(const NoteList& notes, const QString& path, Problem* failure = nullptr);

// Writes the main note file holding exactly these notes, in one step: what the end of a session keeps.
bool writeMainNoteFile(const NoteList& notes, Problem* failure = nullptr);

// The notes of a file that may have been cut short (the recovery journal): every complete note is read; *damaged
// tells whether the file was anything but whole. Logged as LoadNote is, and only when nothing could be read.
NoteList loadNoteFileLeniently(const QString& path, bool* damaged);

} // namespace jotlet
