// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "notes/noterecord.h"

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

// A file's bytes (empty when it cannot be read), and the hash that tells one version of a note file from another.
QByteArray readFolderFile(const QString& path);
QByteArray folderFileHash(const QByteArray& bytes);

// One note file of the notes folder as the folder holds it now.
struct FolderNote
{
    QString path;
    NoteRecord note;
    QByteArray hash;    // of the file's bytes: the version read
    QString conflictOf; // the id of the note this file is a conflict copy of ("" for the note's own file)
};

// A notes folder that a sync engine carries: one file per note ("<id>.not", a note file with one NOTE and its ID,
// MODIFIED and DEVICE), and the folder's own ".trash/" and ".unreadable/". The engines' conflict copies are known by
// their names and by an ID another file already has; nothing is ever removed from the folder here, only moved into
// .trash/ (what the user let go of) or .unreadable/ (what cannot be read, with one log line).
class NotesFolder
{
public:
    static constexpr int kTrashDays = 30;

    explicit NotesFolder(QString path);
    QString path() const { return m_path; }
    QString trashPath() const;
    QString unreadablePath() const;

    // The notes now in the folder, each note's own file before its conflict copies. Unreadable files are moved to
    // .unreadable/ on the way.
    QList<FolderNote> scan() const;
    // The file of a note with this id.
    QString fileFor(const QString& id) const;
    // Writes the note to its file in one step, only when the bytes differ from the file's. *written says whether it
    // was written; false (with *failure) when it could not be.
    bool write(const NoteRecord& note, bool* written = nullptr, QString* failure = nullptr) const;
    // Moves a file of the folder into .trash/ (under a name no other file there has); its path there, or "".
    QString moveToTrash(const QString& file) const;
    // Removes from .trash/ what went there more than kTrashDays days before now.
    void purgeTrash(const QDateTime& now) const;

private:
    QString moveInto(const QString& file, const QString& folder) const;

    // What the last scan read, by path, with the file's size and times: an unchanged file is not read again.
    struct Cached
    {
        qint64 size;
        qint64 modified;
        qint64 changed;
        FolderNote note;
    };

    QString m_path;
    mutable QHash<QString, Cached> m_cache;
};

} // namespace jotlet
