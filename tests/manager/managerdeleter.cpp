// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// Helper of tst_managerkill: deletes the first note of the given file through the multi-note manager, again and
// again, until one note is left or it is killed.
#include "fakedialogs.h"
#include "manager/notemanager.h"
#include "note/noteboard.h"

#include <QGuiApplication>

#include <cstdio>

using namespace jotlet;

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    NoteBoard board;
    NoteManager manager(board);
    FakeDialogs dialogs;
    manager.refresh(QString::fromLocal8Bit(argv[1]));
    while (manager.notes().size() > 1) {
        dialogs.confirmAnswers << true;
        if (!manager.deleteNote(0)) {
            return 1;
        }
        std::puts("deleted");
        std::fflush(stdout);
    }
    return 0;
}
