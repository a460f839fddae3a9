// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "search/trashlist.h"

#include <QWidget>

class QListWidget;
class QPushButton;
class QTextEdit;

namespace jotlet {

// "Trash": the notes let go of, newest first, a preview of the one selected, and Restore and Empty Trash. One at
// a time, like the manager.
class TrashWindow : public QWidget
{
    Q_OBJECT

public:
    static TrashWindow* open(Note* note, NoteBoard& board);
    static TrashWindow* current();

    TrashList& trash() { return m_trash; }
    QListWidget* list() const { return m_list; }

private:
    explicit TrashWindow(NoteBoard& board);
    void render();
    void showSelected();

    TrashList m_trash;
    QListWidget* m_list;
    QTextEdit* m_preview;
    QPushButton* m_restore;
    QPushButton* m_empty;
};

} // namespace jotlet
