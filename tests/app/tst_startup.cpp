// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// What the program starts with (without windows): the command line, the main note file, a new note; main note
// files that cannot be read, hostile note files, and saves that meet a full disk.
#include "app/application.h"
#include "app/logoff.h"
#include "app/recoveryjournal.h"
#include "app/startup.h"
#include "fakedialogs.h"
#include "filefaults.h"
#include "logcapture.h"
#include "note/noteboard.h"
#include "note/notecolors.h"
#include "note/notetext.h"
#include "note/screens.h"
#include "notes/notefile.h"
#include "notes/notestore.h"
#include "platform/autostart.h"
#include "samplenotes.h"
#include "support/appinfo.h"
#include "support/files.h"
#include "support/settings.h"
#include "testdata.h"

#include <QScopeGuard>

#include <QTemporaryDir>
#include <QTest>
#include <optional>

#include <sys/stat.h>

using namespace jotlet;

namespace {

QString autostartEntry()
{
    return qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/autostart/jotlet.desktop");
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void choice_data();
    void choice();
    void startFromCommandLine();
    void startFromMainNoteFile();
    void unreadableMainNoteFileIsSetAside();
    void hostileFilesGiveANewNote_data();
    void hostileFilesGiveANewNote();
    void fullDiskKeepsTheNoteUnsaved_data();
    void fullDiskKeepsTheNoteUnsaved();
    void journalBringsNotesBack_data();
    void journalBringsNotesBack();
    void damagedJournalIsKeptAside();
    void sessionEndAddsToAMainNoteFileItDidNotOpen_data();
    void aNoteKeepsItsFileAcrossALogOff();
    void commandLineFailuresAreTold_data();
    void commandLineFailuresAreTold();
    void textFileOnTheCommandLine_data();
    void textFileOnTheCommandLine();
    void dataFolderTroubleIsTold_data();
    void dataFolderTroubleIsTold();
    void sessionEndWritesEveryNote();
    void closingTheLastNoteRemovesAutostart();
    void sessionEndAddsToAMainNoteFileItDidNotOpen();

private:
    QTemporaryDir m_dir;
};

void TestStartup::init()
{
    QFile::remove(mainNoteFilePath());
    QFile::remove(recoveryJournalPath());
    writeSetting(Setting::SaveSetting, QStringLiteral("False"));
    writeSetting(Setting::SaveNewNoteOnClose, QStringLiteral("True"));
    clearErrorLog();
}

void TestStartup::choice_data()
{
    QTest::addColumn<QString>("commandLine");
    QTest::addColumn<bool>("mainFile");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("path");
    QTest::newRow("quoted path") << "\"/home/ann/my notes/a.not\"" << false << int(StartupChoice::CommandLineFile)
                                 << "/home/ann/my notes/a.not";
    QTest::newRow("upper case NOT") << "/tmp/A.NOT" << true << int(StartupChoice::CommandLineFile) << "/tmp/A.NOT";
    QTest::newRow("knot, no dot") << "knot" << false << int(StartupChoice::CommandLineFile) << "knot";
    QTest::newRow("other file") << "/tmp/a.txt" << true << int(StartupChoice::NewNote) << "";
    QTest::newRow("blanks kept") << " a.not " << false << int(StartupChoice::NewNote) << "";
    QTest::newRow("only a leading quote") << "\"a.not" << false << int(StartupChoice::CommandLineFile) << "a.not";
    QTest::newRow("main note file") << "" << true << int(StartupChoice::MainNoteFile) << "";
    QTest::newRow("nothing at all") << "" << false << int(StartupChoice::NewNote) << "";
}

void TestStartup::choice()
{
    QFETCH(QString, commandLine);
    QFETCH(bool, mainFile);
    QFETCH(int, kind);
    QFETCH(QString, path);
    const StartupChoice choice = chooseStartup(commandLine, mainFile);
    QCOMPARE(int(choice.kind), kind);
    QCOMPARE(choice.path, path);
}

void TestStartup::startFromCommandLine()
{
    const QString path = m_dir.filePath(QStringLiteral("three.not"));
    QVERIFY(
        saveNoteFile(sampleNote(QStringLiteral("first"), QStringLiteral("green"), QRect(600, 1500, 3000, 2500)), path));
    QVERIFY(appendToNoteFile(sampleNote(QStringLiteral("second"), QStringLiteral("red"), QRect(900, 1500, 3000, 2500)),
                             path));
    NoteBoard board;
    openStartingNotes(board, QLatin1Char('"') + path + QLatin1Char('"'));
    QCOMPARE(board.count(), 1);
    const Note* note = board.notes().first();
    QCOMPARE(note->text().text(), QStringLiteral("first"));
    QCOMPARE(note->title(), QStringLiteral("Jotlet - three.not"));
    QCOMPARE(note->filePath(), path);
    QCOMPARE(note->colorText(), QStringLiteral("green"));
    QCOMPARE(note->geometry(), QRect(600, 1500, 3000, 2500));
    QCOMPARE(note->subCaption(), QStringLiteral("12/6/2026 3:04:05 PM"));
    QVERIFY(!note->isUnsaved());
}

void TestStartup::startFromMainNoteFile()
{
    QVERIFY(addToMainNoteFile(sampleNote(QStringLiteral("one"), QStringLiteral("red"), QRect(300, 1500, 3000, 2500))));
    QVERIFY(
        addToMainNoteFile(sampleNote(QStringLiteral("two"), QStringLiteral("purple"), QRect(4500, 1500, 3000, 2500))));
    NoteBoard board;
    openStartingNotes(board, QString());
    const QList<Note*> notes = board.notes();
    QCOMPARE(notes.size(), 2);
    QCOMPARE(notes.at(0)->text().text(), QStringLiteral("one"));
    QCOMPARE(notes.at(1)->text().text(), QStringLiteral("two"));
    QCOMPARE(notes.at(1)->geometry().left(), 4500);
    QVERIFY(notes.at(0)->isUnsaved() && notes.at(1)->isUnsaved()); // their text is nowhere else now
    QVERIFY(notes.at(0)->filePath().isEmpty());
    QVERIFY(!QFile::exists(mainNoteFilePath()));
}

void TestStartup::unreadableMainNoteFileIsSetAside()
{
    FakeDialogs dialogs;
    QFile broken(mainNoteFilePath());
    QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write("<NOTES><NOTE><DATA>cut short") > 0);
    broken.close();
    NoteBoard board;
    const StartupOutcome outcome = openStartingNotes(board, QString());
    QCOMPARE(board.count(), 1);
    QVERIFY(!QFile::exists(mainNoteFilePath()));
    const QString aside = mainNoteFilePath() + QStringLiteral(".bad");
    QCOMPARE(fileBytes(aside), QByteArray("<NOTES><NOTE><DATA>cut short"));
    QVERIFY(dialogs.warnings.isEmpty()); // told once the program runs, not in the middle of its start
    QCOMPARE(outcome.notices.size(), 1);
    QCOMPARE(outcome.notices.first().title, QStringLiteral("Notes Not Restored"));
    QCOMPARE(errorLogLines().size(), 2); // why it could not be read, and where it was kept

    // The next end of the session writes a new main note file, which the next start reads.
    board.notes().first()->text().setText(QStringLiteral("kept"));
    keepNotesForNextSession(board, outcome.mainFileOpened);
    QCOMPARE(loadMainNoteFile().size(), 1);
    QFile::remove(aside);
}

void TestStartup::hostileFilesGiveANewNote_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("logged");
    QTest::newRow("NOTE elements 100,000 deep") << "deep"
                                                << "nested more than 8 deep";
    QTest::newRow("a pipe") << "fifo"
                            << "not a regular file";
    QTest::newRow("50 MB") << "big"
                           << "too large for a note file";
    QTest::newRow("a million paragraphs") << "paragraphs"
                                          << "more than 100000 paragraphs";
    QTest::newRow("a size of 2^31 twips") << "size"
                                          << "";
}

void TestStartup::hostileFilesGiveANewNote()
{
    QFETCH(QString, kind);
    QFETCH(QString, logged);
    const QString path = m_dir.filePath(kind + QStringLiteral(".not"));
    QByteArray bytes;
    NoteRecord note = sampleNote(QStringLiteral("text"), QStringLiteral("blue"), QRect(100, 1500, 3000, 2500));
    if (kind == QLatin1String("deep")) {
        bytes = "<NOTES>" + QByteArray("<NOTE>").repeated(100000) + QByteArray("</NOTE>").repeated(100000) + "</NOTES>";
    } else if (kind == QLatin1String("big")) {
        bytes = QByteArray(50 * 1024 * 1024, ' ');
    } else if (kind == QLatin1String("paragraphs")) {
        note.data = QStringLiteral("{\\rtf1\\ansi %1}").arg(QStringLiteral("x\\par\r\n").repeated(1000000));
    } else if (kind == QLatin1String("size")) {
        note.height = note.width = std::numeric_limits<qint32>::max();
    }
    if (kind == QLatin1String("fifo")) {
        QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    } else if (bytes.isEmpty()) {
        QVERIFY(saveNoteFile(note, path));
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    NoteBoard board;
    openStartingNotes(board, path);
    QCOMPARE(board.count(), 1);
    const Note* opened = board.notes().first();
    const QRect desktop = screenTwips().desktop;
    QVERIFY(opened->geometry().width() <= desktop.width() && opened->geometry().height() <= desktop.height());
    if (logged.isEmpty()) {
        QCOMPARE(opened->text().text(), QStringLiteral("text"));
        return;
    }
    QVERIFY(opened->text().text().isEmpty());
    const QStringList log = errorLogLines();
    QCOMPARE(log.size(), 1);
    QVERIFY2(log.first().contains(logged) && log.first().contains(path), qPrintable(log.first()));
    QFile::remove(path);
}

void TestStartup::fullDiskKeepsTheNoteUnsaved_data()
{
    QTest::addColumn<int>("mode"); // SaveMode, or -1 for the end of the session
    QTest::newRow("Save") << int(SaveMode::Save);
    QTest::newRow("Save As") << int(SaveMode::SaveAs);
    QTest::newRow("Append To") << int(SaveMode::AppendTo);
    QTest::newRow("log-off") << -1;
}

void TestStartup::fullDiskKeepsTheNoteUnsaved()
{
    QFETCH(int, mode);
    SmallFileSystem disk(256 * 1024);
    if (!disk.isMounted()) {
        QSKIP(qPrintable(disk.reason()));
    }
    const QByteArray home = qgetenv("JOTLET_HOME");
    qputenv("JOTLET_HOME", QFile::encodeName(disk.path()));
    const auto restoreHome = qScopeGuard([&] { qputenv("JOTLET_HOME", home); });
    FakeDialogs dialogs;
    const QString path = mode < 0 ? mainNoteFilePath() : disk.filePath(QStringLiteral("todo.not"));
    QVERIFY(
        saveNoteFile(sampleNote(QStringLiteral("old"), QStringLiteral("blue"), QRect(100, 1500, 3000, 2500)), path));
    dialogs.fileAnswers << path;
    NoteBoard board;
    openStartingNotes(board, mode < 0 ? QString() : path);
    Note* note = board.notes().value(0);
    QVERIFY(note);
    note->text().setText(QString(15 * 1024, QLatin1Char('x'))); // small enough to sit in a write buffer
    if (mode < 0) { // the notes came from the main note file, now gone: an earlier note was kept at log-off
        QVERIFY(saveNoteFile(sampleNote(QStringLiteral("old"), QStringLiteral("blue"), QRect(100, 1500, 3000, 2500)),
                             path));
    }
    QFile log(errorLogPath());
    QVERIFY(log.open(QIODevice::WriteOnly) && log.write("\r\n") == 2);
    log.close();
    const QByteArray before = fileBytes(path);
    disk.fillLeaving(0);

    if (mode < 0) {
        keepNotesForNextSession(board, true);
        QVERIFY(dialogs.warnings.isEmpty()); // nothing modal while the session ends
    } else {
        note->run(mode == int(SaveMode::Save)     ? Command::Save
                  : mode == int(SaveMode::SaveAs) ? Command::SaveAs
                                                  : Command::AppendTo);
        QVERIFY(note->title().endsWith(QLatin1String(" *")));
        QCOMPARE(dialogs.warnings.size(), 1);
        QVERIFY2(dialogs.warnings.first().contains(QLatin1String("No space left on device")),
                 qPrintable(dialogs.warnings.first()));
    }
    QCOMPARE(fileBytes(path), before);
    QCOMPARE(errorLogLines().size(), 1);
}

void TestStartup::journalBringsNotesBack_data()
{
    QTest::addColumn<QString>("also"); // what is there besides the journal
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("the journal alone") << "" << QStringList {"typed", "file note"};
    QTest::newRow("an older main note file its run had opened")
        << "older main, opened" << QStringList {"typed", "file note"};
    QTest::newRow("an older main note file its run had not opened")
        << "older main" << QStringList {"typed", "file note", "from the main file"};
    QTest::newRow("a newer main note file") << "newer main" << QStringList {"from the main file"};
    QTest::newRow("its file on the command line") << "command line" << QStringList {"typed", "file note"};
    QTest::newRow("another file on the command line") << "other file" << QStringList {"typed", "file note", "other"};
}

void TestStartup::journalBringsNotesBack()
{
    QFETCH(QString, also);
    QFETCH(QStringList, texts);
    const QString file = m_dir.filePath(QStringLiteral("kept.not"));
    const QString other = m_dir.filePath(QStringLiteral("other.not"));
    QVERIFY(saveNoteFile(sampleNote(QStringLiteral("on disk")), file));
    QVERIFY(saveNoteFile(sampleNote(QStringLiteral("other")), other));
    NoteRecord typed = sampleNote(QStringLiteral("typed"), QStringLiteral("blue"), QRect(600, 700, 3000, 2500));
    typed.session.present = true;
    NoteRecord fileNote = sampleNote(QStringLiteral("file note"));
    fileNote.session = {true, file, true, false, 150};
    QByteArray journal = noteFileText({typed, fileNote}, programVersion()).toUtf8();
    if (also.endsWith(QLatin1String("opened"))) {
        journal.replace("<NOTES ", "<NOTES MAINFILE=\"True\" ");
    }
    Problem error;
    QVERIFY(writeFileAtomically(recoveryJournalPath(), journal, &error));
    if (also.contains(QLatin1String("main"))) {
        QVERIFY(saveNoteFile(sampleNote(QStringLiteral("from the main file")), mainNoteFilePath()));
        // The newer of the two holds every note: the older is what was left by a run killed between them.
        const QDateTime older = QDateTime::currentDateTime().addSecs(-60);
        QFile aged(also.startsWith(QLatin1String("older")) ? mainNoteFilePath() : recoveryJournalPath());
        QVERIFY(aged.open(QIODevice::Append) && aged.setFileTime(older, QFileDevice::FileModificationTime));
    }
    const QString commandLine = also == QLatin1String("command line") ? file
                                : also == QLatin1String("other file") ? other
                                                                      : QString();
    NoteBoard board;
    openStartingNotes(board, commandLine);
    QStringList opened;
    for (const Note* note : board.notes()) {
        opened << note->text().text();
    }
    QCOMPARE(opened, texts);
    if (texts.contains(QStringLiteral("file note"))) {
        const Note* restored = board.notes().at(1);
        QCOMPARE(restored->filePath(), file); // still its file's note, with its changes unsaved
        QVERIFY(restored->isUnsaved());
        QVERIFY(!restored->isOnTop());
        QCOMPARE(restored->alpha(), 150);
        QCOMPARE(board.notes().first()->colorText(), QStringLiteral("blue"));
        QCOMPARE(board.notes().first()->geometry().topLeft(), QPoint(600, 700));
        QVERIFY(loadNoteFile(file).value(0).data.contains(QLatin1String("on disk"))); // the file is untouched
    }
    QVERIFY(!QFile::exists(recoveryJournalPath())); // once
    QVERIFY(!QFile::exists(mainNoteFilePath()));
}

void TestStartup::damagedJournalIsKeptAside()
{
    FakeDialogs dialogs;
    const QByteArray whole
        = noteFileText({sampleNote(QStringLiteral("first")), sampleNote(QStringLiteral("second"))}, programVersion())
              .toUtf8();
    const QByteArray cut = whole.left(whole.indexOf("second") + 3); // cut short inside the second note
    QFile journal(recoveryJournalPath());
    QVERIFY(journal.open(QIODevice::WriteOnly) && journal.write(cut) == cut.size());
    journal.close();
    NoteBoard board;
    openStartingNotes(board, QString());
    QCOMPARE(board.count(), 1);
    QCOMPARE(board.notes().first()->text().text(), QStringLiteral("first"));
    QCOMPARE(fileBytes(recoveryJournalPath() + QStringLiteral(".bad")), cut);
    QVERIFY(errorLogLines().join(QLatin1Char('\n')).contains(QLatin1String("recovery.dat.bad")));
    QFile::remove(recoveryJournalPath() + QStringLiteral(".bad"));
}

void TestStartup::sessionEndAddsToAMainNoteFileItDidNotOpen_data()
{
    QTest::addColumn<QByteArray>("mainFile");
    QTest::addColumn<int>("kept");
    const QByteArray two
        = noteFileText({sampleNote(QStringLiteral("one")), sampleNote(QStringLiteral("two"))}, programVersion())
              .toUtf8();
    QTest::newRow("two kept notes") << two << 3;
    QTest::newRow("not a note file: set aside") << QByteArray("<NOTES><NOTE>cut short") << 1;
}

void TestStartup::sessionEndAddsToAMainNoteFileItDidNotOpen()
{
    QFETCH(QByteArray, mainFile);
    QFETCH(int, kept);
    Problem error;
    QVERIFY(writeFileAtomically(mainNoteFilePath(), mainFile, &error));
    const QString path = m_dir.filePath(QStringLiteral("x.not"));
    QVERIFY(saveNoteFile(sampleNote(QStringLiteral("from x")), path));
    NoteBoard board;
    const StartupOutcome outcome = openStartingNotes(board, path);
    QVERIFY(!outcome.mainFileOpened);
    QVERIFY(keepNotesForNextSession(board, outcome.mainFileOpened));
    const NoteList notes = loadMainNoteFile();
    QCOMPARE(notes.size(), kept);
    QVERIFY(notes.last().data.contains(QLatin1String("from x")));
    const QString aside = mainNoteFilePath() + QStringLiteral(".bad");
    if (kept == 1) {
        QCOMPARE(fileBytes(aside), mainFile); // nothing the user had is lost
        QFile::remove(aside);
    }
}

void TestStartup::aNoteKeepsItsFileAcrossALogOff()
{
    const QString path = m_dir.filePath(QStringLiteral("shopping.not"));
    QVERIFY(saveNoteFile(sampleNote(QStringLiteral("milk")), path));
    {
        NoteBoard board;
        openStartingNotes(board, path);
        board.notes().first()->run(Command::Transparency, 2);
        board.createNote()->text().setText(QStringLiteral("a new note"));
        QVERIFY(keepNotesForNextSession(board, false));
    }
    NoteBoard board;
    openStartingNotes(board, QString());
    QCOMPARE(board.count(), 2);
    const Note* kept = board.notes().first();
    QCOMPARE(kept->filePath(), path); // Save writes to its file, not to a second copy elsewhere
    QCOMPARE(kept->title(), QStringLiteral("Jotlet - shopping.not"));
    QCOMPARE(kept->alpha(), kTransparencyLevels[2]);
    QCOMPARE(board.notes().last()->title(), QStringLiteral("Jotlet *")); // still in no file
    QVERIFY(!loadNoteFile(path).first().session.present); // the user's own file never holds what the session keeps
}

void TestStartup::commandLineFailuresAreTold_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("told");
    QTest::newRow("a note file that is not there") << "missing.not"
                                                   << "File not found";
    QTest::newRow("not a note file") << "todo.txt"
                                     << "this is not one";
}

void TestStartup::commandLineFailuresAreTold()
{
    QFETCH(QString, name);
    QFETCH(QString, told);
    NoteBoard board;
    const StartupOutcome outcome = openStartingNotes(board, m_dir.filePath(name));
    QCOMPARE(board.count(), 1); // a new note in its place
    QVERIFY(board.notes().first()->text().text().isEmpty());
    QCOMPARE(outcome.notices.size(), 1);
    QCOMPARE(outcome.notices.first().title, QStringLiteral("Note Not Opened"));
    QVERIFY2(outcome.notices.first().text.contains(told) && outcome.notices.first().text.contains(name),
             qPrintable(outcome.notices.first().text));
    QCOMPARE(errorLogLines().size(), 1);
}

void TestStartup::textFileOnTheCommandLine_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text"); // empty: not a text file, told and a new note instead
    QTest::newRow("UTF-8") << QByteArray("Grüße\r\nmilk") << QStringLiteral("Grüße\r\nmilk");
    QTest::newRow("Windows-1252") << QByteArray("caf\xe9") << QStringLiteral("café");
    QTest::newRow("binary") << QByteArray("\x7f"
                                          "ELF\0\0\1",
                                          7)
                            << QString();
}

void TestStartup::textFileOnTheCommandLine()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    const QString path = m_dir.filePath(QStringLiteral("shopping list.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();
    NoteBoard board;
    const StartupOutcome outcome = openStartingNotes(board, QLatin1Char('"') + path + QLatin1Char('"'));
    QCOMPARE(board.count(), 1);
    const Note* note = board.notes().first();
    QCOMPARE(note->text().text(), text);
    QCOMPARE(outcome.notices.size(), text.isEmpty() ? 1 : 0);
    if (!text.isEmpty()) {
        QVERIFY(note->isUnsaved()); // its text is in no note file yet
        QCOMPARE(note->subCaption(), QStringLiteral("From shopping list.txt"));
    }
}

void TestStartup::dataFolderTroubleIsTold_data()
{
    QTest::addColumn<QString>("trouble");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("told");
    QTest::newRow("the last log-off could not keep the notes") << "last session"
                                                               << "Notes Not Kept"
                                                               << "No space left on device";
    QTest::newRow("a data folder that cannot be written") << "read-only"
                                                          << "Notes Cannot Be Kept"
                                                          << "Permission denied";
}

void TestStartup::dataFolderTroubleIsTold()
{
    QFETCH(QString, trouble);
    QFETCH(QString, title);
    QFETCH(QString, told);
    std::optional<ReadOnlyFolder> readOnly;
    if (trouble == QLatin1String("read-only")) {
        readOnly.emplace(dataFolder());
    } else {
        writeSetting(Setting::NotesNotKept, QStringLiteral("No space left on device"));
    }
    NoteBoard board;
    const StartupOutcome outcome = openStartingNotes(board, QString());
    QCOMPARE(outcome.notices.size(), 1);
    QCOMPARE(outcome.notices.first().title, title);
    QVERIFY2(outcome.notices.first().text.contains(told), qPrintable(outcome.notices.first().text));
    QCOMPARE(readSetting(Setting::NotesNotKept), QString()); // told once
}

void TestStartup::sessionEndWritesEveryNote()
{
    FakeDialogs dialogs;
    NoteBoard board;
    Note* first = board.createNote();
    first->text().setText(QStringLiteral("first"));
    first->setColor(QStringLiteral("green"), false);
    first->resize(QSize(3300, 2085));
    Note* second = board.createNote();
    second->text().setText(QStringLiteral("second"));
    second->moveTo(QPoint(900, 1200));
    second->run(Command::RollUp);
    keepNotesForNextSession(board, true);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(dialogs.questionsAsked.isEmpty());
    QCOMPARE(board.count(), 0);
    QVERIFY(QFile::exists(autostartEntry()));
    const NoteList notes = loadMainNoteFile();
    QCOMPARE(notes.size(), 2);
    QCOMPARE(notes.at(0).color, QStringLiteral("green"));
    QCOMPARE(notes.at(0).width, 3300); // the size it has now, not the size it was made with
    QCOMPARE(notes.at(1).left, 900);
    QCOMPARE(notes.at(1).width, 2325); // rolled up: the size it comes back to
}

void TestStartup::closingTheLastNoteRemovesAutostart()
{
    QVERIFY(registerAutostart());
    JotletApplication program;
    QVERIFY(program.start(QString()));
    Note* first = program.board().notes().first();
    Note* second = program.board().createNote();
    QVERIFY(first->close());
    QCoreApplication::processEvents();
    QVERIFY(QFile::exists(autostartEntry()));
    QVERIFY(second->close());
    QTRY_VERIFY(!QFile::exists(autostartEntry()));
    QVERIFY(!QFile::exists(mainNoteFilePath()));
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
