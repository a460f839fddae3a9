// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// The notes folder kept in step: writing the notes that changed here, and what waits while the folder cannot be
// written.
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
#include "support/handover.h"
#include "sync/notemerge.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QLoggingCategory>
#include <QSettings>
#include <QSysInfo>
#include <QUuid>

#include <algorithm>
namespace jotlet {

using namespace folder;

// ---------------------------------------------------------------------------------------------------------------
// Writing. Every change this program makes in the folder is counted, so that a reading begun before it is not taken
// for the folder's state.

QString FolderSync::moveToTrash(const QString& path)
{
    ++m_writes;
    return m_folder.moveToTrash(path, Clock::now());
}

QString FolderSync::moveAside(const QString& path)
{
    ++m_writes;
    return m_folder.moveAside(path, Clock::now());
}

NoteRecord FolderSync::fileRecord(const Entry& entry) const
{
    NoteRecord record = entry.note->sessionRecord();
    record.session = {};
    record.trashed = {};
    record.fileName.clear();
    if ((entry.note->special() && entry.note->special()->writesText()) || !entry.textEdited) {
        // The text its timer or feed writes stays on this computer; untouched text stays as the file has it.
        record.data = entry.file.data;
    }
    if (record.data == entry.file.data) {
        record.timeDate = entry.file.timeDate;
    }
    // Where it was made; where it sits on this computer is this computer's.
    record.left = entry.file.left;
    record.top = entry.file.top;
    record.identity = entry.file.identity;
    return record;
}

std::optional<FolderSync::PreparedWrite> FolderSync::prepareWrite(const QString& id)
{
    auto it = m_entries.find(id);
    if (it == m_entries.end()) {
        return std::nullopt;
    }
    Entry& entry = *it;
    if (!entry.note && !m_pending.contains(id)) {
        entry.dirty = false;
        return std::nullopt;
    }
    NoteRecord record = entry.note ? fileRecord(entry) : m_pending.value(id);
    if (entry.present && entry.fileWhole && sameContent(record, entry.file)) {
        entry.dirty = false;
        if (m_pending.remove(id) > 0) {
            savePending();
        }
        if (entry.note) {
            entry.note->markSaved();
        }
        return std::nullopt; // nothing new for the file
    }
    record.identity.id = id;
    record.identity.modified = nowText();
    record.identity.device = m_device;
    record.identity.parents = entry.baseSeenOnly
                                  ? entry.file.identity.parents
                                  : parentsOf({parentName(entry.base, entry.file.identity.device, m_device)},
                                              entry.base.isEmpty() ? QStringList() : entry.file.identity.parents);
    // The one serialisation of this write.
    return PreparedWrite {
        id, entry.path, recordBytes(record), entry.present ? entry.base : QByteArray(), record, entry.generation};
}

FolderSync::WriteOutcome
FolderSync::makeWrite(const NotesFolder& folder, const VersionStore& store, PreparedWrite write)
{
    WriteOutcome outcome;
    outcome.result = folder.write(write.path, write.bytes, write.expected, &outcome.failure);
    if (outcome.result == NotesFolder::Write::Written) {
        store.keep(write.id, write.bytes, VersionStore::Source::Written);
        store.setBase(write.id, VersionStore::versionOf(write.bytes));
    }
    outcome.write = std::move(write);
    return outcome;
}

bool FolderSync::takeOutcome(const WriteOutcome& outcome)
{
    const QString& id = outcome.write.id;
    auto it = m_entries.find(id);
    if (it == m_entries.end()) {
        return outcome.result == NotesFolder::Write::Written;
    }
    Entry& entry = *it;
    switch (outcome.result) {
    case NotesFolder::Write::Written:
        qCDebug(lcSync) << "wrote" << id << VersionStore::versionOf(outcome.write.bytes) << "over" << entry.base;
        wrote(entry, outcome.write);
        return true;
    case NotesFolder::Write::ChangedOutside:
        qCDebug(lcSync) << "changed outside" << id;
        touch(entry);
        rescan(); // changed outside since this computer read it: merged first
        return false;
    case NotesFolder::Write::Failed:
        touch(entry);
        if (!entry.note) {
            keepPending(entry, id);
        }
        cannotWrite(outcome.failure);
        return false;
    }
    return false;
}

bool FolderSync::writeNote(const QString& id)
{
    finishFlush(); // one write of a file at a time, in order
    std::optional<PreparedWrite> write = prepareWrite(id);
    if (!write) {
        return true;
    }
    ++m_writes;
    return takeOutcome(makeWrite(m_folder, m_store, std::move(*write)));
}

void FolderSync::wrote(Entry& entry, const PreparedWrite& write)
{
    const QString id = write.id;
    ++m_writes;
    entry.base = VersionStore::versionOf(write.bytes);
    entry.baseSeenOnly = false;
    entry.file = write.record;
    entry.fileWhole = true;
    entry.present = true;
    if (m_pending.remove(id) > 0) {
        savePending();
    }
    // Changed again while it was written: that change is written next.
    if (entry.generation == write.generation) {
        entry.dirty = false;
        entry.textEdited = false;
        if (entry.note) {
            entry.note->markSaved();
        }
    }
    if (!m_problem.isEmpty()) {
        logError(kWriteLocation, 0, QStringLiteral("The notes folder '%1' can be written again").arg(m_folder.path()));
        m_problem.clear();
        m_retryTimer.stop();
    }
}

void FolderSync::cannotWrite(const Problem& failure)
{
    if (!m_retryTimer.isActive() && !m_finishing) {
        m_retryTimer.start();
    }
    if (!m_problem.isEmpty()) {
        return; // told once, until it can be written again
    }
    m_problem = failure.english();
    logError(kWriteLocation, 75, m_problem);
    emit notice(tr("Notes Folder Cannot Be Written"),
                tr("Jotlet cannot write to the notes folder:\n%1\n\n%2\n\nNothing you type is lost: it is kept on "
                   "this computer and written to the folder as soon as the folder can be written again.")
                    .arg(QDir::toNativeSeparators(m_folder.path()), failure.text()));
}

void FolderSync::keepPending(const Entry& entry, const QString& id)
{
    if (!m_pending.contains(id)) {
        NoteRecord record = entry.note ? fileRecord(entry) : entry.file;
        record.identity.id = id;
        m_pending.insert(id, record);
    }
    savePending();
}

void FolderSync::loadPending()
{
    if (!QFileInfo::exists(m_pendingPath)) {
        return;
    }
    bool damaged = false;
    for (const NoteRecord& record : loadNoteFileLeniently(m_pendingPath, &damaged)) {
        const QString id = record.identity.id;
        if (id.isEmpty()) {
            continue;
        }
        m_pending.insert(id, record);
        Entry& entry = m_entries[id];
        entry.path = m_folder.fileFor(id);
        entry.base = m_store.base(id);
        entry.file.identity = record.identity;
        touch(entry);
        entry.present = !entry.base.isEmpty();
    }
}

void FolderSync::savePending()
{
    if (m_pending.isEmpty()) {
        QFile::remove(m_pendingPath);
        return;
    }
    Problem failure;
    if (!writeFileAtomically(m_pendingPath, noteFileText(m_pending.values(), programVersion()).toUtf8(), &failure)) {
        logError(kWriteLocation, 75, failure.english());
    }
}

void FolderSync::flush()
{
    // The changes of every note prepared here (serialised once each), written on a worker: the disk's time is not
    // the window thread's.
    m_writeTimer.stop();
    if (m_flushing.isRunning()) {
        m_flushAgain = true;
        return;
    }
    finishFlush();
    QList<PreparedWrite> writes;
    const QStringList ids = m_entries.keys();
    for (const QString& id : ids) {
        const Entry entry = m_entries.value(id);
        if (entry.letGoPending && !entry.dirty) {
            letGo(entry.path);
        } else if (entry.dirty) {
            if (std::optional<PreparedWrite> write = prepareWrite(id)) {
                writes << *write;
            }
        }
    }
    rememberPlaces();
    if (writes.isEmpty()) {
        return;
    }
    ++m_writes;
    m_flushTaken = false;
    runInPool(m_flushing, [folder = m_folder, store = m_store, writes]() {
        QList<WriteOutcome> outcomes;
        for (const PreparedWrite& write : writes) {
            outcomes << makeWrite(folder, store, write);
        }
        return outcomes;
    });
}

void FolderSync::finishFlush()
{
    if (m_flushTaken) {
        return;
    }
    m_flushing.waitForFinished();
    m_flushTaken = true;
    for (const WriteOutcome& outcome : resultOf(m_flushing)) {
        takeOutcome(outcome);
    }
    if (m_flushAgain) {
        m_flushAgain = false;
        m_writeTimer.start(0);
    }
}

void FolderSync::rememberPlaces()
{
    if (!m_placesChanged) {
        return;
    }
    m_placesChanged = false;
    QSettings places(m_placesPath, QSettings::IniFormat); // written once, for every note
    for (auto it = m_entries.cbegin(); it != m_entries.cend(); ++it) {
        if (it->note) {
            rememberPlace(places, it.key(), it->note, true);
        }
    }
}

void FolderSync::finish()
{
    finishFlush();
    // Conflict notes the user typed into are kept as notes of their own, open again at the next start.
    for (const Conflict& conflict : m_conflicts.values()) {
        if (conflict.note && conflict.edited) {
            conflictToNote(*conflict.note, true);
        }
    }
    writeAll();
    m_finishing = true;
    m_rescanTimer.stop();
    m_retryTimer.stop();
    m_writeTimer.stop();
}

void FolderSync::writeAll()
{
    m_writeTimer.stop();
    finishFlush();
    const QStringList ids = m_entries.keys();
    for (const QString& id : ids) {
        if (m_entries.value(id).dirty) {
            writeNote(id);
        }
        if (m_entries.contains(id) && m_entries.value(id).letGoPending && !m_entries.value(id).dirty) {
            letGo(m_entries.value(id).path);
        }
    }
    m_placesChanged = true;
    rememberPlaces();
}

} // namespace jotlet
