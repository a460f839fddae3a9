#pragma once

#include <QString>

namespace jotlet {

// Opens the notes the program starts with: the first note of a note file named on the command line, else every
// note of the main note file (which is then deleted), else one new note. Any failure ends with one new note.
void Main(const QString& commandLine);

// Runs the close step of every open note as the end of the session does, so that each is written to the main
// note file, then ends the program.
void endSession();

} // namespace jotlet
