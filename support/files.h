// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/problem.h"

#include <QFile>
#include <QFileDevice>
#include <QString>

namespace jotlet {

// Path helpers. Note files written on Windows carry backslash paths, so every helper takes both
// "\" and "/" as folder separators; a colon separates only as a drive ("C:"), since colons are
// ordinary characters in Linux file names.

// True when the path exists and is not a folder.
bool fileExists(const QString& path);

// The last component, extension kept: the text after the last separator that is followed by a
// character other than a separator, so a trailing separator stays part of the component
// ("C:\notes\" gives "notes\"). The whole text when there is no such separator.
QString fileNamePart(const QString& path);

// The path without its last component and the separator before it ("C:\a\b.not" gives "C:\a");
// a root keeps its separator ("C:\a.not" gives "C:\", "/a.not" gives "/"); a bare name gives "".
QString folderPart(const QString& path);

// The path with one separator appended when it does not already end in one; the separator is
// the one the path already uses, else the platform's. An empty path stays empty.
QString withTrailingSeparator(const QString& path);

// The user's desktop folder.
QString desktopFolder();

// The text cut before its first NUL character.
QString cutAtNul(const QString& text);

// Up to maxBytes of the file from where it is, with room made for what it holds: QIODevice::read(maxBytes) asks for
// all of maxBytes at once, which fails where memory is capped (ulimit -v) and costs a large mapping every time.
QByteArray readAtMost(QFile& file, qint64 maxBytes);

// Reads a whole file as text: UTF-8 when the bytes are valid UTF-8 (a byte order mark is
// dropped), Windows-1252 otherwise. Files larger than maxBytes are refused, so a dropped disk
// image cannot exhaust memory. On failure returns false and describes the reason in *error.
inline constexpr qint64 kReadFileTextLimit = 32 * 1024 * 1024;
bool readFileText(const QString& path, QString* text, Problem* error, qint64 maxBytes = kReadFileTextLimit);

// Replaces the file at path with the bytes in one step: they are written to a temporary file in the same folder,
// which then takes the target's place. On any failure (a full disk, a folder that cannot be written) the file
// that was there is left exactly as it was, and the reason is in *error and *code.
bool writeFileAtomically(const QString& path,
                         const QByteArray& bytes,
                         Problem* error,
                         QFileDevice::FileError* code = nullptr);

// Renames a file the program could not read out of the way, to a name beside it that no earlier set-aside copy has
// taken ("jotlet.dat.bad", then "jotlet.dat.bad.2" ...), so that nothing the user had is lost. The new path, or ""
// when the file could not be renamed.
QString setFileAside(const QString& path);

// Whether a file can be written in the folder now: a few kilobytes are written to a temporary file there and
// removed. *problem says why not (a full disk, a read-only folder).
bool canWriteInFolder(const QString& folder, Problem* problem);

// Lets a write past the process's file-size limit fail with an error instead of ending the program.
void ignoreFileSizeSignal();

} // namespace jotlet
