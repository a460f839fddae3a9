// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/foldersync.h"

#include "note/noteboard.h"
#include "note/notetext.h"
#include "notes/notefile.h"
#include "rtf/reader.h"
#include "support/appinfo.h"
#include "support/clock.h"
#include "support/errorlog.h"
#include "support/files.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QSysInfo>
#include <QUuid>

namespace jotlet {

namespace {

const QString kWriteLocation = QStringLiteral("modNotesFolder: WriteNote");

QByteArray recordBytes(const NoteRecord& record)
{
    return noteFileText({record}, programVersion()).toUtf8();
}

} // namespace

FolderSync::FolderSync(NoteBoard& board, const QString& folder, QString placesPath, QObject* parent)
    : QObject(parent)
    , m_board(board)
    , m_folder(folder)
    , m_placesPath(std::move(placesPath))
{
    m_writeTimer.setSingleShot(true);
    m_writeTimer.setInterval(kWriteDelayMs);
    connect(&m_writeTimer, &QTimer::timeout, this, &FolderSync::flush);
    // Engines write a file in several steps (a temporary file, then a rename): read once they are done.
    m_rescanSoon.setSingleShot(true);
    m_rescanSoon.setInterval(300);
    connect(&m_rescanSoon, &QTimer::timeout, this, &FolderSync::rescan);
    m_rescanTimer.setInterval(kRescanMs);
    connect(&m_rescanTimer, &QTimer::timeout, this, &FolderSync::rescan);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, &m_rescanSoon, qOverload<>(&QTimer::start));
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, &m_rescanSoon, qOverload<>(&QTimer::start));
}

FolderSync::~FolderSync() = default;

QString FolderSync::defaultPlacesPath()
{
    return dataFilePath(QStringLiteral("notesfolder.ini"));
}

QString FolderSync::deviceName()
{
    const QString host = QSysInfo::machineHostName();
    return host.isEmpty() ? QStringLiteral("computer") : host;
}

void FolderSync::start()
{
    QDir().mkpath(m_folder.path());
    m_folder.purgeTrash(Clock::now());
    const QSettings places(m_placesPath, QSettings::IniFormat);
    const QList<FolderNote> found = m_folder.scan();
    for (const FolderNote& stored : found) {
        if (!stored.conflictOf.isEmpty()) {
            continue;
        }
        const QString id = stored.note.identity.id;
        const bool openHere = places.value(id + QStringLiteral("/open"), true).toBool();
        if (openHere) {
            open(stored);
        } else {
            m_entries.insert(id, {nullptr, stored.path, stored.hash, recordBytes(stored.note), stored.note, false});
        }
    }
    for (const FolderNote& stored : found) {
        if (!stored.conflictOf.isEmpty()) {
            openConflict(stored);
        }
    }
    watchFiles();
    m_rescanTimer.start();
}

void FolderSync::open(const FolderNote& stored)
{
    const QString id = stored.note.identity.id;
    Note* note = m_board.createNote(NoteOrigin::Kept);
    NoteRecord record = stored.note;
    if (!note->setFromRecord(record, QString())) {
        note->discard();
        return;
    }
    m_entries.insert(id, {note, stored.path, stored.hash, recordBytes(stored.note), stored.note, false});
    join(note, id);
    restorePlace(note, id);
    note->show();
    note->resumeSpecial(record);
    note->markSaved();
    watchNote(note);
}

void FolderSync::openConflict(const FolderNote& copy)
{
    if (m_conflicts.value(copy.path)) {
        return;
    }
    Note* note = m_board.createNote(NoteOrigin::Kept);
    if (!note->setFromRecord(copy.note, QString())) {
        note->discard();
        return;
    }
    join(note, copy.conflictOf);
    note->setConflict(true);
    note->setTimeStamp(
        tr("Other version, from %1")
            .arg(copy.note.identity.device.isEmpty() ? QFileInfo(copy.path).fileName() : copy.note.identity.device));
    if (Note* mine = noteFor(copy.conflictOf)) {
        note->moveTo(mine->geometry().topLeft() + QPoint(300, 300)); // beside the note it conflicts with
    }
    note->show();
    note->markSaved();
    m_conflicts.insert(copy.path, note);
    emit conflictFound(note);
}

void FolderSync::join(Note* note, const QString& id)
{
    note->joinNotesFolder(
        id, [this](Note& n, bool keep) { return leave(n, keep); }, [this](Note& n, int how) { resolve(n, how); });
}

void FolderSync::watchNote(Note* note)
{
    const auto dirty = [this, note] {
        const QString id = note->folderId();
        if (m_entries.contains(id) && m_entries[id].note == note) {
            m_entries[id].dirty = true;
            m_writeTimer.start();
        }
    };
    connect(&note->text(), &NoteText::changed, this, [this, note, dirty] {
        const QString id = note->folderId();
        if (m_entries.contains(id) && m_entries[id].note == note && !m_reloading) {
            m_entries[id].textEdited = true;
        }
        dirty();
    });
    connect(note, &Note::changed, this, [dirty](Note::Aspects aspects) {
        if (aspects & (Note::Colors | Note::Geometry | Note::SubCaption | Note::Icon)) {
            dirty();
        }
    });
    connect(note, &Note::closed, this, [this, note] {
        if (!m_finishing) {
            QSettings places(m_placesPath, QSettings::IniFormat);
            rememberPlace(places, note, false); // closed on this computer; the file stays for the others
        }
    });
}

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
    entry.file.identity = {id, Clock::now().toUTC().toString(Qt::ISODateWithMs), deviceName()};
    m_entries.insert(id, entry);
    join(note, id);
    m_entries[id].textEdited = true;
    if (!note->text().text().trimmed().isEmpty()) {
        m_entries[id].dirty = true;
        writeNote(id); // an empty new note gets its file with its first words
    }
    watchNote(note);
    watchFiles();
}

NoteRecord FolderSync::fileRecord(const Entry& entry) const
{
    NoteRecord record = entry.note->sessionRecord();
    record.session = {};
    record.trashed = {};
    record.FileName.clear();
    if (entry.note->isSpecial() || !entry.textEdited) {
        // The text its timer or feed writes stays on this computer; untouched text stays as the file has it.
        record.Data = entry.file.Data;
    }
    if (record.Data == entry.file.Data) {
        record.TimeDate = entry.file.TimeDate;
    }
    // Where it was made; where it sits on this computer is this computer's.
    record.Left = entry.file.Left;
    record.Top = entry.file.Top;
    record.identity = entry.file.identity;
    return record;
}

bool FolderSync::writeNote(const QString& id)
{
    Entry& entry = m_entries[id];
    if (!entry.note) {
        return true;
    }
    entry.dirty = false;
    NoteRecord record = fileRecord(entry);
    if (recordBytes(record) == entry.bytes) {
        entry.note->markSaved();
        return true; // nothing new for the file
    }
    if (QFile::exists(entry.path) && folderFileHash(readFolderFile(entry.path)) != entry.base) {
        entry.dirty = true;
        rescan(); // changed outside since this computer read it: both versions are kept first
        return false;
    }
    record.identity.modified = Clock::now().toUTC().toString(Qt::ISODateWithMs);
    record.identity.device = deviceName();
    QString failure;
    if (!m_folder.write(record, nullptr, &failure)) {
        logError(kWriteLocation, 75, failure);
        entry.dirty = true;
        return false;
    }
    entry.base = folderFileHash(readFolderFile(entry.path));
    entry.bytes = recordBytes(record);
    entry.file = record;
    entry.textEdited = false;
    entry.note->markSaved();
    return true;
}

void FolderSync::flush()
{
    m_writeTimer.stop();
    const QStringList ids = m_entries.keys();
    for (const QString& id : ids) {
        if (m_entries.value(id).dirty) {
            writeNote(id);
        }
    }
    QSettings places(m_placesPath, QSettings::IniFormat); // written once, for every note
    for (const Entry& entry : std::as_const(m_entries)) {
        if (entry.note) {
            rememberPlace(places, entry.note, true);
        }
    }
}

void FolderSync::rescan()
{
    const QList<FolderNote> found = m_folder.scan();
    QSet<QString> present;
    QSet<QString> copies;
    for (const FolderNote& stored : found) {
        const QString id = stored.note.identity.id;
        if (!stored.conflictOf.isEmpty()) {
            copies.insert(stored.path);
            openConflict(stored);
            continue;
        }
        present.insert(id);
        auto entry = m_entries.find(id);
        if (entry == m_entries.end()) {
            open(stored); // a note from another computer
        } else if (stored.hash != entry->base) {
            changedOutside(*entry, stored);
        }
    }
    const QStringList ids = m_entries.keys();
    for (const QString& id : ids) {
        if (!present.contains(id)) {
            removedOutside(id);
        }
    }
    for (auto it = m_conflicts.begin(); it != m_conflicts.end();) {
        if (!copies.contains(it.key())) { // resolved elsewhere
            if (*it) {
                (*it)->discard();
            }
            it = m_conflicts.erase(it);
        } else {
            ++it;
        }
    }
    watchFiles();
}

void FolderSync::changedOutside(Entry& entry, const FolderNote& stored)
{
    const bool changedHere = entry.note && (entry.dirty || entry.note->isUnsaved());
    if (changedHere) {
        keepBoth(entry, stored);
        return;
    }
    entry.base = stored.hash;
    entry.bytes = recordBytes(stored.note);
    entry.file = stored.note;
    if (entry.note) {
        reloadInPlace(entry.note, stored.note);
    }
}

void FolderSync::reloadInPlace(Note* note, const NoteRecord& record)
{
    NoteText& text = note->text();
    const int start = text.selStart();
    const int length = text.selLength();
    m_reloading = true;
    text.setRtf(storedRtfBytes(record.Data));
    m_reloading = false;
    note->setColor(record.Color, false);
    if (!note->isRolledUp()) {
        note->resize(QSize(record.Width, record.Height));
    }
    const int end = int(text.text().size());
    text.setSelStart(qMin(start, end));
    text.setSelLength(qMin(length, end - qMin(start, end)));
    note->markSaved();
    const QString id = note->folderId();
    m_entries[id].dirty = false;
    m_entries[id].textEdited = false;
}

void FolderSync::keepBoth(Entry& entry, const FolderNote& theirs)
{
    // Theirs into a conflict copy of its own, which every computer then shows; the note's file becomes this
    // computer's version at the next write.
    const QString stamp = Clock::now().toString(QStringLiteral("yyyy-MM-dd hhmmss"));
    const QString device = theirs.note.identity.device.isEmpty() ? tr("another computer") : theirs.note.identity.device;
    QString copy = m_folder.path() + QLatin1Char('/') + theirs.note.identity.id
                   + QStringLiteral(" (conflicted copy %1 %2).not").arg(device, stamp);
    QString failure;
    if (writeFileAtomically(copy, readFolderFile(theirs.path), &failure)) {
        entry.base = theirs.hash; // seen: the next write may replace it
        entry.dirty = true;
        m_writeTimer.start();
        FolderNote shown = theirs;
        shown.path = copy;
        shown.conflictOf = theirs.note.identity.id;
        openConflict(shown);
    } else {
        logError(kWriteLocation, 75, QStringLiteral("'%1' could not be written: %2").arg(copy, failure));
    }
}

void FolderSync::removedOutside(const QString& id)
{
    Entry entry = m_entries.value(id);
    if (entry.base.isEmpty()) {
        return; // a new note whose file is not written yet
    }
    if (entry.note && (entry.dirty || entry.note->isUnsaved())) {
        // Changed here since: the note comes back.
        m_entries[id].base = QByteArray();
        m_entries[id].bytes = QByteArray();
        m_entries[id].dirty = true;
        writeNote(id);
        return;
    }
    m_entries.remove(id);
    if (entry.note) {
        m_finishing = true; // closed because it went elsewhere, not by the user here
        entry.note->discard();
        m_finishing = false;
    }
}

bool FolderSync::leave(Note& note, bool keep)
{
    const QString id = note.folderId();
    if (note.isConflict()) {
        if (!keep) {
            resolve(note, 1);
        }
        return true;
    }
    if (!m_entries.contains(id)) {
        return true;
    }
    m_entries[id].dirty = true;
    if (!writeNote(id)) {
        return false;
    }
    if (!keep) {
        // Into the folder's trash, as it was on the screen: every computer can bring it back.
        const QString path = m_entries.value(id).path;
        if (m_folder.moveToTrash(path).isEmpty()) {
            logError(kWriteLocation, 75, QStringLiteral("'%1' could not be moved to the trash").arg(path));
            return false;
        }
        m_entries.remove(id);
    }
    return true;
}

void FolderSync::resolve(Note& conflict, int how)
{
    QString path;
    for (auto it = m_conflicts.cbegin(); it != m_conflicts.cend(); ++it) {
        if (*it == &conflict) {
            path = it.key();
        }
    }
    if (path.isEmpty()) {
        return;
    }
    const QString id = conflict.folderId();
    if (how == 0 && !noteFor(id) && !QFile::exists(m_folder.fileFor(id))) {
        // The note itself was let go of: this version becomes the note again.
        m_conflicts.remove(path);
        QFile::rename(path, m_folder.fileFor(id));
        m_finishing = true;
        conflict.discard();
        m_finishing = false;
        rescan();
        return;
    }
    if (how == 0) { // this version replaces the note's
        if (Note* mine = noteFor(id)) {
            mine->text().setRtf(conflict.text().rtf());
            m_entries[id].dirty = true;
            m_entries[id].textEdited = true;
            writeNote(id);
        }
    } else if (how == 2) { // both: this one becomes a note of its own
        Note* both = m_board.createNote(NoteOrigin::Kept);
        both->setFromRecord(conflict.record(), QString());
        both->show();
        adopt(both);
    }
    m_conflicts.remove(path);
    m_folder.moveToTrash(path); // resolved: the copy goes, to the trash rather than away
    m_finishing = true;
    conflict.discard();
    m_finishing = false;
}

void FolderSync::finish()
{
    flush();
    m_finishing = true;
    m_rescanTimer.stop();
}

Note* FolderSync::noteFor(const QString& id) const
{
    return m_entries.value(id).note;
}

QList<Note*> FolderSync::conflicts() const
{
    QList<Note*> notes;
    for (const QPointer<Note>& note : m_conflicts) {
        if (note) {
            notes << note;
        }
    }
    return notes;
}

void FolderSync::rememberPlace(QSettings& places, Note* note, bool open)
{
    if (note->isConflict()) {
        return;
    }
    places.beginGroup(note->folderId());
    const NoteRecord record = note->sessionRecord();
    places.setValue(QStringLiteral("open"), open);
    places.setValue(QStringLiteral("left"), record.Left);
    places.setValue(QStringLiteral("top"), record.Top);
    places.setValue(QStringLiteral("rolledUp"), note->isRolledUp());
    places.setValue(QStringLiteral("onTop"), record.session.onTop);
    places.setValue(QStringLiteral("alpha"), record.session.alpha);
    places.endGroup();
}

void FolderSync::restorePlace(Note* note, const QString& id)
{
    QSettings places(m_placesPath, QSettings::IniFormat);
    if (!places.childGroups().contains(id)) {
        return; // new on this computer: the place it was made at, held to the screens
    }
    places.beginGroup(id);
    note->moveTo(QPoint(places.value(QStringLiteral("left")).toInt(), places.value(QStringLiteral("top")).toInt()));
    NoteRecord::Session session;
    session.present = true;
    session.onTop = places.value(QStringLiteral("onTop"), true).toBool();
    session.alpha = places.value(QStringLiteral("alpha"), 255).toInt();
    note->restoreSession(session);
    if (places.value(QStringLiteral("rolledUp")).toBool()) {
        note->run(Command::RollUp);
    }
}

void FolderSync::watchFiles()
{
    // The folder for files coming and going (engines replace files by rename), and each note's file for a change in
    // place.
    const QStringList watchedList = m_watcher.files() + m_watcher.directories();
    const QSet<QString> watched(watchedList.cbegin(), watchedList.cend());
    QSet<QString> wanted {m_folder.path()};
    for (const Entry& entry : std::as_const(m_entries)) {
        if (QFileInfo::exists(entry.path)) {
            wanted.insert(entry.path);
        }
    }
    for (const QString& path : watched) {
        if (!wanted.contains(path)) {
            m_watcher.removePath(path);
        }
    }
    for (const QString& path : wanted) {
        if (!watched.contains(path)) {
            m_watcher.addPath(path);
        }
    }
}

} // namespace jotlet
