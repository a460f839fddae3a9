// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/trashlist.h"

#include "note/dialogresponder.h"
#include "note/noteboard.h"
#include "note/noteexport.h"
#include "notes/notestore.h"
#include "support/clock.h"
#include "support/errorlog.h"
#include "support/settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>

namespace jotlet {

namespace {

const QString kLocation = QStringLiteral("frmTrash: Restore");
constexpr int kFirstWordsLength = 60;

} // namespace

TrashList::TrashList(NoteBoard& board, QString trashFolder, QString folderTrash, QObject* parent)
    : QObject(parent)
    , m_board(board)
    , m_trash(std::move(trashFolder))
    , m_folderTrash(std::move(folderTrash))
{
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &TrashList::reload);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &TrashList::reload);
    reload();
}

QString TrashList::defaultFolderTrash()
{
    const QString folder = readNotesFolder();
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/.trash");
}

void TrashList::reload()
{
    m_notes = m_trash.notes(Clock::now());
    if (!m_folderTrash.isEmpty()) {
        const QDir dir(m_folderTrash);
        for (const QFileInfo& info : dir.entryInfoList({QStringLiteral("*.not")}, QDir::Files | QDir::NoSymLinks)) {
            if (info.lastModified() < Clock::now().addDays(-TrashPolicy::kMaxDays)) {
                continue; // past its time, as the notes folder lets it go
            }
            for (NoteRecord note : loadNoteFile(info.filePath())) {
                note.trashed = {true, info.lastModified().toUTC().toString(Qt::ISODateWithMs), QString()};
                m_notes << note;
                break; // one note per file in the notes folder
            }
        }
        std::stable_sort(m_notes.begin(), m_notes.end(), [](const NoteRecord& a, const NoteRecord& b) {
            return trashedAt(a) > trashedAt(b);
        });
    }
    watch();
    emit changed();
}

bool TrashList::isInFolderTrash(const NoteRecord& note) const
{
    return !m_folderTrash.isEmpty()
           && QFileInfo(note.fileName).absolutePath() == QFileInfo(m_folderTrash).absoluteFilePath();
}

void TrashList::watch()
{
    // Entries come and go in the trash's folder (which itself comes with the first one).
    const QStringList watched = m_watcher.files() + m_watcher.directories();
    if (!watched.isEmpty()) {
        m_watcher.removePaths(watched);
    }
    QDir().mkpath(m_trash.folder());
    m_watcher.addPath(m_trash.folder());
    if (!m_folderTrash.isEmpty() && QFileInfo::exists(m_folderTrash)) {
        m_watcher.addPath(m_folderTrash);
    }
}

QStringList TrashList::entries() const
{
    QStringList entries;
    for (const NoteRecord& note : m_notes) {
        const QString when = QLocale().toString(trashedAt(note).toLocalTime(), QLocale::ShortFormat);
        const QString from = isInFolderTrash(note)         ? tr("the notes folder")
                             : note.trashed.from.isEmpty() ? tr("a note without a file")
                                                           : QFileInfo(note.trashed.from).fileName();
        entries << tr("%1, from %2").arg(when, from) + QLatin1Char('\n') + noteFirstWords(note, kFirstWordsLength);
    }
    return entries;
}

QString TrashList::limitsText()
{
    return tr("Notes are kept %1 days, and at most %2.").arg(TrashPolicy::kMaxDays).arg(TrashPolicy::kMaxNotes);
}

Note* restoreFromTrash(NoteBoard& board, const NoteRecord& kept)
{
    const QFileInfo entry(kept.fileName);
    if (QFileInfo(entry.absolutePath()).fileName() == QLatin1String(".trash")) {
        // Back into the notes folder, where it opens as the folder's note it was.
        const QString back = QFileInfo(entry.absolutePath()).absolutePath() + QLatin1Char('/') + entry.fileName();
        if (QFileInfo::exists(back) || !QFile::rename(kept.fileName, back)) {
            logError(kLocation, 75, QStringLiteral("'%1' could not be put back as '%2'").arg(kept.fileName, back));
        }
        return nullptr;
    }
    Note* note = board.createNote(NoteOrigin::ManagerCopy);
    if (!note->setFromRecord(kept, QString())) {
        note->discard();
        return nullptr;
    }
    note->show();
    // Out of the trash only once it is open again: a note is never in neither place.
    Problem failure;
    if (!Trash(entry.absolutePath()).take(kept, &failure)) {
        logError(kLocation, 75, failure.english());
    }
    return note;
}

Note* TrashList::restore(int index)
{
    if (index < 0 || index >= m_notes.size()) {
        return nullptr;
    }
    Note* note = restoreFromTrash(m_board, m_notes.at(index));
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
    Problem failure;
    bool emptied = m_trash.empty(&failure);
    for (const NoteRecord& note : std::as_const(m_notes)) {
        if (isInFolderTrash(note) && !QFile::remove(note.fileName)) {
            emptied = false;
            failure = Problem(QT_TRANSLATE_NOOP("Problem", "'%1' could not be removed"), {note.fileName});
        }
    }
    if (!emptied) {
        logError(kLocation, 75, failure.english());
        dialogResponder().warning(m_dialogOwner, tr("Trash Not Emptied"), failure.text() + QLatin1Char('.'));
    }
    reload();
    return emptied;
}

} // namespace jotlet
