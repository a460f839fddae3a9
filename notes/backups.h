// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "notes/noterecord.h"
#include "support/problem.h"

#include <QDate>
#include <QList>
#include <QString>

namespace jotlet {

// Where the notes the program keeps are: the data folder (the notes kept at a session's end, the recovery journal,
// the trash, what waits for the notes folder) and the notes folder ("" for none).
struct NotePlaces
{
    QString dataFolder;
    QString notesFolder;
    static NotePlaces current();
};

// Which of them: the recovery journal holds the open notes of a running program (which knows them better), and the
// trash holds what the user let go of.
struct KeptNoteChoice
{
    bool journal = true;
    bool trash = true;
};

// Every note kept in those places, each once (a note in the journal and in the main note file is the same note):
// the recovery journal's first, as it is the newest, then the kept notes, the notes folder's and the trashes.
// Files that cannot be read are passed over, logged and named in *unreadable.
NoteList collectKeptNotes(const NotePlaces& places, KeptNoteChoice choice, QStringList* unreadable = nullptr);

// Adds the notes to the list that are not in it yet (the same notes folder note, or the same text).
void addNewNotes(NoteList* list, const NoteList& notes);

// A day's snapshot of every note: one note file holding them all, gzip-compressed (zcat shows it; Jotlet opens it
// once unpacked), named backups/jotlet-<yyyy-MM-dd>.not.gz in the data folder. The last kKeepDays days are kept,
// and before them one a week for kKeepWeeks weeks.
class Backups
{
public:
    static constexpr int kKeepDays = 7;
    static constexpr int kKeepWeeks = 4;
    // The snapshot may unpack to at most this much: a damaged or hostile file cannot exhaust memory.
    static constexpr qint64 kMaxUnpackedBytes = 512LL * 1024 * 1024;

    struct Snapshot
    {
        QString path;
        QDate day;
    };

    explicit Backups(QString folder);
    static QString folderIn(const QString& dataFolder);
    QString folder() const { return m_folder; }
    QString pathFor(QDate day) const;
    bool has(QDate day) const;
    // The snapshots there, newest first.
    QList<Snapshot> snapshots() const;
    // Takes today's snapshot of the places (replacing an earlier one of the same day in one step) and lets go of the
    // snapshots the policy no longer keeps. False with *problem when it could not be written; older ones stay.
    bool take(const NotePlaces& places, QDate today, Problem* problem);
    static NoteList read(const QString& path, Problem* problem);
    static bool write(const NoteList& notes, const QString& path, Problem* problem);
    // Of the days given, those the policy lets go on the day today.
    static QList<QDate> daysToRemove(const QList<QDate>& days, QDate today);

private:
    void prune(QDate today);
    QString m_folder;
};

// gzip, as zlib writes and reads it (what "gzip -d" and "zcat" read).
QByteArray gzipBytes(const QByteArray& bytes);
bool gunzipBytes(const QByteArray& packed, QByteArray* bytes, qint64 maxBytes);

} // namespace jotlet
