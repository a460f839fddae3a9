// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "notes/noterecord.h"
#include "support/problem.h"

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>

namespace jotlet {

// The name of the file a sync engine's conflict copy was made from ("plan.not" for Syncthing's
// "plan.sync-conflict-20261207-101500-ABCDEFG.not", Nextcloud's "plan (conflicted copy 2026-12-07 101500).not" and
// Dropbox's "plan (Anna's conflicted copy 2026-12-07).not"), or "" for a name that is not a conflict copy's.
QString conflictOriginalName(const QString& fileName);

// Whether a file in the folder is one of the notes' (".not", not hidden, not an engine's temporary file).
bool isFolderNoteName(const QString& fileName);

// One note file of the notes folder as a scan found it.
struct FolderNote
{
    QString path;
    QByteArray version; // the version of the file's bytes (VersionStore::versionOf)
    // The note: whole when the file was read in this scan (it is new or changed since the last), otherwise without
    // its text (Data).
    NoteRecord note;
    bool whole = false;
    QByteArray bytes; // the file's bytes, when read in this scan
    qint64 size = 0;
    QString conflictOf; // the id of the note this file is a conflict copy of ("" for the note's own file)
};

// What a scan of the folder found.
struct FolderScan
{
    bool present = false; // the folder is there, with its mark
    QList<FolderNote> notes;
    // Files left where they are, with why: larger than a note file may be, or not a regular file (a link).
    struct Refused
    {
        QString path;
        qint64 size = 0;
        bool tooLarge = false;
    };
    QList<Refused> refused;
    // Unreadable files moved to .unreadable/: where from, where to ("" when they could not be moved) and why.
    struct SetAside
    {
        QString path;
        QString movedTo;
        QString reason;
    };
    QList<SetAside> setAside;
};

// What a scan remembers of the files it read, so that an unchanged file is not read again.
struct FolderScanCache
{
    struct File
    {
        qint64 size = 0;
        qint64 modified = 0;
        qint64 changed = 0;
        FolderNote note; // without its text
    };
    QHash<QString, File> files;
};

// A notes folder that a sync engine carries: one file per note ("<id>.not", a note file with one NOTE and its ID,
// MODIFIED, DEVICE and PARENTS), the folder's own ".trash/" and ".unreadable/", and a mark that tells the folder from
// an empty mount point where the folder should be. Nothing is ever removed from the folder here, only moved into
// .trash/ (what the user let go of) or .unreadable/ (what cannot be read, with one log line). Symbolic links are
// never followed, read, written or moved, and no file is read before its size is checked. Files are written through
// temporary files named as Syncthing, Nextcloud and Dropbox leave them alone ("~syncthing~<name>.~jotlet-XXXXXX.tmp").
// Every member may be called from a worker thread.
class NotesFolder
{
public:
    static const QString kMarkName;

    explicit NotesFolder(QString path);
    QString path() const { return m_path; }
    QString trashPath() const;
    QString unreadablePath() const;
    // Where conflict copies go once their words are merged into their note ("".merged/"), kept as long as the trash.
    QString mergedPath() const;
    // The file of a note with this id.
    QString fileFor(const QString& id) const;

    // The mark: whether the folder has it, and putting it there (making the folder when it is not there).
    bool isMarked() const;
    bool mark(Problem* failure) const;

    // The notes now in the folder, each note's own file before its conflict copies. Unreadable files are moved to
    // .unreadable/ on the way; files the cache knows unchanged are not read.
    FolderScan scan(FolderScanCache* cache) const;
    // A note's file as it is now: its bytes ("" and *missing when there is none); false when it cannot be read.
    bool readNote(const QString& path, QByteArray* bytes, bool* missing = nullptr, Problem* failure = nullptr) const;

    enum class Write { Written, ChangedOutside, Failed };
    // Writes a note's file in one step, only while it still holds the version `expected` (empty: only while there
    // is none); Failed with *failure when it cannot be written (a full disk, a folder that is not there or not
    // marked, a link in its place, more than a note file may hold).
    Write write(const QString& path, const QByteArray& bytes, const QByteArray& expected, Problem* failure) const;
    // Moves a file of the folder into .trash/ (under a name no other file there has), its time there counting from
    // now; its path there, or "".
    QString moveToTrash(const QString& file, const QDateTime& now) const;
    QString moveAside(const QString& file, const QDateTime& now) const;
    // Lets go of what in .trash/ (and .merged/) is past the trash's policy (notes/trash.h): by time, count and size.
    void purgeTrash(const QDateTime& now) const;
    // Removes temporary files of this program's that a write cut short left behind (older than a minute).
    void removeStaleTemporaryFiles(const QDateTime& now) const;

private:
    QString moveInto(const QString& file, const QString& folder, const QDateTime& now) const;

    QString m_path;
};

} // namespace jotlet
