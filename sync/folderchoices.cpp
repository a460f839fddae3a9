// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// The notes folder kept in step: what the notes ask of it (closing, a conflict's choices), notes joining it, and
// its notes listed for the manager.
#include "sync/foldersync.h"
#include "sync/foldersync_p.h"

#include "note/noteboard.h"
#include "note/notelogic.h"
#include "note/notetext.h"
#include "note/screens.h"
#include "notes/notefile.h"
#include "notes/notestore.h"
#include "notes/trash.h"
#include "rtf/reader.h"
#include "support/appinfo.h"
#include "support/clock.h"
#include "support/errorlog.h"
#include "support/files.h"
#include "sync/notemerge.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QLoggingCategory>
#include <QSettings>
#include <QSysInfo>
#include <QUuid>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
namespace jotlet {

using namespace folder;

// ---------------------------------------------------------------------------------------------------------------
// What the notes ask of their storage.

QString FolderSync::conflictText(const QString& path) const
{
    const auto conflict = m_conflicts.constFind(path);
    if (conflict == m_conflicts.constEnd() || !conflict->note) {
        return QString();
    }
    const NoteRecord::Identity theirs = conflict->identity;
    const NoteRecord::Identity mine = m_entries.value(conflict->of).file.identity;
    const QString here = m_device;
    const QString other = theirs.device.isEmpty() ? tr("another computer") : theirs.device;
    if (theirs.device == here && !mine.device.isEmpty() && mine.device != here) {
        return tr("Your version from %1, set aside: %2 changed this note at the same time.")
            .arg(shownTime(theirs.modified), mine.device);
    }
    if (!mine.device.isEmpty() && mine.device != here && theirs.device != here) {
        return tr("Changed on %1 at %2 while it was changed on %3.")
            .arg(other, shownTime(theirs.modified), mine.device);
    }
    return tr("Changed on %1 at %2 while it was changed here.").arg(other, shownTime(theirs.modified));
}

bool FolderSync::holdsUnwritten(const Note& note) const
{
    if (note.isConflict()) {
        for (const Conflict& conflict : m_conflicts) {
            if (conflict.note == &note) {
                return conflict.edited;
            }
        }
        return false;
    }
    const Entry entry = m_entries.value(note.folderId());
    return entry.note == &note && (entry.dirty || note.isUnsaved());
}

FolderSync::Conflict* FolderSync::conflictOf(const Note* note)
{
    for (Conflict& conflict : m_conflicts) {
        if (conflict.note == note) {
            return &conflict;
        }
    }
    return nullptr;
}

bool FolderSync::closing(Note& note, std::optional<Answer> answer)
{
    if (note.isConflict()) {
        conflictToNote(note, false); // both versions stay, this one as a note closed here
        return true;
    }
    const QString id = note.folderId();
    if (!m_entries.contains(id)) {
        return true;
    }
    Entry& entry = m_entries[id];
    touch(entry);
    const bool written = writeNote(id);
    if (!written) {
        keepPending(entry, id); // written when the folder can be written again
    }
    {
        QSettings places(m_placesPath, QSettings::IniFormat);
        rememberPlace(places, id, &note, false); // closed on this computer; the file stays for the others
    }
    entry.note = nullptr;
    if (answer == Answer::No) {
        // Let go of: into the folder's trash, as it was on the screen, so every computer can bring it back (and
        // then it opens here as a note new to this computer).
        QSettings(m_placesPath, QSettings::IniFormat).remove(id);
        if (!written || !letGo(entry.path)) {
            entry.letGoPending = true;
            Trash().put(note.record(), QString(), Clock::now(), nullptr); // meanwhile in this computer's trash
        }
    }
    return true;
}

bool FolderSync::letGo(const QString& path)
{
    if (moveToTrash(path).isEmpty()) {
        logError(kWriteLocation, 75, QStringLiteral("'%1' could not be moved to the trash").arg(path));
        return false;
    }
    for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
        if (it->path == path && !it->note) {
            m_entries.erase(it);
            break;
        }
    }
    if (m_conflicts.contains(path)) {
        const Conflict conflict = m_conflicts.take(path);
        if (conflict.note) {
            conflict.note->discard();
        }
    }
    emit itemsChanged();
    return true;
}

void FolderSync::resolve(Note& note, ConflictChoice choice)
{
    Conflict* found = conflictOf(&note);
    if (!found) {
        return;
    }
    const Conflict conflict = *found;
    if (choice == ConflictChoice::KeepBoth) {
        conflictToNote(note, true);
        return;
    }
    auto entry = m_entries.find(conflict.of);
    if (choice == ConflictChoice::KeepThis) {
        if (entry == m_entries.end() || !entry->present) {
            conflictToNote(note, true); // the note itself was let go of: this version becomes a note again
            return;
        }
        const NoteRecord chosen = note.record();
        if (entry->note) {
            // The user's own choice: an edit of the note like any other, which Undo can take back.
            entry->note->text().setRtf(storedRtfBytes(chosen.data));
            entry->note->setColor(chosen.color, false);
        } else {
            NoteRecord pending = entry->file;
            pending.data = chosen.data;
            pending.color = chosen.color;
            m_pending.insert(conflict.of, pending);
        }
        touch(*entry);
        entry->textEdited = true;
        writeNote(conflict.of);
        m_conflicts.remove(conflict.path);
        moveAside(conflict.path);
    } else { // the other version stays; this one goes to the trash, with anything typed into it
        m_conflicts.remove(conflict.path);
        if (conflict.edited) {
            NoteRecord edited = note.record();
            edited.identity = {conflict.ownId, nowText(), m_device, {}};
            QByteArray current;
            Problem failure;
            if (m_folder.readNote(conflict.path, &current, nullptr, &failure)) {
                ++m_writes;
                m_folder.write(conflict.path, recordBytes(edited), VersionStore::versionOf(current), &failure);
            }
        }
        moveToTrash(conflict.path);
    }
    m_finishing = true;
    note.discard();
    m_finishing = false;
    emit itemsChanged();
}

// A conflict note's version, with anything typed into it, becomes a note of its own in the folder.
void FolderSync::conflictToNote(Note& conflictNote, bool openHere)
{
    Conflict* found = conflictOf(&conflictNote);
    if (!found) {
        return;
    }
    const Conflict conflict = *found;
    m_conflicts.remove(conflict.path);
    NoteRecord record = conflictNote.record();
    record.identity = {conflict.ownId, nowText(), m_device, {}};
    Entry& entry = m_entries[conflict.ownId];
    entry.path = m_folder.fileFor(conflict.ownId);
    entry.file = record;
    entry.file.data.clear();
    touch(entry);
    entry.textEdited = true;
    m_pending.insert(conflict.ownId, record);
    if (writeNote(conflict.ownId)) {
        moveAside(conflict.path); // its words are in the new note
    }
    QSettings places(m_placesPath, QSettings::IniFormat);
    places.setValue(conflict.ownId + QStringLiteral("/open"), openHere);
    places.setValue(conflict.ownId + QStringLiteral("/left"), conflictNote.geometry().left());
    places.setValue(conflict.ownId + QStringLiteral("/top"), conflictNote.geometry().top());
    places.sync();
    const QRect place = conflictNote.geometry();
    m_finishing = true;
    conflictNote.discard();
    m_finishing = false;
    if (openHere && !m_entries.value(conflict.ownId).note && m_entries.value(conflict.ownId).present) {
        if (Note* note = open(conflict.ownId, record, false)) {
            note->setGeometry(place);
            note->show();
        }
    }
    emit itemsChanged();
}

// ---------------------------------------------------------------------------------------------------------------
// Joining the folder.

void FolderSync::adopt(Note* note)
{
    if (!note || !note->folderId().isEmpty() || !note->filePath().isEmpty()) {
        return;
    }
    const QString id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    Entry entry;
    entry.note = note;
    entry.path = m_folder.fileFor(id);
    entry.file = note->sessionRecord();
    entry.file.session = {};
    entry.file.identity = {id, nowText(), m_device, {}};
    entry.fileWhole = true;
    m_entries.insert(id, entry);
    join(note, id);
    m_entries[id].textEdited = true;
    if (!note->text().text().trimmed().isEmpty()) {
        touch(m_entries[id]);
        writeNote(id); // an empty new note gets its file with its first words
    }
    watchNote(note);
    watchFiles();
}

bool FolderSync::adoptKept(Note* note, const NoteRecord& kept)
{
    const QString id = kept.identity.id;
    if (id.isEmpty() || !note) {
        return false;
    }
    if (Note* open = noteFor(id); open && open != note) {
        // Open already: the kept text is this computer's latest change of it.
        ++m_applying;
        open->text().setRtf(storedRtfBytes(kept.data));
        --m_applying;
        touch(m_entries[id]);
        m_entries[id].textEdited = true;
        note->discard();
        m_writeTimer.start();
        return true;
    }
    Entry& entry = m_entries[id];
    entry.note = note;
    entry.path = m_folder.fileFor(id);
    if (entry.base.isEmpty()) {
        entry.base = m_store.base(id);
        if (std::optional<NoteRecord> base = versionRecord(id, entry.base)) {
            entry.file = *base;
            entry.fileWhole = true;
        } else {
            entry.file = kept;
            entry.file.data.clear();
        }
        entry.present = !entry.base.isEmpty();
    }
    touch(entry);
    entry.textEdited = true;
    m_pending.remove(id);
    join(note, id);
    watchNote(note);
    m_writeTimer.start();
    return true;
}

// ---------------------------------------------------------------------------------------------------------------
// For the manager.

QList<NoteCollection::Item> FolderSync::items() const
{
    QList<Item> out;
    for (auto it = m_entries.cbegin(); it != m_entries.cend(); ++it) {
        if (it->present || it->note) {
            out << Item {it.key(), it->note ? it->note->record() : it->file, bool(it->note), false};
            out.last().note.identity = it->file.identity;
        }
    }
    for (auto it = m_cache.files.cbegin(); it != m_cache.files.cend(); ++it) {
        if (!it->note.conflictOf.isEmpty()) {
            out << Item {it.key(), it->note.note, bool(m_conflicts.value(it.key()).note), true};
        }
    }
    std::sort(out.begin(), out.end(), [](const Item& a, const Item& b) {
        return a.note.identity.modified > b.note.identity.modified;
    });
    return out;
}

NoteRecord FolderSync::previewNote(const QString& key) const
{
    const auto entry = m_entries.constFind(key);
    if (entry != m_entries.constEnd()) {
        if (entry->note) {
            return entry->note->record();
        }
        return entry->fileWhole ? entry->file : versionRecord(key, entry->base).value_or(entry->file);
    }
    const FolderScanCache::File copy = m_cache.files.value(key);
    return versionRecord(copy.note.note.identity.id, copy.note.version).value_or(copy.note.note);
}

Note* FolderSync::openItem(const QString& key)
{
    if (m_cache.files.value(key).note.conflictOf.isEmpty()) {
        return openNote(key);
    }
    const auto shown = m_conflicts.constFind(key);
    if (shown != m_conflicts.constEnd() && shown->note) {
        shown->note->present();
        return shown->note;
    }
    openConflict(m_cache.files.value(key).note);
    Note* note = m_conflicts.value(key).note;
    if (note) {
        note->present();
    }
    return note;
}

bool FolderSync::deleteItem(const QString& key)
{
    const auto entry = m_entries.find(key);
    if (entry == m_entries.end()) {
        return letGo(key); // a conflict copy
    }
    if (Note* note = entry->note) {
        // Open here: its last words written first, then it goes, as a note closed with No does.
        touch(*entry);
        writeNote(key);
        entry->note = nullptr;
        m_finishing = true;
        note->discard();
        m_finishing = false;
    }
    QSettings(m_placesPath, QSettings::IniFormat).remove(key);
    return letGo(entry->path);
}

Note* FolderSync::openNote(const QString& id)
{
    auto entry = m_entries.find(id);
    if (entry == m_entries.end()) {
        return nullptr;
    }
    if (entry->note) {
        entry->note->present();
        return entry->note;
    }
    Note* note = open(id, entry->file, true);
    if (note) {
        QSettings places(m_placesPath, QSettings::IniFormat);
        rememberPlace(places, id, note, true);
        note->present();
    }
    return note;
}

Note* FolderSync::noteFor(const QString& id) const
{
    return m_entries.value(id).note;
}

QList<Note*> FolderSync::conflicts() const
{
    QList<Note*> notes;
    for (const Conflict& conflict : m_conflicts) {
        if (conflict.note) {
            notes << conflict.note;
        }
    }
    return notes;
}

} // namespace jotlet
