// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "notes/trash.h"

#include "notes/notestore.h"
#include "support/appinfo.h"
#include "support/errorlog.h"
#include "support/files.h"

#include <QFile>

#include <algorithm>

namespace jotlet {

namespace {

const QString kLocation = QStringLiteral("modTrash: PutNote");

// The notes still within their time, newest last, at most kMaxNotes of them.
NoteList withinLimits(NoteList notes, const QDateTime& now)
{
    const QDateTime oldest = now.addDays(-Trash::kMaxDays);
    notes.erase(std::remove_if(notes.begin(),
                               notes.end(),
                               [&oldest](const NoteRecord& note) {
                                   const QDateTime when = trashedAt(note);
                                   return !when.isValid() || when < oldest;
                               }),
                notes.end());
    if (notes.size() > Trash::kMaxNotes) {
        notes.remove(0, notes.size() - Trash::kMaxNotes);
    }
    return notes;
}

} // namespace

QDateTime trashedAt(const NoteRecord& note)
{
    return note.trashed.present ? QDateTime::fromString(note.trashed.when, Qt::ISODateWithMs) : QDateTime();
}

Trash::Trash(QString path)
    : m_path(std::move(path))
{
}

QString Trash::defaultPath()
{
    return dataFilePath(QStringLiteral("trash.dat"));
}

bool Trash::load(NoteList* notes, QString* failure) const
{
    notes->clear();
    if (!QFile::exists(m_path)) {
        return true;
    }
    QString why;
    *notes = loadNoteFile(m_path, &why);
    if (notes->isEmpty()) {
        // Never written over: what it held may still be read by hand.
        const QString aside = setFileAside(m_path);
        logError(
            kLocation,
            75,
            QStringLiteral("The trash '%1' could not be read (%2); it was set aside as '%3'").arg(m_path, why, aside));
        if (aside.isEmpty()) {
            if (failure) {
                *failure = why;
            }
            return false;
        }
    }
    return true;
}

bool Trash::store(const NoteList& notes, QString* failure) const
{
    if (notes.isEmpty()) {
        if (QFile::exists(m_path) && !QFile::remove(m_path)) {
            if (failure) {
                *failure = QStringLiteral("'%1' could not be removed").arg(m_path);
            }
            return false;
        }
        return true;
    }
    return saveNotesFile(notes, m_path, failure);
}

bool Trash::put(NoteRecord note, const QString& from, const QDateTime& now, QString* failure)
{
    NoteList notes;
    if (!load(&notes, failure)) {
        return false;
    }
    note.session = {};
    note.trashed = {true, now.toUTC().toString(Qt::ISODateWithMs), from};
    notes.append(note);
    return store(withinLimits(notes, now), failure);
}

NoteList Trash::notes(const QDateTime& now) const
{
    NoteList notes;
    if (QFile::exists(m_path)) {
        notes = withinLimits(loadNoteFile(m_path), now);
    }
    std::reverse(notes.begin(), notes.end());
    return notes;
}

bool Trash::take(const NoteRecord& note, QString* failure)
{
    NoteList notes;
    if (!load(&notes, failure)) {
        return false;
    }
    const auto found = std::find_if(notes.cbegin(), notes.cend(), [&note](const NoteRecord& kept) {
        return kept.trashed.when == note.trashed.when && kept.Data == note.Data;
    });
    if (found == notes.cend()) {
        if (failure) {
            *failure = QStringLiteral("The note is no longer in the trash '%1'").arg(m_path);
        }
        return false;
    }
    notes.erase(found);
    return store(notes, failure);
}

bool Trash::empty(QString* failure)
{
    return store({}, failure);
}

} // namespace jotlet
