// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "notes/trash.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QPointer>
#include <QStringList>

namespace jotlet {

class Note;
class NoteBoard;

// Brings a note of a trash back (the fileName of a note the trash listed): one of this computer's trash opens, and
// leaves the trash once it is open; one of the notes folder's trash goes back into the folder, where it opens as the
// folder's note it was (nullptr: it opens when the folder is read).
Note* restoreFromTrash(NoteBoard& board, const NoteRecord& kept);

// The trash without its window: the notes in it, newest first, each with when it went there and where from, and
// what the user can do: restore one (it opens as it was, unsaved, at its old place, and leaves the trash) or empty
// the trash (after a question). It follows the trash file as other notes add to it.
class TrashList : public QObject
{
    Q_OBJECT

public:
    // With a notes folder, its .trash/ is listed too (restoring one of those puts its file back in the folder, where
    // the folder's notes open it).
    explicit TrashList(NoteBoard& board,
                       QString trashFolder = Trash::defaultFolder(),
                       QString folderTrash = defaultFolderTrash(),
                       QObject* parent = nullptr);
    static QString defaultFolderTrash();

    void setDialogOwner(QObject* owner) { m_dialogOwner = owner; }
    void reload();

    const NoteList& notes() const { return m_notes; }
    // "7 Dec 2026 14:05, from ideas.not" and the first words on a line of their own.
    QStringList entries() const;
    // What the window says of the limits.
    static QString limitsText();

    // Opens the note and takes it out of the trash; nullptr when it could not be opened (it then stays).
    Note* restore(int index);
    // Empties the trash after asking; true when it was emptied.
    bool emptyTrash();

signals:
    void changed();

private:
    void watch();
    bool isInFolderTrash(const NoteRecord& note) const;

    NoteBoard& m_board;
    Trash m_trash;
    QString m_folderTrash;
    QPointer<QObject> m_dialogOwner;
    NoteList m_notes;
    QFileSystemWatcher m_watcher;
};

} // namespace jotlet
