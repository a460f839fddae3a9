// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "notes/noterecord.h"
#include "support/problem.h"

#include <QDateTime>
#include <QList>
#include <QString>

namespace jotlet {

// How much a trash keeps: notes of the last kMaxDays days, at most kMaxNotes of them and kMaxBytes in all. The
// oldest go first, whichever limit they pass; the newest note always stays, whatever its size.
struct TrashPolicy
{
    static constexpr int kMaxNotes = 500;
    static constexpr int kMaxDays = 30;
    static constexpr qint64 kMaxBytes = 256LL * 1024 * 1024;
};

// One note in a trash, as its folder lists it.
struct TrashEntry
{
    QString path;
    QDateTime when; // when it went there
    qint64 size = 0;
};

// The entries the policy lets go of (oldest first), of entries in any order.
QList<TrashEntry> pastTheLimits(QList<TrashEntry> entries, const QDateTime& now);

// The notes the user let go of (closed with "No" to the save question, deleted in the manager, replaced by Reset),
// each kept in a note file of its own in the trash folder (trash/ in the data folder), with the time it went there
// and the file it came from, so that one let go of by mistake can be brought back. Putting a note in writes one
// small file, whatever the trash holds, and lets the oldest go past the policy's limits. A file that cannot be read,
// or whose time cannot be, is set aside (trash/unreadable/), never removed. The trash file of older versions
// (trash.dat) is taken apart into the folder the first time the trash is used.
class Trash
{
public:
    explicit Trash(QString folder = defaultFolder());
    static QString defaultFolder();
    // The one file of older versions.
    static QString legacyPath();
    QString folder() const { return m_folder; }

    // Puts the note in, marked with the time and the file it came from (written to the disk before it returns).
    // False, *failure saying why, when the trash could not be written.
    bool put(NoteRecord note, const QString& from, const QDateTime& now, Problem* failure = nullptr);
    // The notes kept now, newest first, each with its entry's path as fileName (those past their time left out).
    NoteList notes(const QDateTime& now) const;
    // Takes a note of notes() out; false when it is no longer there or could not be removed (it then stays).
    bool take(const NoteRecord& note, Problem* failure = nullptr);
    // Removes every note.
    bool empty(Problem* failure = nullptr);
    // Lets go of what is past the limits now.
    void keepWithinLimits(const QDateTime& now) const;

private:
    void takeApartLegacyFile() const;
    QList<TrashEntry> entries() const;
    bool writeEntry(const NoteRecord& note, const QDateTime& when, Problem* failure) const;
    void setAside(const QString& path, const Problem& why) const;

    QString m_folder;
};

// When a trashed note went there (invalid for a note that is not from the trash).
QDateTime trashedAt(const NoteRecord& note);

} // namespace jotlet
