// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// A delete from a multi-note file survives the program being killed at any moment: the file is always a whole note
// file, the one before a delete or the one after it, and the trash a whole note file too; every note is in one of
// them.
#include "notes/notestore.h"
#include "notes/trash.h"
#include "samplenotes.h"
#include "signals.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

using namespace jotlet;

class TestManagerKill : public QObject
{
    Q_OBJECT

private slots:
    void killedWhileDeletingLeavesAWholeFile();
};

void TestManagerKill::killedWhileDeletingLeavesAWholeFile()
{
    constexpr int kNotes = 40;
    NoteList original;
    for (int i = 0; i < kNotes; ++i) {
        original << sampleNote(QStringLiteral("note %1 ").arg(i) + QString(3000, QLatin1Char('x')));
    }
    static const QRegularExpression whole(QStringLiteral("note (\\d+) x{3000}\\\\par"));
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("many.not"));
    QRandomGenerator random(20261207);
    for (int round = 0; round < 40; ++round) {
        QVERIFY(saveNotesFile(original, file));
        QDir(Trash::defaultFolder()).removeRecursively();
        QProcess deleter;
        deleter.start(QStringLiteral(MANAGER_DELETER), {file});
        QVERIFY(deleter.waitForStarted(10000));
        QVERIFY(deleter.waitForReadyRead(10000)); // the first delete is done
        QTest::qWait(int(random.bounded(30)));
        signalProgram(deleter, SIGKILL);
        QVERIFY(deleter.waitForFinished(10000));

        const NoteList left = loadNoteFile(file);
        QVERIFY(!left.isEmpty() && left.size() < kNotes);
        QSet<QString> seen;
        for (const NoteRecord& note : left) {
            const QString number = whole.match(note.data).captured(1);
            QVERIFY2(!number.isEmpty(), qPrintable(note.data.left(80))); // whole notes of the file, each once
            QVERIFY(!seen.contains(number));
            seen << number;
        }
        const NoteList trashed = Trash().notes(QDateTime::currentDateTime());
        QVERIFY(!trashed.isEmpty());
        for (const NoteRecord& note : trashed) {
            const QString number = whole.match(note.data).captured(1);
            QVERIFY2(!number.isEmpty(), qPrintable(note.data.left(80)));
            seen << number; // a note killed between the two writes is in both
        }
        QCOMPARE(seen.size(), kNotes);
    }
}

QTEST_GUILESS_MAIN(TestManagerKill)
#include "tst_managerkill.moc"
