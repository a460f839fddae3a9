// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "notes/noterecord.h"

#include <QDateTime>
#include <QString>

namespace jotlet {

// The notes the user let go of (closed with "No" to the save question, deleted in the manager, replaced by
// Reset), kept in a note file of their own (trash.dat in the data folder) with the time each went there and the
// file it came from, so that one let go of by mistake can be brought back. A note is kept kMaxDays days, and only
// the newest kMaxNotes: whichever leaves fewer. Every change replaces the file in one step; a trash file that cannot
// be read is set aside (trash.dat.bad), never overwritten.
class Trash
{
public:
    static constexpr int kMaxNotes = 500;
    static constexpr int kMaxDays = 30;

    explicit Trash(QString path = defaultPath());
    static QString defaultPath();
    QString path() const { return m_path; }

    // Puts the note in, marked with the time and the file it came from. False, *failure saying why, when the trash
    // could not be written.
    bool put(NoteRecord note, const QString& from, const QDateTime& now, QString* failure = nullptr);
    // The notes kept now, newest first (those past their time are left out).
    NoteList notes(const QDateTime& now) const;
    // Takes a note of notes() out (the one with its time and text); false when it is no longer there or the trash
    // could not be written (the note then stays).
    bool take(const NoteRecord& note, QString* failure = nullptr);
    // Removes every note.
    bool empty(QString* failure = nullptr);

private:
    // The notes as stored, oldest first; false when the file exists but could not be read (it is then set aside).
    bool load(NoteList* notes, QString* failure) const;
    bool store(const NoteList& notes, QString* failure) const;

    QString m_path;
};

// When a trashed note went there (invalid for a note that is not from the trash).
QDateTime trashedAt(const NoteRecord& note);

} // namespace jotlet
