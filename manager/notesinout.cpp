// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "manager/notesinout.h"

#include "manager/backupwindow.h"
#include "manager/exportwindow.h"
#include "manager/importwindow.h"
#include "support/appinfo.h"

namespace jotlet {

void openNotesWindow(Command command, Note* note, NoteBoard& board)
{
    switch (command) {
    case Command::RestoreBackup:
        BackupWindow::open(note, board, Backups::folderIn(dataFolder()));
        break;
    case Command::ExportNotes:
        ExportWindow::open(note, board);
        break;
    case Command::ImportNotes:
        ImportWindow::open(note, board);
        break;
    default:
        break;
    }
}

} // namespace jotlet
