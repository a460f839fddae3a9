// The program as a process (offscreen): how it ends the session when files cannot be written, and when the session
// ends while the notes of the last one are still coming back.
#include "logcapture.h"
#include "notes/notestore.h"
#include "signals.h"
#include "support/appinfo.h"
#include "testdata.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace jotlet;

namespace {

NoteRecord note(const QString& text)
{
    NoteRecord n;
    n.Color = QStringLiteral("yellow");
    n.Data = QStringLiteral("{\\rtf1\\ansi %1}").arg(text);
    n.Height = 2085;
    n.Width = 2325;
    n.Left = 1500;
    n.Top = 1500;
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
    QVERIFY(!kept.first().Data.contains(QLatin1String("x\\par")));
}

QTEST_GUILESS_MAIN(TestProgram)
#include "tst_program.moc"
