// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// The recovery journal survives being killed at any moment of a write: it is always a whole journal, the one
// before or the one after, never a mix or a stump.
#include "notes/notestore.h"
#include "signals.h"
#include "support/appinfo.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

#include <csignal>

using namespace jotlet;

class TestJournalKill : public QObject
{
    Q_OBJECT

private slots:
    void killedWhileWritingLeavesAWholeJournal();
};

void TestJournalKill::killedWhileWritingLeavesAWholeJournal()
{
    QRandomGenerator random(20261207);
    static const QRegularExpression version(QStringLiteral("version (\\d+) "));
    for (int round = 0; round < 100; ++round) {
        QFile::remove(recoveryJournalPath());
        QProcess writer;
        writer.start(QStringLiteral(JOURNAL_WRITER), {});
        QVERIFY(writer.waitForStarted(10000));
        QVERIFY(writer.waitForReadyRead(10000)); // the first journal is whole
        QTest::qWait(int(random.bounded(40)));
        signalProgram(writer, SIGKILL);
        QVERIFY(writer.waitForFinished(10000));

        const NoteList notes = loadNoteFile(recoveryJournalPath());
        QCOMPARE(notes.size(), 10);
        const QString first = version.match(notes.first().data).captured(1);
        QVERIFY(!first.isEmpty());
        for (const NoteRecord& note : notes) {
            QCOMPARE(version.match(note.data).captured(1), first); // one write's notes, all of them
        }
    }
}

QTEST_GUILESS_MAIN(TestJournalKill)
#include "tst_journalkill.moc"
