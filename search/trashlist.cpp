// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/trashlist.h"

#include "manager/notemanager.h"
#include "note/dialogresponder.h"
#include "note/noteboard.h"
#include "support/clock.h"
#include "support/errorlog.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

namespace jotlet {

namespace {

const QString kLocation = QStringLiteral("frmTrash: Restore");
constexpr int kFirstWordsLength = 60;

} // namespace

TrashList::TrashList(NoteBoard& board, QString trashPath, QObject* parent)
    : QObject(parent)
    , m_board(board)
    , m_trash(std::move(trashPath))
{
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &TrashList::reload);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &TrashList::reload);
    reload();
}

void TrashList::reload()
{
    m_notes = m_trash.notes(Clock::now());
    watch();
    emit changed();
}

void TrashList::watch()
{
    // The file comes and goes (an empty trash has none) and is replaced in one step: its folder is watched too.
    const QStringList watched = m_watcher.files() + m_watcher.directories();
    if (!watched.isEmpty()) {
        m_watcher.removePaths(watched);
    }
    const QFileInfo info(m_trash.path());
    if (info.exists()) {
        m_watcher.addPath(info.absoluteFilePath());
    }
    if (info.absoluteDir().exists()) {
        m_watcher.addPath(info.absolutePath());
    }
}

QStringList TrashList::entries() const
{
    QStringList entries;
    for (const NoteRecord& note : m_notes) {
        const QString when = QLocale().toString(trashedAt(note).toLocalTime(), QLocale::ShortFormat);
        const QString from
            = note.trashed.from.isEmpty() ? tr("a note without a file") : QFileInfo(note.trashed.from).fileName();
        entries << tr("%1, from %2").arg(when, from) + QLatin1Char('\n') + noteFirstWords(note, kFirstWordsLength);
    }
    return entries;
}

QString TrashList::limitsText()
{
    return tr("Notes are kept %1 days, and at most %2.").arg(Trash::kMaxDays).arg(Trash::kMaxNotes);
}

Note* TrashList::restore(int index)
{
    if (index < 0 || index >= m_notes.size()) {
        return nullptr;
    }
    const NoteRecord kept = m_notes.at(index);
    Note* note = m_board.createNote(NoteOrigin::ManagerCopy);
    if (!note->setFromRecord(kept, QString())) {
        note->discard();
        return nullptr;
    }
    note->show();
    // Out of the trash only once it is open again: a note is never in neither place.
    QString failure;
    if (!m_trash.take(kept, &failure)) {
        logError(kLocation, 75, failure);
    }
    reload();
    return note;
}

bool TrashList::emptyTrash()
{
    if (m_notes.isEmpty()) {
        return false;
    }
    if (!dialogResponder().confirm(
            m_dialogOwner,
            tr("Empty Trash"),
            m_notes.size() == 1
                ? tr("The note in the trash will be gone for good. Empty the trash?")
                : tr("The %1 notes in the trash will be gone for good. Empty the trash?").arg(m_notes.size()))) {
        return false;
    }
    QString failure;
    const bool emptied = m_trash.empty(&failure);
    if (!emptied) {
        dialogResponder().warning(m_dialogOwner, tr("Trash Not Emptied"), failure);
    }
    reload();
    return emptied;
}

} // namespace jotlet
