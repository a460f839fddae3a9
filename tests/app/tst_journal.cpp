// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// The recovery journal without a screen: one write for a burst of typing, what it holds and says of its run, that it
// goes when nothing needs keeping, and that a start after a crash reads the notes back from it.
#include "app/recoveryjournal.h"
#include "app/startup.h"
#include "note/noteboard.h"
#include "note/notetext.h"
#include "notes/notefile.h"
#include "notes/notestore.h"
#include "support/appinfo.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>

using namespace jotlet;

class TestJournal : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void typingIsKeptHalfASecondLater();
    void holdsWhatNeedsKeepingAndSaysWhatItReplaces();
    void aStartAfterACrashReadsItBack();
};

void TestJournal::init()
{
    QDir(dataFolder()).removeRecursively();
    QDir().mkpath(dataFolder());
}

void TestJournal::typingIsKeptHalfASecondLater()
{
    NoteBoard board;
    RecoveryJournal journal(board);
    QSignalSpy written(&journal, &RecoveryJournal::written);
    Note* note = board.createNote();
    for (int i = 0; i < 20; ++i) { // a key every 50 ms for a second
        note->text().setText(QStringLiteral("typing ") + QString::number(i));
        QTest::qWait(50);
        if (i == 15) {
            // Typing that goes on is written all the same: what was typed half a second ago is in the journal.
            QVERIFY(written.size() >= 1);
            QVERIFY(loadNoteFile(recoveryJournalPath()).first().data.contains(QLatin1String("typing ")));
        }
    }
    QTest::qWait(500);
    QVERIFY(loadNoteFile(recoveryJournalPath()).first().data.contains(QLatin1String("typing 19")));
    QVERIFY2(written.size() <= 5, qPrintable(QString::number(written.size()))); // not once per key
    journal.finish(true);
    QVERIFY(!QFile::exists(recoveryJournalPath()));
}

void TestJournal::holdsWhatNeedsKeepingAndSaysWhatItReplaces()
{
    NoteBoard board;
    RecoveryJournal journal(board);
    Note* saved = board.createNote();
    saved->setSavedAs(QDir(dataFolder()).filePath(QStringLiteral("saved.not")));
    QVERIFY(journal.writeNow());
    QVERIFY(!QFile::exists(recoveryJournalPath())); // every note is safe in its file: no journal
    Note* fresh = board.createNote();
    fresh->text().setText(QStringLiteral("only here"));
    QVERIFY(journal.writeNow());
    const NoteList kept = loadNoteFile(recoveryJournalPath());
    QCOMPARE(kept.size(), 2); // every open note, so that all come back in their places
    QCOMPARE(kept.at(0).session.file, saved->filePath());
    QVERIFY(kept.at(1).data.contains(QLatin1String("only here")) && kept.at(1).session.unsaved);
    QVERIFY(!RecoveryJournal::saysMainFileOpened(recoveryJournalPath()));
    journal.setMainFileOpened(true);
    QVERIFY(journal.writeNow());
    QVERIFY(RecoveryJournal::saysMainFileOpened(recoveryJournalPath()));
    fresh->discard(); // closed without saving: gone from the journal at its next write
    QVERIFY(journal.writeNow());
    QVERIFY(!QFile::exists(recoveryJournalPath()));
    journal.finish(true);
}

void TestJournal::aStartAfterACrashReadsItBack()
{
    {
        NoteBoard board;
        RecoveryJournal journal(board);
        board.createNote()->text().setText(QStringLiteral("typed before the crash"));
        QVERIFY(journal.writeNow());
        journal.finish(false); // the run ends without its log-off: the journal stays
    }
    NoteBoard board;
    openStartingNotes(board, QString());
    QCOMPARE(board.count(), 1);
    QCOMPARE(board.notes().first()->text().text(), QStringLiteral("typed before the crash"));
    QVERIFY(board.notes().first()->isUnsaved());
}

QTEST_MAIN(TestJournal)
#include "tst_journal.moc"
