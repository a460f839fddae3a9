// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// Helper of tst_journalkill: journals ten notes again and again, each time with every note saying "version N",
// until it is killed.
#include "app/recoveryjournal.h"
#include "note/noteboard.h"
#include "note/notetext.h"

#include <QGuiApplication>

#include <cstdio>

using namespace jotlet;

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    NoteBoard board;
    RecoveryJournal journal(board);
    for (int i = 0; i < 10; ++i) {
        board.createNote();
    }
    for (int version = 1;; ++version) {
        for (Note* note : board.notes()) {
            note->text().setText(QStringLiteral("version %1 ").arg(version) + QString(2000, QLatin1Char('x')));
        }
        if (!journal.writeNow()) {
            return 1;
        }
        if (version == 1) {
            std::puts("journalled");
            std::fflush(stdout);
        }
    }
}
