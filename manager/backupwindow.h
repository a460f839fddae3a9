// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "notes/backups.h"

#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;
class QTextEdit;

namespace jotlet {

class Note;
class NoteBoard;

// A note of a snapshot back on the desktop as a new note of its own, unsaved, tied to no file and to no note of the
// notes folder, so that nothing there is replaced. nullptr when it could not be opened.
Note* restoreFromBackup(NoteBoard& board, NoteRecord note);

// "Restore from Backup": the day's snapshots, newest first; the notes of the one chosen with a preview; Restore
// brings back the chosen note, Restore All every note of the snapshot. A snapshot that cannot be read says so and
// stays where it is. One at a time, like the trash.
class BackupWindow : public QWidget
{
    Q_OBJECT
public:
    static BackupWindow* open(Note* note, NoteBoard& board, const QString& folder);
    static BackupWindow* current();
    QListWidget* days() const { return m_days; }
    QListWidget* notes() const { return m_notes; }

private:
    BackupWindow(NoteBoard& board, const QString& folder);
    void reload();
    void showDay();
    void showNote();
    void restoreChosen();
    void restoreAll();

    NoteBoard& m_board;
    Backups m_backups;
    QList<Backups::Snapshot> m_snapshots;
    NoteList m_shown;
    QListWidget* m_days;
    QListWidget* m_notes;
    QLabel* m_state;
    QTextEdit* m_preview;
    QPushButton* m_restore;
    QPushButton* m_restoreAll;
};

} // namespace jotlet
