// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "note/notecollection.h"
#include "notes/noterecord.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QPointer>
#include <QStringList>

namespace jotlet {

class Note;
class NoteBoard;

// The multi-note manager without its window: the notes of one note file, the selected one, and what the user can
// do with them: open another file, open a note as a note of its own, delete a note from the file. It follows the
// file: when another program or note changes it on disk, the list is read again.
class NoteManager : public QObject
{
    Q_OBJECT

public:
    explicit NoteManager(NoteBoard& board, QObject* parent = nullptr);

    // The window that questions belong to.
    void setDialogOwner(QObject* owner) { m_dialogOwner = owner; }

    // Reads the file at path (or asks for one when path is empty) and lists its notes. A cancelled question leaves
    // the list as it was; a file without notes empties it (logged).
    void refresh(const QString& path = {});
    // Lists the notes of a collection (the notes folder): open here or not, and other versions of them; it follows
    // the collection as it changes. Show opens one here, Delete lets it go into the collection's trash.
    void showCollection(NoteCollection* collection);
    bool showsCollection() const { return m_collection; }

    QString filePath() const { return m_path; }
    const NoteList& notes() const { return m_notes; }
    // "Note 1", "Note 2" ..., each followed by the first words of its note.
    QStringList entries() const;
    int selected() const { return m_selected; }
    void select(int index);
    bool canShowOrDelete() const { return !m_notes.isEmpty(); }

    // Opens the selected note as a note of its own: a copy with unsaved changes, tied to no file.
    Note* showNote();
    // Deletes a note from the file after asking; the last note of the file stays. The former last note takes the
    // deleted note's place. The file is replaced in one step, and the list is read again from it afterwards, whether
    // the file could be written or not. True when the note was deleted.
    bool deleteNote(int index);

signals:
    // The list, the selection or what can be done changed.
    void changed();

private:
    void load(const QString& path);
    void onFileChanged();

    void loadCollection();

    NoteBoard& m_board;
    QPointer<QObject> m_dialogOwner;
    QPointer<NoteCollection> m_collection;
    QStringList m_keys; // of the collection's notes, as listed
    QList<int> m_open;  // 1 open here, 2 another version of a note
    NoteList m_notes;
    QString m_path;
    int m_selected = -1;
    QFileSystemWatcher m_watcher;
};

} // namespace jotlet
