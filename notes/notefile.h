// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "notes/noterecord.h"
#include "support/problem.h"

#include <QByteArray>
#include <QString>

class QDomDocument;

namespace jotlet {

// Error numbers the note file routines write to the error log.
enum NoteFileErrorNumber : long {
    kErrSubscriptOutOfRange = 9, // a root element without notes
    kErrTypeMismatch = 13,       // a size or position that is not a number
    kErrFileNotFound = 53,
    kErrDiskFull = 61,
    kErrPathFileAccess = 75,
    kErrNotWellFormed = 1001, // not an XML document
};

struct NoteFileError
{
    long number = 0;
    Problem problem;
    QString description() const { return problem.english(); }
};

// Note files are refused above this size: a note file of 10,000 notes of a few lines each is about 27 MB.
inline constexpr qint64 kMaxNoteFileBytes = 32LL * 1024 * 1024;
// The program's own files of kept notes (the main note file and the recovery journal) hold every open note with its
// pictures, so they may hold more: what the program keeps there at the end of a session it must read back.
inline constexpr qint64 kMaxKeptNotesBytes = 512LL * 1024 * 1024;

// Elements nest three deep in a note file (NOTES, NOTE, DATA); files nested deeper than this are refused before
// they are parsed, since the document parser's time grows steeply with the depth.
inline constexpr int kMaxNoteFileDepth = 8;

// Replaces, in this order, & " ' < > by their entities. Every occurrence is replaced, so text that is already
// escaped gets its ampersands escaped again.
QString escapeXml(const QString& text);

// The text with the characters XML 1.0 cannot carry (control characters other than tab, CR and LF, U+FFFE,
// U+FFFF and unpaired surrogates) left out, so that a written file always reads back.
QString xmlSafeText(const QString& text);

// The text of a note file's bytes: the encoding a byte order mark or the declaration names; otherwise UTF-8 when
// the bytes are valid UTF-8, else Windows-1252, which is what files from the older Windows program hold.
QString decodeNoteFileBytes(const QByteArray& bytes);

// Fails when elements nest deeper than kMaxNoteFileDepth. Reads the bytes in one quick pass when it can, else the
// decoded text, and stops at the first element past the limit. *wellFormed, when asked, says whether the quick pass
// found the whole file well-formed.
bool checkNoteNesting(const QByteArray& bytes, const QString& text, NoteFileError* error, bool* wellFormed = nullptr);

// Parses a note file's text into a document. External entities are never loaded; entity expansion is bounded.
bool parseNoteDocument(const QString& text, QDomDocument* document, NoteFileError* error);

// One record per node under the root element, in document order. A NOTE without one of the elements leaves that
// field empty or zero; a size or position that is present but not a number fails the whole document, and so does
// a root without children.
bool processNoteDocument(const QDomDocument& document, const QString& path, NoteList* notes, NoteFileError* error);

// The notes of a note file's bytes: decoded, checked for nesting, parsed and read record by record. A well-formed file
// is parsed without its notes' texts, which are put back afterwards (datatexts.h): the same notes, sooner.
bool readNoteFileContent(const QByteArray& bytes, const QString& path, NoteList* notes, NoteFileError* error);

// Converts a HEIGHT, WIDTH, LEFT or TOP text: decimal, a fraction rounded to the nearest integer, halves to even.
bool noteNumber(const QString& text, qint32* value);

// The text of a file holding one note, CR LF after every line. Every text element is escaped.
QString oneNoteFileText(const NoteRecord& note, const QString& version);

// The text of a file holding these notes, byte for byte what writing the first and appending the others gives.
QString noteFileText(const NoteList& notes, const QString& version);

// The start and the end of a note file, with the notes' appended texts between them.
QString noteFileHead(const QString& version, const QList<std::pair<QString, QString>>& attributes = {});

// An attribute of the root element, read from the start of a note file's bytes ("" when absent): what the program's
// own session files say of themselves.
QString noteFileRootAttribute(const QByteArray& bytes, const QString& name);
QString noteFileTail();

// The text one NOTE adds when it is appended (line breaks around it and each of its elements).
QString appendedNoteText(const NoteRecord& note);

// Adds a NOTE element at the end of the root of an existing note file's text, leaving everything before it as it
// was. The result is to be written as UTF-8: a declared encoding is taken out of the declaration.
bool appendNoteToText(const QString& fileText, const NoteRecord& note, QString* result, NoteFileError* error);

// The same on a file's bytes, written back as UTF-8. A UTF-8 file keeps every byte before and after the new note.
bool appendNoteToBytes(const QByteArray& bytes, const NoteRecord& note, QByteArray* result, NoteFileError* error);
// The same for several notes at once, in order.
bool appendNotesToBytes(const QByteArray& bytes, const NoteList& notes, QByteArray* result, NoteFileError* error);

} // namespace jotlet
