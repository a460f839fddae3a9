#pragma once

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

// Opens the notes the program starts with on the board: the first note of a note file named on the command line,
// else every note of the main note file, else one new note. Any failure ends with one new note. A main note file
// that cannot be read is kept aside as jotlet.dat.bad and the user is told.
//
// A recovery journal means the last run did not end normally: its notes come back as well (marked unsaved, at their
// places, a note that belonged to a file still pointing at it), once, with one log line; a command-line file whose
// note came back from it is not opened twice. With a main note file as well, the newer of the two holds the notes.
//
// keepSafe, when given, is asked to journal the open notes before the files they came from are removed; when it
// fails the files stay.
void openStartingNotes(NoteBoard& board, const QString& commandLine, const std::function<bool()>& keepSafe = {});

// A second start of the program handed over its command line: the first note of its note file opens (or the note
// already open for that file comes forward), else a new note.
void openForAnotherStart(NoteBoard& board, const QString& commandLine);

} // namespace jotlet
