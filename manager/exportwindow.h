// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "note/noteexport.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace jotlet {

class Note;
class NoteBoard;

// Every note the running program knows: the open notes as they are now, then the kept notes, the notes folder's and
// (with trash) the trashes', each once.
NoteList notesToExport(const NoteBoard& board, bool withTrash);

// "Export Notes": a folder, a format and whether the trash goes too; Export writes one file per note there and says
// how many were written.
class ExportWindow : public QWidget
{
    Q_OBJECT
public:
    static ExportWindow* open(Note* note, NoteBoard& board);
    static ExportWindow* current();
    static QString defaultFolder();

private:
    explicit ExportWindow(NoteBoard& board);
    void chooseFolder();
    void exportNow();

    NoteBoard& m_board;
    QLineEdit* m_folder;
    QComboBox* m_format;
    QCheckBox* m_withTrash;
    QLabel* m_result;
    QPushButton* m_export;
};

} // namespace jotlet
