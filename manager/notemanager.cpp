// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "manager/notemanager.h"

#include "note/dialogresponder.h"
#include "note/noteboard.h"
#include "note/notecollection.h"
#include "note/noteexport.h"
#include "note/notefiledialog.h"
#include "notes/notestore.h"
#include "notes/trash.h"
#include "rtf/reader.h"
#include "support/clock.h"
#include "support/errorlog.h"
#include "support/settings.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace jotlet {

namespace {

const QString kRefreshLocation = QStringLiteral("frmNoteManager: RefreshDisplay");
const QString kDeleteLocation = QStringLiteral("frmNoteManager: DeleteNote");
constexpr int kFirstWordsLength = 40;

} // namespace

NoteManager::NoteManager(NoteBoard& board, QObject* parent)
    : QObject(parent)
    , m_board(board)
{
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &NoteManager::onFileChanged);
}

void NoteManager::refresh(const QString& path)
{
    QString chosen = path;
    if (chosen.isEmpty()) {
        const std::optional<QString> asked = askForNoteFile(NoteFileDialog::Open, m_dialogOwner);
        if (!asked) {
            return;
        }
        chosen = *asked;
    }
    load(chosen);
    if (m_notes.isEmpty()) {
        logError(kRefreshLocation, 53, QStringLiteral("No notes could be read from '%1'").arg(chosen));
    } else {
        rememberNoteFile(chosen);
    }
}

void NoteManager::showCollection(NoteCollection* collection)
{
    if (m_collection) {
        disconnect(m_collection, nullptr, this, nullptr);
    }
    m_collection = collection;
    if (collection) {
        connect(collection, &NoteCollection::itemsChanged, this, &NoteManager::loadCollection);
        if (!m_watcher.files().isEmpty()) {
            m_watcher.removePaths(m_watcher.files());
        }
        m_path.clear();
        m_selected = -1;
        loadCollection();
    }
}

void NoteManager::loadCollection()
{
    const QString selectedKey = m_keys.value(m_selected);
    m_notes.clear();
    m_keys.clear();
    m_open.clear();
    for (const NoteCollection::Item& item : m_collection->items()) {
        m_notes << item.note;
        m_keys << item.key;
        m_open << (item.conflict ? 2 : item.open ? 1 : 0);
    }
    m_selected = m_notes.isEmpty() ? -1 : qMax(0, int(m_keys.indexOf(selectedKey)));
    if (m_selected >= 0) {
        m_notes[m_selected] = m_collection->previewNote(m_keys.at(m_selected));
    }
    emit changed();
}

void NoteManager::load(const QString& path)
{
    if (m_collection) {
        disconnect(m_collection, nullptr, this, nullptr);
        m_collection = nullptr;
        m_keys.clear();
        m_open.clear();
    }
    const int keep = m_selected;
    m_notes = loadNoteFile(path);
    m_path = path;
    m_selected = m_notes.isEmpty() ? -1 : qBound(0, keep, int(m_notes.size()) - 1);
    if (!m_watcher.files().isEmpty()) {
        m_watcher.removePaths(m_watcher.files());
    }
    if (QFileInfo::exists(path)) {
        m_watcher.addPath(path);
    }
    emit changed();
}

void NoteManager::onFileChanged()
{
    // Replaced in one step by a writer, the file is a new file: it is watched again as it is read.
    if (QFileInfo::exists(m_path)) {
        load(m_path);
    }
}

QStringList NoteManager::entries() const
{
    QStringList entries;
    for (int i = 0; i < m_notes.size(); ++i) {
        const QString words = noteFirstWords(m_notes.at(i), kFirstWordsLength);
        if (m_collection) {
            const int state = m_open.value(i);
            entries << (words.isEmpty() ? QCoreApplication::translate("jotlet::NoteManager", "(empty)") : words)
                           + (state == 1   ? QCoreApplication::translate("jotlet::NoteManager", "  (open)")
                              : state == 2 ? QCoreApplication::translate("jotlet::NoteManager", "  (another version)")
                                           : QString());
            continue;
        }
        entries << QCoreApplication::translate("jotlet::NoteManager", "Note %1").arg(i + 1)
                       + (words.isEmpty() ? QString() : QStringLiteral("  ") + words);
    }
    return entries;
}

void NoteManager::select(int index)
{
    if (index >= 0 && index < m_notes.size() && index != m_selected) {
        m_selected = index;
        if (m_collection) {
            m_notes[index] = m_collection->previewNote(m_keys.at(index));
        }
        emit changed();
    }
}

Note* NoteManager::showNote()
{
    if (m_selected < 0) {
        logError(QStringLiteral("frmNoteManager: ShowNote"), 9, QStringLiteral("No note is selected"));
        return nullptr;
    }
    if (m_collection) {
        return m_collection->openItem(m_keys.value(m_selected));
    }
    Note* note = m_board.createNote(NoteOrigin::ManagerCopy);
    const NoteRecord& stored = m_notes.at(m_selected);
    if (!note->setFromRecord(stored, stored.fileName)) {
        note->discard();
        return nullptr;
    }
    note->show();
    return note;
}

bool NoteManager::deleteNote(int index)
{
    if (index < 0 || index >= m_notes.size()) {
        logError(kDeleteLocation, 9, QStringLiteral("No note is selected"));
        return false;
    }
    if (m_collection) {
        if (!dialogResponder().confirm(
                m_dialogOwner,
                QCoreApplication::translate("jotlet::NoteManager", "Confirm Delete"),
                QCoreApplication::translate("jotlet::NoteManager",
                                            "Put this note in the notes folder's trash? It can be brought back "
                                            "from the Trash for 30 days."))) {
            return false;
        }
        return m_collection->deleteItem(m_keys.value(index));
    }
    if (m_notes.size() == 1) {
        dialogResponder().information(
            m_dialogOwner,
            QCoreApplication::translate("jotlet::NoteManager", "The last note in a Jotlet file can not be deleted."),
            QCoreApplication::translate("jotlet::NoteManager", "Jotlet Delete"));
        return false;
    }
    if (!dialogResponder().confirm(
            m_dialogOwner,
            QCoreApplication::translate("jotlet::NoteManager", "Confirm Delete"),
            QCoreApplication::translate("jotlet::NoteManager", "Are you sure you want to delete this note?"))) {
        return false;
    }
    NoteList remaining = m_notes;
    remaining[index] = remaining.last(); // the former last note takes the deleted note's place
    remaining.removeLast();
    Problem failure;
    // In the trash first: a note must never be in neither place.
    if (!Trash().put(m_notes.at(index), m_path, Clock::now(), &failure)) {
        logError(QStringLiteral("modTrash: PutNote"), 75, failure.english());
    }
    const bool written = saveNotesFile(remaining, m_path, &failure);
    if (!written) {
        logError(kDeleteLocation, 75, failure.english());
        dialogResponder().warning(
            m_dialogOwner,
            QCoreApplication::translate("jotlet::NoteManager", "Jotlet Delete"),
            QCoreApplication::translate("jotlet::NoteManager",
                                        "The note could not be deleted, and the file is as it was.\n\n%1")
                .arg(failure.text()));
    }
    load(m_path);
    return written;
}

} // namespace jotlet
