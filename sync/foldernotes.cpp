// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// The notes folder kept in step: its notes in their windows, and where they sit on this computer.
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

Note* FolderSync::open(const QString& id, const NoteRecord& stored, bool show)
{
    Entry& entry = m_entries[id];
    NoteRecord record = stored;
    if (!entry.fileWhole) {
        const std::optional<NoteRecord> whole = versionRecord(id, entry.base);
        if (!whole) {
            return nullptr;
        }
        record = *whole;
        entry.file = *whole;
        entry.fileWhole = true;
    }
    Note* note = m_board.createNote(NoteOrigin::Kept);
    if (!note->setFromRecord(record, entry.path)) {
        note->discard();
        return nullptr;
    }
    note->setTimeStamp(record.timeDate);
    entry.note = note;
    join(note, id);
    restorePlace(note, id);
    if (show) {
        note->show(Note::Focus::Leave); // from the folder, maybe while the user types in another note
    }
    note->resumeSpecial(record);
    note->markSaved();
    watchNote(note);
    return note;
}

void FolderSync::openConflict(const FolderNote& copy)
{
    if (m_conflicts.value(copy.path).note) {
        return;
    }
    FolderNote theirs = copy;
    if (!readWhole(&theirs)) {
        return;
    }
    Note* note = m_board.createNote(NoteOrigin::Kept);
    if (!note->setFromRecord(theirs.note, QString())) {
        note->discard();
        return;
    }
    const Conflict conflict {note,
                             copy.path,
                             copy.conflictOf,
                             QUuid::createUuid().toString(QUuid::WithoutBraces),
                             false,
                             theirs.note.identity};
    m_conflicts.insert(copy.path, conflict);
    auto storage = std::make_unique<FolderNoteStorage>(*this, copy.conflictOf, true);
    storage->setPath(copy.path);
    storage->setOwnId(conflict.ownId);
    storage->setNote(note);
    note->setStorage(std::move(storage));
    note->setTimeStamp(theirs.note.timeDate);
    connect(&note->text(), &NoteText::changed, this, [this, note] {
        if (Conflict* shown = conflictOf(note); shown && !m_applying) {
            shown->edited = true;
        }
    });
    // Beside the note it is a version of, never over it, on its screen; large enough to read what it says.
    note->resize(QSize(qMax(note->geometry().width(), kConflictWidthTwips),
                       qMax(note->geometry().height(), kConflictHeightTwips)));
    if (Note* mine = noteFor(copy.conflictOf)) {
        QRect area = screenTwips().available.value(0, QRect(0, 0, 19200, 12000));
        for (const QRect& screen : screenTwips().available) {
            if (screen.contains(mine->geometry().center())) {
                area = screen;
            }
        }
        note->moveTo(placeBeside(mine->geometry(), note->geometry().size(), area));
    }
    note->show(Note::Focus::Leave);
    note->markSaved();
    emit conflictFound(note);
}

void FolderSync::join(Note* note, const QString& id)
{
    auto storage = std::make_unique<FolderNoteStorage>(*this, id, false);
    storage->setNote(note);
    note->setStorage(std::move(storage));
    note->keepEveryChange(); // its text is in no other file: every change is unsaved until the folder has it
}

void FolderSync::watchNote(Note* note)
{
    const auto dirty = [this, note] {
        const QString id = note->folderId();
        if (!m_applying && m_entries.contains(id) && m_entries[id].note == note) {
            touch(m_entries[id]);
            m_writeTimer.start();
        }
    };
    connect(&note->text(), &NoteText::changed, this, [this, note, dirty] {
        const QString id = note->folderId();
        if (!m_applying && m_entries.contains(id) && m_entries[id].note == note) {
            m_entries[id].textEdited = true;
            m_entries[id].typed.start();
        }
        dirty();
    });
    connect(note, &Note::changed, this, [this, dirty](Note::Aspects aspects) {
        if (aspects & (Note::Geometry | Note::RolledUp | Note::Options)) {
            m_placesChanged = true; // this computer's, written with the next flush
            m_writeTimer.start();
        }
        if (aspects & (Note::Colors | Note::Geometry | Note::SubCaption | Note::Icon)) {
            dirty();
        }
    });
}

void FolderSync::takeVersion(Entry& entry, const FolderNote& file)
{
    entry.base = file.version;
    entry.baseSeenOnly = false;
    entry.file = file.note;
    entry.fileWhole = true;
    entry.dirty = false;
    entry.textEdited = false;
    m_store.setBase(file.note.identity.id, file.version);
    if (entry.note) {
        applyToNote(entry.note, file.note);
        entry.note->markSaved();
    }
}

void FolderSync::applyToNote(Note* note, const NoteRecord& record)
{
    ++m_applying;
    note->takeStoredVersion(record);
    --m_applying;
}

void FolderSync::rememberPlace(QSettings& places, const QString& id, Note* note, bool open)
{
    places.beginGroup(id);
    const QRect twips = note->geometry();
    places.setValue(QStringLiteral("open"), open);
    places.setValue(QStringLiteral("left"), twips.left());
    places.setValue(QStringLiteral("top"), twips.top());
    places.setValue(QStringLiteral("rolledUp"), note->isRolledUp());
    places.setValue(QStringLiteral("onTop"), note->isOnTop());
    places.setValue(QStringLiteral("alpha"), note->alpha());
    places.endGroup();
}

void FolderSync::restorePlace(Note* note, const QString& id)
{
    QSettings places(m_placesPath, QSettings::IniFormat);
    if (!places.childGroups().contains(id) || !places.contains(id + QStringLiteral("/left"))) {
        return; // new on this computer: the place it was made at, held to the screens
    }
    places.beginGroup(id);
    note->moveTo(QPoint(places.value(QStringLiteral("left")).toInt(), places.value(QStringLiteral("top")).toInt()));
    NoteRecord::Session session;
    session.present = true;
    session.onTop = places.value(QStringLiteral("onTop"), true).toBool();
    session.alpha = places.value(QStringLiteral("alpha"), 255).toInt();
    note->restoreSession(session);
    note->markSaved();
    if (places.value(QStringLiteral("rolledUp")).toBool()) {
        note->run(Command::RollUp);
    }
}

void FolderSync::watchFiles()
{
    // The folder for files coming and going (engines replace files by rename), and each open note's file for a
    // change in place.
    const QStringList watchedList = m_watcher.files() + m_watcher.directories();
    const QSet<QString> watched(watchedList.cbegin(), watchedList.cend());
    QSet<QString> wanted;
    if (QFileInfo(m_folder.path()).isDir()) {
        wanted.insert(m_folder.path());
    }
    for (const Entry& entry : std::as_const(m_entries)) {
        if (entry.note && entry.present) {
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
