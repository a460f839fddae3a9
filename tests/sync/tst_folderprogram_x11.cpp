// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// The program itself keeping its notes in a notes folder, on a real X server, driven by keys: typing is kept when
// the program is killed half a second later, a new note closed right after typing is written, and a folder that
// goes away (an empty mount point in its place) is told to the user while the typing waits, across a kill, until the
// folder is back.
#include "signals.h"
#include "support/appinfo.h"
#include "support/settings.h"
#include "xtools.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <csignal>

using namespace jotlet;

namespace {

// Every note file's bytes in the folder, as one text.
QString folderText(const QString& folder)
{
    QString text;
    for (const QString& name : QDir(folder).entryList({QStringLiteral("*.not")}, QDir::Files)) {
        QFile file(folder + QLatin1Char('/') + name);
        if (file.open(QIODevice::ReadOnly)) {
            text += QString::fromUtf8(file.readAll());
        }
    }
    return text;
}

bool windowNamed(const QString& title)
{
    return !runTool(QStringLiteral("xdotool"),
                    {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"), title})
                .isEmpty();
}

} // namespace

class TestFolderProgramX11 : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void killHalfASecondAfterTypingKeepsIt();
    void closingRightAfterTypingKeepsIt();
    void aFolderThatWentIsToldAndWaitedFor();

private:
    bool start(QProcess& program, int windows);
    void end(QProcess& program, int signal);
    QString m_folder;
};

void TestFolderProgramX11::init()
{
    QDir(dataFolder()).removeRecursively();
    QDir().mkpath(dataFolder());
    m_folder = QDir(dataFolder()).filePath(QStringLiteral("../Notes"));
    QDir(m_folder).removeRecursively();
    QDir().mkpath(m_folder);
    QVERIFY(writeNotesFolder(QDir(m_folder).absolutePath()));
    m_folder = QDir(m_folder).absolutePath();
}

bool TestFolderProgramX11::start(QProcess& program, int windows)
{
    program.start(QStringLiteral(JOTLET_PROGRAM), {});
    return program.waitForStarted(10000) && waitForNoteWindows(windows);
}

void TestFolderProgramX11::end(QProcess& program, int signal)
{
    signalProgram(program, signal);
    QVERIFY(program.waitForFinished(20000));
}

void TestFolderProgramX11::killHalfASecondAfterTypingKeepsIt()
{
    QProcess program;
    QVERIFY(start(program, 1));
    typeInto(noteWindows().first(), QStringLiteral("alpha"));
    QTRY_VERIFY_WITH_TIMEOUT(folderText(m_folder).contains(QLatin1String("alpha")), 10000); // its file, written
    typeInto(noteWindows().first(), QStringLiteral(" beta"));
    QTest::qWait(500);
    end(program, SIGKILL);
    QVERIFY(!folderText(m_folder).contains(QLatin1String("beta"))); // not in the folder yet: in the journal

    QProcess again; // the note once, in the folder, with every word
    QVERIFY(start(again, 1));
    QTRY_VERIFY_WITH_TIMEOUT(folderText(m_folder).contains(QLatin1String("alpha beta")), 10000);
    end(again, SIGTERM);
    QCOMPARE(QDir(m_folder).entryList({QStringLiteral("*.not")}, QDir::Files).size(), 1);
    QFile kept(dataFilePath(QStringLiteral("jotlet.dat")));
    QVERIFY(!kept.open(QIODevice::ReadOnly) || !kept.readAll().contains("beta")); // not twice: not outside it
}

void TestFolderProgramX11::closingRightAfterTypingKeepsIt()
{
    QProcess program;
    QVERIFY(start(program, 1));
    typeInto(noteWindows().first(), QStringLiteral("first"));
    pressKeys(QStringLiteral("ctrl+n"));
    QVERIFY(waitForNoteWindows(2));
    typeInto(noteWindows().last(), QStringLiteral("gamma"));
    QTest::qWait(300);
    pressKeys(QStringLiteral("alt+F4"));
    QTRY_VERIFY_WITH_TIMEOUT(windowNamed(QStringLiteral("^Save Changes\\?$")), 5000);
    pressKeys(QStringLiteral("alt+y"));
    QVERIFY(waitForNoteWindows(1));
    QTRY_VERIFY_WITH_TIMEOUT(folderText(m_folder).contains(QLatin1String("gamma")), 5000);
    end(program, SIGTERM);
    QVERIFY(folderText(m_folder).contains(QLatin1String("gamma")));
}

void TestFolderProgramX11::aFolderThatWentIsToldAndWaitedFor()
{
    QProcess program;
    QVERIFY(start(program, 1));
    typeInto(noteWindows().first(), QStringLiteral("delta"));
    QTRY_VERIFY_WITH_TIMEOUT(folderText(m_folder).contains(QLatin1String("delta")), 10000);
    // The share drops out: an empty folder stands where it was mounted.
    const QString away = m_folder + QStringLiteral(".away");
    QVERIFY(QDir().rename(m_folder, away));
    QVERIFY(QDir().mkpath(m_folder));
    typeInto(noteWindows().first(), QStringLiteral(" epsilon"));
    QTRY_VERIFY_WITH_TIMEOUT(windowNamed(QStringLiteral("^Notes Folder Cannot Be Written$")), 10000);
    QCOMPARE(noteWindows().size(), 1); // its notes were not deleted: they stay open while the folder is away
    QVERIFY(QDir(m_folder).entryList(QDir::Files | QDir::Hidden).isEmpty()); // nothing written into the mount point
    screenshot(QStringLiteral("36-notes-folder-cannot-be-written"));
    QTest::qWait(600);
    end(program, SIGKILL);

    QProcess again; // the typing comes back, and waits for the folder
    QVERIFY(start(again, 1));
    QTest::qWait(2500);
    QVERIFY(QDir(m_folder).entryList(QDir::Files | QDir::Hidden).isEmpty());
    QVERIFY(QDir(m_folder).removeRecursively());
    QVERIFY(QDir().rename(away, m_folder)); // the share is back
    QTRY_VERIFY_WITH_TIMEOUT(folderText(m_folder).contains(QLatin1String("delta epsilon")), 20000);
    end(again, SIGTERM);
}

QTEST_MAIN(TestFolderProgramX11)
#include "tst_folderprogram_x11.moc"
