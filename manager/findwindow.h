// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "search/notesearch.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;

namespace jotlet {

// "Find in Notes": a search field and the notes that match, updated as the user types; Enter or a double click
// opens the chosen one. One at a time: opening it again brings it forward with the field selected.
class FindWindow : public QWidget
{
    Q_OBJECT

public:
    // Opens the window (above the note it was asked from while that note stays on top; from the tray, note is
    // nullptr), or brings the open one forward.
    static FindWindow* open(Note* note, NoteBoard& board, SearchIndex& index);
    static FindWindow* current();

    NoteSearch& search() { return m_search; }
    QLineEdit* field() const { return m_field; }
    QListWidget* list() const { return m_list; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    FindWindow(NoteBoard& board, SearchIndex& index);
    void render();
    void showState();
    void chooseCurrent();

    SearchIndex& m_index;
    NoteSearch m_search;
    QLineEdit* m_field;
    QLabel* m_state;
    QListWidget* m_list;
};

} // namespace jotlet
