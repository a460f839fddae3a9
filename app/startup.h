// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

#include <functional>

namespace jotlet {

class NoteBoard;

// Where the program starts from: a note file named on the command line, the main note file, or a new note.
struct StartupChoice
{
    enum Kind { NewNote, CommandLineFile, MainNoteFile };
    Kind kind = NewNote;
    QString path;
};

// The command line is one text: a path with or without surrounding double quotes. Only its last three letters
// are tested ("not", in any case), so "meeting.not" and "knot" both name note files.
StartupChoice chooseStartup(const QString& commandLine, bool mainNoteFileExists);

// What the program tells the user once it runs: a message box's title and text.
struct StartupNotice
{
    QString title;
    QString text;
};

struct StartupOutcome
{
    // The session ended while the notes came back: nothing was changed on disk, and the program ends at once.
    bool interrupted = false;
    // The notes of the main note file are open (or came back from a journal that held them), so that the end of the
    // session replaces it; otherwise the end of the session adds to it.
    bool mainFileOpened = false;
    // Shown once the event loop runs, so that no message box waits in the middle of start-up.
    QList<StartupNotice> notices;
};

// Opens the notes the program starts with on the board: the first note of a note file named on the command line,
// else every note of the main note file, else one new note. Any failure ends with one new note. A main note file
// that cannot be read is kept aside as jotlet.dat.bad and the user is told.
//
// A recovery journal means the last run did not end normally: its notes come back as well (marked unsaved, at their
// places, a note that belonged to a file still pointing at it), once, with one log line; a command-line file whose
// note came back from it is not opened twice. With a main note file as well, the newer of the two is current; the
// main note file is left out only when the journal is newer and its run had opened the main note file (it says so);
// otherwise the main note file's notes are kept as well.
//
// keepSafe, when given, is asked to journal the open notes (and whether the main note file's are among them) before
// the files they came from are removed; when it fails the files stay.
StartupOutcome openStartingNotes(NoteBoard& board,
                                 const QString& commandLine,
                                 const std::function<bool(bool mainFileOpened)>& keepSafe = {});

// A second start of the program handed over its command line: the first note of its note file opens (or the note
// already open for that file comes forward); without a file, the notes of the main note file when this run has not
// opened them yet (*mainFileOpened), else a new note.
QList<StartupNotice> openForAnotherStart(NoteBoard& board,
                                         const QString& commandLine,
                                         bool* mainFileOpened,
                                         const std::function<bool(bool mainFileOpened)>& keepSafe = {});

} // namespace jotlet
