#pragma once

#include <QString>

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
// else every note of the main note file (which is then deleted), else one new note. Any failure ends with one new
// note. A main note file that cannot be read is kept aside as jotlet.dat.bad and the user is told.
void openStartingNotes(NoteBoard& board, const QString& commandLine);

} // namespace jotlet
