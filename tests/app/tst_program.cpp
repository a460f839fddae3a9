// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// The program as a process (offscreen): how it ends the session when files cannot be written, when the session ends
// while the notes of the last one are still coming back or while a message box of the start is open; a start with
// a file keeps the notes of the last session; a second start during a slow first one hands its file over.
#include "logcapture.h"
#include "notes/notestore.h"
#include "signals.h"
#include "support/appinfo.h"
#include "support/settingsstore.h"
#include "testdata.h"

#include "import/noteimport.h"
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace jotlet;

namespace {

NoteRecord note(const QString& text)
{
    NoteRecord n;
    n.color = QStringLiteral("yellow");
    n.data = QStringLiteral("{\\rtf1\\ansi %1}").arg(text);
    n.height = 2085;
    n.width = 2325;
    n.left = 1500;
    n.top = 1500;
    return n;
}

// True once the process has its handler for SIGTERM, so that the signal ends the session instead of the process.
bool catchesSigterm(qint64 pid)
{
    for (int i = 0; i < 200; ++i) {
        const QByteArray status = fileBytes(QStringLiteral("/proc/%1/status").arg(pid));
        const qsizetype at = status.indexOf("SigCgt:");
        if (at >= 0 && (status.mid(at + 7, 17).trimmed().toULongLong(nullptr, 16) & (1ULL << (SIGTERM - 1)))) {
            return true;
        }
        QTest::qWait(25);
    }
    return false;
}

} // namespace

class TestProgram : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void fileSizeLimitFailsTheSaveOnly();
    void unwritableLogNeverBlocksTheSessionEnd();
    void sessionEndDuringStartKeepsEveryNote();
    void refusedNoteLeavesANewNote();
    void aStartWithAFileKeepsTheKeptNotes();
    void secondStartDuringASlowStartHandsOver();
    void sessionEndClosesAStartupBox_data();
    void sessionEndClosesAStartupBox();
    void unknownOptionIsRefused();
    void helpSpeaksTheUsersLanguage_data();
    void helpSpeaksTheUsersLanguage();
    void secondStartResolvesARelativePath();
    void writesTheSameNamesInEveryLanguage();
    void importHandsOverAndExportNeedsNoProgram();
    void notesComeInThroughTheProgramsOwnModules_data();
    void notesComeInThroughTheProgramsOwnModules();

private:
    // Starts the program and ends the session with SIGTERM once it can be caught. False when it did not exit
    // normally within 10 s of the signal.
    bool runAndEndSession(QProcess& program, const QStringList& arguments, int msBeforeSignal = 0);
};

void TestProgram::init()
{
    QDir(dataFolder()).removeRecursively();
    QDir().mkpath(dataFolder());
}

bool TestProgram::runAndEndSession(QProcess& program, const QStringList& arguments, int msBeforeSignal)
{
    program.start(QStringLiteral(JOTLET_PROGRAM), arguments);
    if (!program.waitForStarted(10000) || !catchesSigterm(program.processId())) {
        return false;
    }
    QTest::qWait(msBeforeSignal);
    signalProgram(program, SIGTERM);
    return program.waitForFinished(10000) && program.exitStatus() == QProcess::NormalExit && program.exitCode() == 0;
}

void TestProgram::fileSizeLimitFailsTheSaveOnly()
{
    const QString path = QDir(dataFolder()).filePath(QStringLiteral("big.not"));
    QVERIFY(saveNoteFile(note(QString(20000, QLatin1Char('x'))), path));
    QProcess program;
    program.setChildProcessModifier([] {
        const rlimit limit {8192, 8192}; // the note no longer fits in a file
        ::setrlimit(RLIMIT_FSIZE, &limit);
    });
    QVERIFY2(runAndEndSession(program, {path}, 300), program.readAllStandardError().constData());
    QVERIFY(!QFile::exists(mainNoteFilePath()));
    const QStringList log = errorLogLines();
    QCOMPARE(log.size(), 1);
    QVERIFY2(log.first().contains(QLatin1String("modNote: SaveMainNote"))
                 && log.first().contains(QLatin1String("large")),
             qPrintable(log.first()));
    // The next start tells the user why the notes were not kept.
    const QByteArray settings = fileBytes(SettingsStore::location());
    QVERIFY2(settings.contains("NotesNotKept=") && settings.contains("File too large"), settings.constData());
}

void TestProgram::unwritableLogNeverBlocksTheSessionEnd()
{
    // Neither the log nor the main note file can be written; a message box would wait for a user who is not there.
    QVERIFY(QDir().mkpath(errorLogPath()) && QDir().mkpath(mainNoteFilePath()));
    QProcess program;
    QVERIFY2(runAndEndSession(program, {}, 300), "the program did not end with the session");
    QVERIFY2(program.readAllStandardError().contains("lost log entry"), "the entry should go to standard error");
}

void TestProgram::sessionEndDuringStartKeepsEveryNote()
{
    // Twenty notes, each over a second's work to show: the session ends while the first ones come back.
    const QString heavy = QStringLiteral("x\\par\r\n").repeated(90000);
    for (int i = 0; i < 20; ++i) {
        QVERIFY(addToMainNoteFile(note(heavy)));
    }
    const QByteArray before = fileBytes(mainNoteFilePath());
    QProcess program;
    QVERIFY2(runAndEndSession(program, {}), "the program did not end with the session");
    QCOMPARE(fileBytes(mainNoteFilePath()), before);
}

void TestProgram::refusedNoteLeavesANewNote()
{
    // A note file whose text is refused: the program goes on with a new, empty note, which the session keeps.
    const QString path = QDir(dataFolder()).filePath(QStringLiteral("huge.not"));
    QVERIFY(saveNoteFile(note(QStringLiteral("x\\par\r\n").repeated(200000)), path));
    QProcess program;
    QVERIFY2(runAndEndSession(program, {path}, 1500), "the program did not run until the session ended");
    const NoteList kept = loadMainNoteFile();
    QCOMPARE(kept.size(), 1);
    QVERIFY(!kept.first().data.contains(QLatin1String("x\\par")));
}

void TestProgram::aStartWithAFileKeepsTheKeptNotes()
{
    // Started with a note file (a double-click before the autostart entry ran): the notes kept from the last session
    // stay in the main note file, and the file's note joins them.
    QVERIFY(addToMainNoteFile(note(QStringLiteral("kept one"))));
    QVERIFY(addToMainNoteFile(note(QStringLiteral("kept two"))));
    const QByteArray kept = fileBytes(mainNoteFilePath());
    const QString path = QDir(dataFolder()).filePath(QStringLiteral("x.not"));
    QVERIFY(saveNoteFile(note(QStringLiteral("from x")), path));
    QProcess program;
    QVERIFY2(runAndEndSession(program, {path}, 300), program.readAllStandardError().constData());
    const NoteList notes = loadMainNoteFile();
    QCOMPARE(notes.size(), 3);
    QVERIFY(notes.at(2).data.contains(QLatin1String("from x")));
    QCOMPARE(notes.at(2).session.file, path); // it comes back as x's note
    const QByteArray now = fileBytes(mainNoteFilePath());
    QCOMPARE(now.left(kept.lastIndexOf("</NOTES>")), kept.left(kept.lastIndexOf("</NOTES>"))); // byte for byte
}

void TestProgram::secondStartDuringASlowStartHandsOver()
{
    // Forty notes of 200 KB: seconds of work before the first start's event loop runs.
    const QString heavy = QStringLiteral("some words on a line\\par\r\n").repeated(8000);
    for (int i = 0; i < 40; ++i) {
        QVERIFY(addToMainNoteFile(note(heavy)));
    }
    const QString path = QDir(dataFolder()).filePath(QStringLiteral("late.not"));
    QVERIFY(saveNoteFile(note(QStringLiteral("handed over")), path));
    QProcess first;
    first.start(QStringLiteral(JOTLET_PROGRAM), QStringList());
    QVERIFY(first.waitForStarted(10000) && catchesSigterm(first.processId())); // listening, the notes coming back
    QProcess second;
    second.start(QStringLiteral(JOTLET_PROGRAM), {path});
    QVERIFY2(second.waitForFinished(60000), "the second start did not end");
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(first.state(), QProcess::Running);
    // The first has opened its notes once the main note file is in the journal; the file handed over comes next.
    QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(mainNoteFilePath()), 120000);
    QTest::qWait(1000);
    signalProgram(first, SIGTERM);
    QVERIFY(first.waitForFinished(30000));
    const NoteList kept = loadMainNoteFile();
    QCOMPARE(kept.size(), 41);
    QVERIFY(kept.last().data.contains(QLatin1String("handed over")));
}

void TestProgram::sessionEndClosesAStartupBox_data()
{
    QTest::addColumn<QString>("box");
    QTest::newRow("Notes Not Restored") << "restore";
    QTest::newRow("Log Error") << "log";
}

void TestProgram::sessionEndClosesAStartupBox()
{
    QFETCH(QString, box);
    QStringList arguments;
    if (box == QLatin1String("restore")) {
        QFile broken(mainNoteFilePath());
        QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write("<NOTES><NOTE>cut short") > 0);
        broken.close();
    } else {
        QVERIFY(QDir().mkpath(errorLogPath())); // the log cannot be written: the first entry fails
        arguments << QDir(dataFolder()).filePath(QStringLiteral("missing.not"));
    }
    QProcess program;
    program.start(QStringLiteral(JOTLET_PROGRAM), arguments);
    QVERIFY(program.waitForStarted(10000) && catchesSigterm(program.processId()));
    QTest::qWait(1500); // the box is up
    signalProgram(program, SIGTERM);
    QTest::qWait(50);
    signalProgram(program, SIGTERM); // a second signal changes nothing
    QVERIFY2(program.state() == QProcess::NotRunning || program.waitForFinished(10000),
             "the program did not end with the session");
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(loadMainNoteFile().size(), 1); // the new note the program started with
}

void TestProgram::unknownOptionIsRefused()
{
    QProcess program;
    program.start(QStringLiteral(JOTLET_PROGRAM), {QStringLiteral("--bogus")});
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitCode(), 2);
    QVERIFY(program.readAllStandardError().contains("Unknown option 'bogus'"));
}

void TestProgram::helpSpeaksTheUsersLanguage_data()
{
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QStringList>("words");
    QTest::newRow("English") << "C.UTF-8"
                             << QStringList {"Usage: jotlet [options] [file]", "Displays help on commandline options."};
    QTest::newRow("German") << "de_DE.UTF-8" << QStringList {"jotlet [Optionen]", "Zeigt diese Hilfe"};
}

void TestProgram::helpSpeaksTheUsersLanguage()
{
    QFETCH(QString, lang);
    QFETCH(QStringList, words);
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LANG"), lang);
    environment.remove(QStringLiteral("LC_ALL"));
    environment.remove(QStringLiteral("LANGUAGE"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(JOTLET_PROGRAM), {QStringLiteral("--help")});
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitCode(), 0);
    const QString shown = QString::fromLocal8Bit(program.readAllStandardOutput());
    for (const QString& word : words) {
        QVERIFY2(shown.contains(word), qPrintable(shown));
    }
}

void TestProgram::secondStartResolvesARelativePath()
{
    // A second start in another folder names a file relative to that folder.
    const QString folder = QDir(dataFolder()).filePath(QStringLiteral("elsewhere"));
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(saveNoteFile(note(QStringLiteral("relative")), QDir(folder).filePath(QStringLiteral("rel.not"))));
    QProcess first;
    first.start(QStringLiteral(JOTLET_PROGRAM), QStringList());
    QVERIFY(first.waitForStarted(10000) && catchesSigterm(first.processId()));
    QProcess second;
    second.setWorkingDirectory(folder);
    second.start(QStringLiteral(JOTLET_PROGRAM), {QStringLiteral("rel.not")});
    QVERIFY(second.waitForFinished(30000));
    QCOMPARE(second.exitCode(), 0);
    QTest::qWait(1000);
    signalProgram(first, SIGTERM);
    QVERIFY(first.waitForFinished(10000));
    const NoteList kept = loadMainNoteFile();
    QCOMPARE(kept.size(), 2);
    QVERIFY(kept.last().data.contains(QLatin1String("relative")));
    QCOMPARE(kept.last().session.file, QDir(folder).filePath(QStringLiteral("rel.not")));
}

void TestProgram::importHandsOverAndExportNeedsNoProgram()
{
    // "jotlet --import folder <path>" brings the files into the program that runs; once it has ended,
    // "jotlet --export <folder>" writes every kept note out without starting one, and says how many.
    const QString texts = QDir(dataFolder()).filePath(QStringLiteral("texts"));
    QVERIFY(QDir().mkpath(texts));
    QFile text(QDir(texts).filePath(QStringLiteral("idea.txt")));
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("a rocket for the cat\n");
    text.close();
    QProcess first;
    first.start(QStringLiteral(JOTLET_PROGRAM), QStringList());
    QVERIFY(first.waitForStarted(10000) && catchesSigterm(first.processId()));
    QProcess second;
    second.start(QStringLiteral(JOTLET_PROGRAM), {QStringLiteral("--import"), QStringLiteral("folder"), texts});
    QVERIFY(second.waitForFinished(30000));
    QCOMPARE(second.exitCode(), 0);
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(ImportMemory::defaultPath()), 10000);
    signalProgram(first, SIGTERM);
    QVERIFY(first.waitForFinished(10000));
    const QString out = QDir(dataFolder()).filePath(QStringLiteral("out"));
    QProcess exporter;
    exporter.start(QStringLiteral(JOTLET_PROGRAM), {QStringLiteral("--export"), out, QStringLiteral("--format=text")});
    QVERIFY(exporter.waitForFinished(30000));
    QCOMPARE(exporter.exitCode(), 0);
    QVERIFY2(exporter.readAllStandardOutput().contains(" exported to "), "no count of the notes written");
    QCOMPARE(fileBytes(QDir(out).filePath(QStringLiteral("a rocket for the cat.txt"))),
             QByteArray("a rocket for the cat\n"));
    QProcess wrong;
    wrong.start(QStringLiteral(JOTLET_PROGRAM), {QStringLiteral("--export"), out, QStringLiteral("--format=pdf")});
    QVERIFY(wrong.waitForFinished(30000));
    QCOMPARE(wrong.exitCode(), 2);
}

void TestProgram::notesComeInThroughTheProgramsOwnModules_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("module");
    QTest::newRow("KNotes' messages") << "knotes"
                                      << "import/knotes"
                                      << "Shopping list"
                                      << "jotlet-mime";
    QTest::newRow("Sticky Notes' database") << "microsoft"
                                            << "import/microsoft/plum.sqlite"
                                            << "Renew passport"
                                            << "jotlet-sqlite";
}

void TestProgram::notesComeInThroughTheProgramsOwnModules()
{
    // Other programs' notes are read by modules the program loads when they come in: it finds them beside itself
    // (the build tree's modules/ folder), without the variable the tests set.
    QFETCH(QString, kind);
    QFETCH(QString, path);
    QFETCH(QString, text);
    QFETCH(QString, module);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("JOTLET_MODULE_DIR"));
    QProcess first;
    first.setProcessEnvironment(environment);
    first.start(QStringLiteral(JOTLET_PROGRAM), QStringList());
    QVERIFY(first.waitForStarted(10000) && catchesSigterm(first.processId()));
    QProcess second;
    second.setProcessEnvironment(environment);
    second.start(QStringLiteral(JOTLET_PROGRAM), {QStringLiteral("--import"), kind, testDataPath(path)});
    QVERIFY(second.waitForFinished(30000));
    QCOMPARE(second.exitCode(), 0);
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(ImportMemory::defaultPath()), 10000);
    signalProgram(first, SIGTERM);
    QVERIFY(first.waitForFinished(10000));
    QStringList texts;
    for (const NoteRecord& kept : loadMainNoteFile()) {
        texts << kept.data;
    }
    QVERIFY2(texts.join(QString()).contains(text), qPrintable(texts.join(QLatin1Char('|'))));
    QVERIFY2(!errorLogLines().join(QString()).contains(module), qPrintable(errorLogLines().join(QLatin1Char('\n'))));
}

void TestProgram::writesTheSameNamesInEveryLanguage()
{
    // What files, logs and settings see does not change with the user's language: a run under German and one
    // under English write the same element names, settings names and log lines (times and dates aside).
    const auto run = [this](const char* language, QString* timeStamp) {
        init();
        addToMainNoteFile(note(QStringLiteral("kept")));
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("LC_ALL"));
        environment.remove(QStringLiteral("LC_MESSAGES"));
        environment.remove(QStringLiteral("LANGUAGE"));
        environment.insert(QStringLiteral("LANG"), QLatin1String(language));
        program.setProcessEnvironment(environment);
        // Not a note file: a new note, a log line and a message box.
        if (!runAndEndSession(program, {QDir(dataFolder()).filePath(QStringLiteral("list.txt"))}, 500)) {
            return QStringList {QStringLiteral("the program did not end with the session")};
        }
        const NoteList kept = loadMainNoteFile();
        *timeStamp = kept.value(1).timeDate;
        QStringList names;
        const QRegularExpression element(QStringLiteral("<(/?[A-Za-z]+)"));
        for (auto it = element.globalMatch(QString::fromUtf8(fileBytes(mainNoteFilePath()))); it.hasNext();) {
            names << it.next().captured(1);
        }
        const QRegularExpression settingName(QStringLiteral("^([A-Za-z]+)="), QRegularExpression::MultilineOption);
        for (auto it = settingName.globalMatch(QString::fromUtf8(fileBytes(SettingsStore::location())));
             it.hasNext();) {
            names << it.next().captured(1);
        }
        for (const QString& line : errorLogLines()) {
            names << line.section(QLatin1Char('\t'), 1); // after the time
        }
        return names;
    };
    QString englishStamp;
    QString germanStamp;
    const QStringList english = run("en_US.UTF-8", &englishStamp);
    const QStringList german = run("de_DE.UTF-8", &germanStamp);
    QVERIFY2(english.contains(QLatin1String("NOTE")) && english.contains(QLatin1String("SaveSetting")),
             qPrintable(english.join(QLatin1Char(' '))));
    QCOMPARE(german, english);
    // A time stamp has one form, whatever the language of the session that wrote it.
    const QRegularExpression stamp(QStringLiteral("^\\d{4}-\\d{2}-\\d{2} \\d{2}:\\d{2}:\\d{2}$"));
    QVERIFY2(stamp.match(germanStamp).hasMatch() && stamp.match(englishStamp).hasMatch(),
             qPrintable(germanStamp + QStringLiteral(" / ") + englishStamp));
}

QTEST_GUILESS_MAIN(TestProgram)
#include "tst_program.moc"
