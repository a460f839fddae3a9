// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// The program as a process on a real X server, killed as a crash or a power cut would end it: typed notes come
// back at the next start, and so do the notes kept from the last session when the killed run started with a file; a
// normal end leaves no journal; a second start hands its file to the running program; a reminder note open at
// log-off comes back armed and goes off; a key held on a busy machine acts once.
#include "busycores.h"
#include "notes/notestore.h"
#include "samplenotes.h"
#include "signals.h"
#include "support/appinfo.h"
#include "support/timetext.h"
#include "testdata.h"
#include "xtools.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <csignal>

using namespace jotlet;

namespace {

QString windowName(const QString& id)
{
    return runTool(QStringLiteral("xdotool"), {QStringLiteral("getwindowname"), id});
}

} // namespace

class TestRecoveryX11 : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void killedRunComesBack();
    void killRightAfterTypingKeepsWhatWasJournalled();
    void killedRunStartedWithAFileKeepsTheKeptNotes();
    void normalEndsLeaveNoJournal();
    void secondStartHandsItsFileOver();
    void reminderOpenAtLogOffComesBackArmed();
    void heldKeyOnABusyMachineActsOnce();

private:
    bool start(QProcess& program, const QStringList& arguments, int windows);
    void kill(QProcess& program, int signal);
    QString m_file;
};

void TestRecoveryX11::init()
{
    QDir(dataFolder()).removeRecursively();
    QDir().mkpath(dataFolder());
    m_file = QDir(dataFolder()).filePath(QStringLiteral("shopping.not"));
    QVERIFY(saveNoteFile(sampleNote(QStringLiteral("milk"), QStringLiteral("blue"), QRect(1500, 1500, 3000, 2500)),
                         m_file));
}

bool TestRecoveryX11::start(QProcess& program, const QStringList& arguments, int windows)
{
    program.start(QStringLiteral(JOTLET_PROGRAM), arguments);
    return program.waitForStarted(10000) && waitForNoteWindows(windows);
}

void TestRecoveryX11::kill(QProcess& program, int signal)
{
    signalProgram(program, signal);
    QVERIFY(program.waitForFinished(10000));
}

void TestRecoveryX11::killedRunComesBack()
{
    const QByteArray fileBefore = fileBytes(m_file);
    QProcess program;
    QVERIFY(start(program, {m_file}, 1));
    runTool(QStringLiteral("xdotool"),
            {QStringLiteral("windowactivate"), QStringLiteral("--sync"), noteWindows().first()});
    pressKeys(QStringLiteral("ctrl+End"));
    typeInto(noteWindows().first(), QStringLiteral(" and eggs"));
    pressKeys(QStringLiteral("ctrl+n"));
    QVERIFY(waitForNoteWindows(2));
    typeInto(noteWindows().last(), QStringLiteral("call Anna"));
    pressKeys(QStringLiteral("ctrl+n"));
    QVERIFY(waitForNoteWindows(3));
    typeInto(noteWindows().last(), QStringLiteral("dentist at 4"));
    QTest::qWait(3000);
    kill(program, SIGKILL);

    QProcess again;
    QVERIFY(start(again, {}, 3));
    QStringList names;
    for (const QString& id : noteWindows()) {
        names << windowName(id);
    }
    QVERIFY2(names.contains(QStringLiteral("Jotlet - shopping.not *")), qPrintable(names.join(QLatin1Char('|'))));
    QCOMPARE(fileBytes(m_file), fileBefore); // the file itself is untouched
    kill(again, SIGTERM);
    const NoteList kept = loadMainNoteFile();
    QCOMPARE(kept.size(), 3);
    QVERIFY(kept.at(0).data.contains(QLatin1String("milk and eggs")));
    QCOMPARE(kept.at(0).color, QStringLiteral("blue"));
    QCOMPARE(QPoint(kept.at(0).left, kept.at(0).top), QPoint(1500, 1500));
    QVERIFY(kept.at(1).data.contains(QLatin1String("call Anna")));
    QVERIFY(kept.at(2).data.contains(QLatin1String("dentist at 4")));
}

void TestRecoveryX11::killRightAfterTypingKeepsWhatWasJournalled()
{
    QProcess program;
    QVERIFY(start(program, {}, 1));
    typeInto(noteWindows().first(), QStringLiteral("alpha"));
    QTest::qWait(3000); // journalled
    typeInto(noteWindows().first(), QStringLiteral(" beta"));
    QTest::qWait(300);
    kill(program, SIGKILL);
    QProcess again;
    QVERIFY(start(again, {}, 1));
    kill(again, SIGTERM);
    const NoteList kept = loadMainNoteFile();
    QCOMPARE(kept.size(), 1);
    QVERIFY2(kept.first().data.contains(QLatin1String("alpha")), qPrintable(kept.first().data));
    QVERIFY(!QFile::exists(recoveryJournalPath() + QStringLiteral(".bad"))); // never a damaged journal
}

void TestRecoveryX11::killedRunStartedWithAFileKeepsTheKeptNotes()
{
    // Three notes kept from the last session; a run started with a file never opened them, then was killed.
    for (const QString& text : {QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three")}) {
        QVERIFY(addToMainNoteFile(sampleNote(text)));
    }
    QProcess program;
    QVERIFY(start(program, {m_file}, 1));
    typeInto(noteWindows().first(), QStringLiteral("bread "));
    QTest::qWait(3000); // journalled
    kill(program, SIGKILL);

    QProcess again; // the typing comes back, and so do the three kept notes
    QVERIFY(start(again, {}, 4));
    kill(again, SIGTERM);
    const NoteList kept = loadMainNoteFile();
    QStringList texts;
    for (const NoteRecord& note : kept) {
        texts << note.data;
    }
    QCOMPARE(kept.size(), 4);
    QVERIFY2(texts.join(QLatin1Char('|')).contains(QLatin1String("bread")), qPrintable(texts.join(QLatin1Char('|'))));
    QVERIFY(texts.join(QLatin1Char('|')).contains(QLatin1String("three")));
}

void TestRecoveryX11::normalEndsLeaveNoJournal()
{
    QProcess program;
    QVERIFY(start(program, {}, 1));
    typeInto(noteWindows().first(), QStringLiteral("kept at log-off"));
    QTest::qWait(2500);
    QVERIFY(QFile::exists(recoveryJournalPath()));
    kill(program, SIGTERM);
    QVERIFY(!QFile::exists(recoveryJournalPath()));
    QVERIFY(QFile::exists(mainNoteFilePath()));

    QProcess again; // comes back from the main note file; closing it asks, and No ends the program
    QVERIFY(start(again, {}, 1));
    QVERIFY(!QFile::exists(mainNoteFilePath()));
    runTool(QStringLiteral("xdotool"),
            {QStringLiteral("windowactivate"), QStringLiteral("--sync"), noteWindows().first()});
    pressKeys(QStringLiteral("alt+F4"));
    QTest::qWait(500);
    pressKeys(QStringLiteral("alt+n")); // "No" in the save question
    QVERIFY(again.waitForFinished(10000));
    QVERIFY(!QFile::exists(recoveryJournalPath()));
    QProcess third; // a normal start: a new empty note, not the closed one
    QVERIFY(start(third, {}, 1));
    QCOMPARE(windowName(noteWindows().first()), QStringLiteral("Jotlet"));
    kill(third, SIGTERM);
}

void TestRecoveryX11::secondStartHandsItsFileOver()
{
    QProcess first;
    QVERIFY(start(first, {}, 1));
    QProcess second;
    second.start(QStringLiteral(JOTLET_PROGRAM), {m_file});
    QVERIFY(second.waitForFinished(5000));
    QCOMPARE(second.exitCode(), 0);
    QVERIFY(waitForNoteWindows(2)); // opened by the first program
    QCOMPARE(first.state(), QProcess::Running);
    kill(first, SIGKILL);

    QProcess third; // the socket the killed program left is replaced; both notes come back from the journal
    QVERIFY(start(third, {m_file}, 2));
    QStringList names;
    for (const QString& id : noteWindows()) {
        names << windowName(id);
    }
    QVERIFY2(names.contains(QStringLiteral("Jotlet - shopping.not")), qPrintable(names.join(QLatin1Char('|'))));
    kill(third, SIGTERM);
}

void TestRecoveryX11::reminderOpenAtLogOffComesBackArmed()
{
    NoteRecord reminder = sampleNote(QStringLiteral("water the plants"));
    reminder.keepsSpecial = true;
    reminder.specialType = 8;
    reminder.reminder = timeOfDayText(QTime::currentTime().addSecs(10));
    QVERIFY(writeMainNoteFile({reminder}));
    QProcess first;
    QVERIFY(start(first, {}, 1));
    kill(first, SIGTERM);
    const NoteList kept = loadMainNoteFile();
    QCOMPARE(kept.size(), 1);
    QCOMPARE(kept.first().specialType, 8);
    QCOMPARE(kept.first().reminder, reminder.reminder);

    QProcess again;
    QVERIFY(start(again, {}, 1));
    const QStringList search = {QStringLiteral("search"),
                                QStringLiteral("--onlyvisible"),
                                QStringLiteral("--name"),
                                QStringLiteral("^Alert - Jotlet$")};
    QTRY_VERIFY_WITH_TIMEOUT(!runTool(QStringLiteral("xdotool"), search).isEmpty(), 20000);
    kill(again, SIGTERM);
    QTRY_VERIFY_WITH_TIMEOUT(runTool(QStringLiteral("xdotool"), search).isEmpty(), 10000);

    // Started again within seconds of it going off: it does not go off a second time.
    QProcess third;
    QVERIFY(start(third, {}, 1));
    QTest::qWait(4000);
    QVERIFY(runTool(QStringLiteral("xdotool"), search).isEmpty());
    kill(third, SIGTERM);
}

void TestRecoveryX11::heldKeyOnABusyMachineActsOnce()
{
    // Ctrl+N held with the server's key repeat on and every core busy: the repeats reach the program apart from
    // each other, and each hold still makes one note.
    QProcess program;
    QVERIFY(start(program, {}, 1));
    runTool(QStringLiteral("xset"), {QStringLiteral("r"), QStringLiteral("on")});
    {
        BusyCores load;
        for (int hold = 1; hold <= 3; ++hold) {
            runTool(QStringLiteral("xdotool"),
                    {QStringLiteral("windowactivate"), QStringLiteral("--sync"), noteWindows().last()});
            QTest::qWait(300);
            runTool(
                QStringLiteral("xdotool"),
                {QStringLiteral("keydown"), QStringLiteral("ctrl"), QStringLiteral("keydown"), QStringLiteral("n")});
            QTest::qWait(1500);
            runTool(QStringLiteral("xdotool"),
                    {QStringLiteral("keyup"), QStringLiteral("n"), QStringLiteral("keyup"), QStringLiteral("ctrl")});
            QTest::qWait(1500);
        }
    }
    QVERIFY(waitForNoteWindows(4));
    kill(program, SIGTERM);
}

QTEST_MAIN(TestRecoveryX11)
#include "tst_recovery_x11.moc"
