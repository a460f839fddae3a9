// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "import/noteimport.h"

#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;
class QTextEdit;

namespace jotlet {

class Note;
class NoteBoard;

// "Import Notes": the notes of other programs found for this user (and any folder of text files or plum.sqlite
// the user adds), each program with how many notes it has; the notes of the one chosen with a box each (ticked,
// unless it came in before) and a preview; what could not be read. Import brings in the ticked notes.
class ImportWindow : public QWidget
{
    Q_OBJECT
public:
    static ImportWindow* open(Note* note, NoteBoard& board);
    static ImportWindow* current();
    QListWidget* sources() const { return m_sources; }
    QListWidget* notes() const { return m_notes; }
    // Adds a source the user chose (a folder of text files, a plum.sqlite) and shows it.
    void addSource(ImportKind kind, const QString& path);

private:
    explicit ImportWindow(NoteBoard& board);
    void reload();
    void showSource();
    void showNote();
    void chooseFolder();
    void chooseDatabase();
    void importChosen();

    NoteBoard& m_board;
    ImportMemory m_memory;
    QList<ImportSource> m_found;
    QListWidget* m_sources;
    QListWidget* m_notes;
    QLabel* m_problems;
    QTextEdit* m_preview;
    QPushButton* m_import;
};

} // namespace jotlet
