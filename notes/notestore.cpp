// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "notes/notestore.h"

#include "notes/notefile.h"
#include "support/appinfo.h"
#include "support/errorlog.h"
#include "support/files.h"

#include <QFile>
#include <QFileInfo>

namespace jotlet {

namespace {

const QString kLoadNote = QStringLiteral("modNote: LoadNote");
const QString kProcessXMLData = QStringLiteral("modNote: ProcessXMLData");
const QString kSaveNote = QStringLiteral("modNote: SaveNote");
const QString kAppendNote = QStringLiteral("modNote: AppendNote");
const QString kSaveMainNote = QStringLiteral("modNote: SaveMainNote");

void logFileError(const QString& location, const NoteFileError& error)
{
    logError(location, error.number, error.description());
}

// Logs a writer's failure and hands its description to a caller that tells the user.
void reportFailure(const QString& location, const NoteFileError& error, Problem* failure)
{
    logFileError(location, error);
    if (failure) {
        *failure = error.problem;
    }
}

// The log line of a file whose content could not be read names the file.
void logContentError(const NoteFileError& error, const QString& path)
{
    logError(kProcessXMLData, error.number, error.description() + QStringLiteral(" ('%1')").arg(path));
}

namespace {

// How large the file may be: a note file, or one of the program's own files of kept notes.
qint64 sizeLimitOf(const QString& path)
{
    const QString file = QFileInfo(path).absoluteFilePath();
    return file == QFileInfo(mainNoteFilePath()).absoluteFilePath()
                   || file == QFileInfo(recoveryJournalPath()).absoluteFilePath()
               ? kMaxKeptNotesBytes
               : kMaxNoteFileBytes;
}

} // namespace

bool readNoteFileBytes(const QString& path, QByteArray* bytes, NoteFileError* error)
{
    const qint64 limit = sizeLimitOf(path);
    QFile file(path);
    if (!QFileInfo::exists(path)) {
        *error = {kErrFileNotFound, Problem(QT_TRANSLATE_NOOP("Problem", "File not found: '%1'"), {path})};
        return false;
    }
    if (QFileInfo(path).isDir()) {
        *error
            = {kErrPathFileAccess, Problem(QT_TRANSLATE_NOOP("Problem", "Cannot open '%1': it is a folder"), {path})};
        return false;
    }
    // A pipe or a device would block the program or never end; note files are plain files.
    if (!QFileInfo(path).isFile()) {
        *error = {kErrPathFileAccess,
                  Problem(QT_TRANSLATE_NOOP("Problem", "Cannot open '%1': it is not a regular file"), {path})};
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        *error = {kErrPathFileAccess,
                  Problem(QT_TRANSLATE_NOOP("Problem", "Cannot open '%1': %2"), {path, file.errorString()})};
        return false;
    }
    *bytes = file.size() > limit ? QByteArray() : readAtMost(file, limit + 1);
    if (file.error() != QFileDevice::NoError) {
        *error = {kErrPathFileAccess,
                  Problem(QT_TRANSLATE_NOOP("Problem", "Cannot read '%1': %2"), {path, file.errorString()})};
        return false;
    }
    if (file.size() > limit || bytes->size() > limit) {
        *error = {kErrPathFileAccess,
                  Problem(QT_TRANSLATE_NOOP("Problem", "'%1' is larger than %2 MB, too large for a note file"),
                          {path, limit / (1024 * 1024)})};
        return false;
    }
    return true;
}

bool writeNoteBytes(const QString& path, const QByteArray& bytes, NoteFileError* error)
{
    // A file the program could not read back is never written: what the file held stays as it was.
    const qint64 limit = sizeLimitOf(path);
    if (bytes.size() > limit) {
        *error = {kErrPathFileAccess,
                  Problem(QT_TRANSLATE_NOOP("Problem",
                                            "'%1' would be %2 MB, more than the %3 MB a note file may hold; make its "
                                            "pictures smaller or fewer"),
                          {path, (bytes.size() + 1024 * 1024 - 1) / (1024 * 1024), limit / (1024 * 1024)})};
        return false;
    }
    Problem message;
    QFileDevice::FileError code = QFileDevice::NoError;
    if (writeFileAtomically(path, bytes, &message, &code)) {
        return true;
    }
    *error = {code == QFileDevice::ResourceError ? kErrDiskFull : kErrPathFileAccess, message};
    return false;
}

bool writeNoteFile(const QString& path, const QString& text, NoteFileError* error)
{
    return writeNoteBytes(path, text.toUtf8(), error);
}

bool appendNoteToFile(const NoteRecord& note, const QString& path, NoteFileError* error)
{
    QByteArray bytes;
    QByteArray appended;
    return readNoteFileBytes(path, &bytes, error) && appendNoteToBytes(bytes, note, &appended, error)
           && writeNoteBytes(path, appended, error);
}

} // namespace

NoteList loadNoteFile(const QString& path, Problem* failure)
{
    QByteArray bytes;
    NoteFileError error;
    if (!readNoteFileBytes(path, &bytes, &error)) {
        reportFailure(kLoadNote, error, failure);
        return {};
    }
    NoteList notes;
    if (!readNoteFileContent(bytes, path, &notes, &error)) {
        if (failure) {
            *failure = error.problem;
        }
        logContentError(error, path);
        return {};
    }
    return notes;
}

NoteList readNoteFileQuietly(const QString& path, Problem* failure)
{
    QByteArray bytes;
    NoteFileError error;
    NoteList notes;
    if (!readNoteFileBytes(path, &bytes, &error) || !readNoteFileContent(bytes, path, &notes, &error)) {
        *failure = error.problem;
        return {};
    }
    return notes;
}

NoteList loadMainNoteFile()
{
    return loadNoteFile(mainNoteFilePath());
}

bool saveNoteFile(const NoteRecord& note, const QString& path, Problem* failure)
{
    return saveNotesFile({note}, path, failure);
}

bool appendToNoteFile(const NoteRecord& note, const QString& path, Problem* failure)
{
    NoteFileError error;
    const bool written = QFileInfo::exists(path) ? appendNoteToFile(note, path, &error)
                                                 : writeNoteFile(path, oneNoteFileText(note, programVersion()), &error);
    if (!written) {
        reportFailure(kAppendNote, error, failure);
    }
    return written;
}

bool addToMainNoteFile(const NoteRecord& note, Problem* failure)
{
    const QString target = mainNoteFilePath();
    if (fileExists(target)) {
        return appendToNoteFile(note, target, failure);
    }
    NoteFileError error;
    if (!writeNoteFile(target, oneNoteFileText(note, programVersion()), &error)) {
        reportFailure(kSaveMainNote, error, failure);
        return false;
    }
    return true;
}

bool addNotesToMainNoteFile(const NoteList& notes, Problem* failure)
{
    const QString target = mainNoteFilePath();
    if (!fileExists(target)) {
        return writeMainNoteFile(notes, failure);
    }
    QByteArray bytes;
    QByteArray appended;
    NoteFileError error;
    if (!readNoteFileBytes(target, &bytes, &error)) {
        reportFailure(kSaveMainNote, error, failure);
        return false;
    }
    if (appendNotesToBytes(bytes, notes, &appended, &error)) {
        if (!writeNoteBytes(target, appended, &error)) {
            reportFailure(kSaveMainNote, error, failure);
            return false;
        }
        return true;
    }
    // Not a note file the notes can be added to: it is kept for the user beside the new one.
    const QString aside = setFileAside(target);
    if (aside.isEmpty()) {
        reportFailure(kSaveMainNote, error, failure);
        return false;
    }
    logError(
        kSaveMainNote, error.number, QStringLiteral("%1; the file was kept as '%2'").arg(error.description(), aside));
    return writeMainNoteFile(notes, failure);
}

bool saveNotesFile(const NoteList& notes, const QString& path, Problem* failure)
{
    NoteFileError error;
    if (!writeNoteFile(path, noteFileText(notes, programVersion()), &error)) {
        reportFailure(kSaveNote, error, failure);
        return false;
    }
    return true;
}

bool writeMainNoteFile(const NoteList& notes, Problem* failure)
{
    NoteFileError error;
    if (!writeNoteFile(mainNoteFilePath(), noteFileText(notes, programVersion()), &error)) {
        reportFailure(kSaveMainNote, error, failure);
        return false;
    }
    return true;
}

NoteList loadNoteFileLeniently(const QString& path, bool* damaged)
{
    *damaged = false;
    QByteArray bytes;
    NoteFileError error;
    if (!readNoteFileBytes(path, &bytes, &error)) {
        logFileError(kLoadNote, error);
        *damaged = QFileInfo::exists(path);
        return {};
    }
    NoteList notes;
    if (readNoteFileContent(bytes, path, &notes, &error)) {
        return notes;
    }
    // Cut short: the notes up to the last complete one, closed as the file would have been.
    *damaged = true;
    const qsizetype lastNote = bytes.lastIndexOf("</NOTE>");
    NoteFileError repairError;
    if (lastNote < 0
        || !readNoteFileContent(bytes.left(lastNote + 7) + "\r\n</NOTES>\r\n", path, &notes, &repairError)) {
        logContentError(error, path);
        return {};
    }
    return notes;
}

} // namespace jotlet
