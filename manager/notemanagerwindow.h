// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "manager/notemanager.h"

#include <QMainWindow>

class QAction;
class QListWidget;
class QTextEdit;

namespace jotlet {

class Note;

// Shows a stored note's text in a preview, on the note's own colour.
void showNotePreview(QTextEdit* preview, const NoteRecord& stored);

// "Multi-Note Manager": a toolbar (open, show, delete), the list of a note file's notes and a preview of the one
// selected, with the same commands in its File and Tools menus. One at a time: opening it again brings the open
// one forward. It belongs to the note window that opened it and stays above it (above every window while that
// note is always on top).
class NoteManagerWindow : public QMainWindow
{
    Q_OBJECT

public:
    // Opens the manager for a note, or brings the open one forward.
    static NoteManagerWindow* open(Note& note, NoteBoard& board);
    static NoteManagerWindow* current();

    NoteManager& manager() { return m_manager; }
    QListWidget* list() const { return m_list; }
    QTextEdit* preview() const { return m_preview; }

private:
    NoteManagerWindow(NoteBoard& board, QWidget* owner);
    NoteBoard& m_board;
    void createActions();
    void createMenus();
    void render();
    void deleteSelected();
    QSize initialSize() const;

    NoteManager m_manager;
    QListWidget* m_list;
    QTextEdit* m_preview;
    QAction* m_open = nullptr;
    QAction* m_folder = nullptr;
    QAction* m_show = nullptr;
    QAction* m_delete = nullptr;
    QAction* m_close = nullptr;
};

} // namespace jotlet
