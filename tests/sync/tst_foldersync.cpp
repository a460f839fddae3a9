// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// The notes folder kept in step with the open notes, without a network, each note in its window: versions from
// elsewhere taken in place (the caret stays, nothing unsaved, nothing to undo), merged with what changed here, or kept
// beside as a conflict note whose buttons settle it; closing writes at once; a folder that cannot be written keeps
// every word until it can; a computer meeting a large folder opens twenty notes.
#include "fakedialogs.h"
#include "fakesysteminfo.h"
#include "filefaults.h"
#include "manager/notemanagerwindow.h"
#include "note/noteboard.h"
#include "note/notetext.h"
#include "notes/notefile.h"
#include "rtf/reader.h"
#include "samplenotes.h"
#include "search/trashlist.h"
#include "special/specialcontent.h"
#include "special/specialnotedriver.h"
#include "support/clock.h"
#include "sync/foldersync.h"
#include "window/conflictstrip.h"
#include "window/notetextbox.h"
#include "window/notewindow.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

using namespace jotlet;

namespace {

QString rtfOf(const QString& lines)
{
    QString rtf = QStringLiteral("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 ");
    for (const QString& line : lines.split(QLatin1Char('\n'))) {
        rtf += line + QStringLiteral("\\par\r\n");
    }
    return rtf + QLatin1Char('}');
}

NoteRecord otherComputersNote(const QString& id, const QString& lines, const QStringList& parents = {})
{
    NoteRecord note = sampleNote(QString(), QStringLiteral("green"));
    note.data = rtfOf(lines);
    note.identity = {id, QStringLiteral("2026-12-07T09:00:00.000Z"), QStringLiteral("laptop"), parents};
    return note;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes a note file the way sync engines do: a temporary file, then a rename over the old one.
void arriveByRename(const QString& path, const NoteRecord& note)
{
    const QString incoming = path + QStringLiteral(".incoming");
    QFile file(incoming);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(noteFileText({note}, QStringLiteral("1.0.0.1")).toUtf8());
    file.close();
    QFile::remove(path);
    QVERIFY(QFile::rename(incoming, path));
}

QString textOf(Note* note)
{
    return note ? note->text().text() : QStringLiteral("(no note)");
}

QString fileText(const QString& path)
{
    NoteList notes;
    NoteFileError error;
    if (!readNoteFileContent(readAll(path), path, &notes, &error) || notes.isEmpty()) {
        return QStringLiteral("(no file)");
    }
    return rtfToPlainText(storedRtfBytes(notes.first().data)).trimmed();
}

NoteWindow* windowOf(Note* note)
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<NoteWindow*>(widget);
        if (window && window->note() == note) {
            return window;
        }
    }
    return nullptr;
}

} // namespace

class TestFolderSync : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void fileDroppedInOpensAndStays();
    void changesMeet_data();
    void changesMeet();
    void reloadKeepsTheCaretAndUndo();
    void engineConflictCopiesMerge();
    void longSeparationMerges();
    void conflictChoices_data();
    void conflictChoices();
    void typingIntoAConflictIsKept();
    void closingWritesAtOnce_data();
    void closingWritesAtOnce();
    void unwritableFolderKeepsEveryWord_data();
    void unwritableFolderKeepsEveryWord();
    void aLinkIsNeverWritten();
    void firstMeetingOpensTwenty();
    void keptNoteJoinsItsFolderNote();
    void placeAndOnTopWriteNothing();
    void clockNoteWritesNothing();
    void reminderNoteKeepsItsTypedText();
    void closedWithNoGoesToTheFoldersTrash();

private:
    // A note of the folder, open here, holding these lines; the file written by "the laptop".
    Note* openWith(const QString& id, const QString& lines);
    void startSync();

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<NoteBoard> m_board;
    std::unique_ptr<FolderSync> m_sync;
    QString m_folder;
};

void TestFolderSync::init()
{
    Clock::setSource({});
    m_dir = std::make_unique<QTemporaryDir>();
    m_folder = m_dir->filePath(QStringLiteral("Notes"));
    QDir().mkpath(m_folder);
    m_board = std::make_unique<NoteBoard>();
    m_board->setViewFactory([](Note* note) { new NoteWindow(note); });
    m_sync = std::make_unique<FolderSync>(
        *m_board, m_folder, m_dir->filePath(QStringLiteral("places.ini")), m_dir->filePath(QStringLiteral("versions")));
}

void TestFolderSync::cleanup()
{
    m_sync->finish();
    for (Note* note : m_board->notes()) {
        note->discard();
    }
    m_sync.reset();
    m_board.reset();
}

void TestFolderSync::startSync()
{
    QSignalSpy scanned(m_sync.get(), &FolderSync::scanned);
    m_sync->start();
    QVERIFY(scanned.wait(10000));
}

Note* TestFolderSync::openWith(const QString& id, const QString& lines)
{
    QFile mark(m_folder + QLatin1Char('/') + NotesFolder::kMarkName);
    mark.open(QIODevice::WriteOnly);
    arriveByRename(m_folder + QLatin1Char('/') + id + QStringLiteral(".not"), otherComputersNote(id, lines));
    startSync();
    return m_sync->noteFor(id);
}

void TestFolderSync::fileDroppedInOpensAndStays()
{
    startSync();
    QCOMPARE(m_board->count(), 0);
    arriveByRename(m_folder + QStringLiteral("/aaaa.not"),
                   otherComputersNote(QStringLiteral("aaaa"), QStringLiteral("from the laptop")));
    QTRY_VERIFY_WITH_TIMEOUT(m_sync->noteFor(QStringLiteral("aaaa")), 10000);
    Note* note = m_sync->noteFor(QStringLiteral("aaaa"));
    QCOMPARE(textOf(note), QStringLiteral("from the laptop"));
    QCOMPARE(note->colorText(), QStringLiteral("green"));
    QVERIFY(!note->isUnsaved());
    m_sync->finish();
    QVERIFY(QFile::exists(m_folder + QStringLiteral("/aaaa.not"))); // still there after the program ends
}

void TestFolderSync::changesMeet_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("ours");     // typed here ("" for nothing)
    QTest::addColumn<QString>("theirs");   // what arrives
    QTest::addColumn<int>("parents");      // 0: names none (an older program), 1: our base, 2: an older one
    QTest::addColumn<QString>("expected"); // in the note and the file
    QTest::addColumn<QString>("conflict"); // shown beside ("" for none)
    QTest::newRow("taken in place") << "a\nb"
                                    << ""
                                    << "a\nB" << 1 << "a\nB"
                                    << "";
    QTest::newRow("different paragraphs merge") << "a\nb"
                                                << "A\nb"
                                                << "a\nB" << 1 << "A\nB"
                                                << "";
    QTest::newRow("different words of one paragraph merge")
        << "buy milk and eggs"
        << "buy oat milk and eggs"
        << "buy milk and brown eggs" << 1 << "buy oat milk and brown eggs"
        << "";
    QTest::newRow("an older program's file merges against the base") << "a\nb"
                                                                     << "A\nb"
                                                                     << "a\nB" << 0 << "A\nB"
                                                                     << "";
    QTest::newRow("the same words make a conflict") << "buy milk"
                                                    << "buy cheese"
                                                    << "buy bread" << 1 << "buy cheese"
                                                    << "buy bread";
}

void TestFolderSync::changesMeet()
{
    QFETCH(QString, base);
    QFETCH(QString, ours);
    QFETCH(QString, theirs);
    QFETCH(int, parents);
    QFETCH(QString, expected);
    QFETCH(QString, conflict);
    const QString id = QStringLiteral("cccc");
    Note* mine = openWith(id, base);
    QVERIFY(mine);
    const QString path = m_folder + QStringLiteral("/cccc.not");
    const QString baseVersion = QString::fromLatin1(VersionStore::versionOf(readAll(path)));
    if (!ours.isEmpty()) {
        mine->text().setRtf(rtfOf(ours).toLatin1());
    }
    const QStringList named = parents == 0 ? QStringList() : QStringList {baseVersion};
    arriveByRename(path, otherComputersNote(id, theirs, named));
    // Taken in once the user pauses typing.
    QTRY_COMPARE_WITH_TIMEOUT(m_sync->conflicts().size(), conflict.isEmpty() ? 0 : 1, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(textOf(mine).replace(QLatin1String("\r\n"), QLatin1String("\n")), expected, 10000);
    m_sync->writeAll();
    QCOMPARE(fileText(path), expected);
    QCOMPARE(m_sync->conflicts().size(), conflict.isEmpty() ? 0 : 1);
    if (!conflict.isEmpty()) {
        Note* other = m_sync->conflicts().first();
        QCOMPARE(textOf(other), conflict);
        QVERIFY(!other->geometry().intersects(mine->geometry())); // beside it, not over it
        QVERIFY(windowOf(other)->findChild<ConflictStrip*>()->isVisible());
        QVERIFY2(other->storage()->conflictText().startsWith(QLatin1String("Changed on laptop at")),
                 qPrintable(other->storage()->conflictText()));
    }
    QVERIFY(!mine->isUnsaved());
}

void TestFolderSync::reloadKeepsTheCaretAndUndo()
{
    Note* note = openWith(QStringLiteral("bbbb"), QStringLiteral("second line\nthird line"));
    NoteTextBox* box = windowOf(note)->textBox();
    box->setFocus();
    QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(box, QStringLiteral(" typed"));
    m_sync->writeAll();
    const QString path = m_folder + QStringLiteral("/bbbb.not");
    const QString base = QString::fromLatin1(VersionStore::versionOf(readAll(path)));
    QTextCursor caret = box->textCursor();
    const int fromEnd = note->text().document()->characterCount() - caret.position();
    arriveByRename(path,
                   otherComputersNote(
                       QStringLiteral("bbbb"), QStringLiteral("first line\nsecond line\nthird line typed"), {base}));
    // Taken in once the user pauses typing.
    QTRY_COMPARE_WITH_TIMEOUT(textOf(note), QStringLiteral("first line\r\nsecond line\r\nthird line typed"), 10000);
    // The caret stayed after "typed"; the next words land there.
    QCOMPARE(note->text().document()->characterCount() - box->textCursor().position(), fromEnd);
    QVERIFY(!note->isUnsaved());
    QVERIFY(!note->title().endsWith(QLatin1Char('*')));
    // Nothing to write back, and Undo does not take back the other computer's words.
    const QDateTime written = QFileInfo(path).lastModified();
    QTest::qWait(30);
    m_sync->writeAll();
    QCOMPARE(QFileInfo(path).lastModified(), written);
    QVERIFY(!note->text().document()->isUndoAvailable());
}

void TestFolderSync::engineConflictCopiesMerge()
{
    Note* note = openWith(QStringLiteral("dddd"), QStringLiteral("one\ntwo\nthree"));
    const QString path = m_folder + QStringLiteral("/dddd.not");
    const QString base = QString::fromLatin1(VersionStore::versionOf(readAll(path)));
    // Two computers changed the note at once; Syncthing kept one as the file and the other as a copy.
    QSignalSpy scanned(m_sync.get(), &FolderSync::scanned);
    arriveByRename(m_folder + QStringLiteral("/dddd.sync-conflict-20261207-101500-ABCDEFG.not"),
                   otherComputersNote(QStringLiteral("dddd"), QStringLiteral("one\ntwo\nthree, from B"), {base}));
    arriveByRename(path, otherComputersNote(QStringLiteral("dddd"), QStringLiteral("one, from A\ntwo\nthree"), {base}));
    QTRY_COMPARE_WITH_TIMEOUT(textOf(note), QStringLiteral("one, from A\r\ntwo\r\nthree, from B"), 10000);
    m_sync->writeAll();
    QCOMPARE(fileText(path), QStringLiteral("one, from A\ntwo\nthree, from B"));
    QCOMPARE(m_sync->conflicts().size(), 0);
    QCOMPARE(QDir(m_folder).entryList({QStringLiteral("*.not")}, QDir::Files), QStringList({"dddd.not"}));
    QCOMPARE(QDir(m_folder + QStringLiteral("/.merged")).entryList(QDir::Files).size(), 1); // kept a while
}

// Two computers apart for a long while (many writes on each side), then their files meet the way Syncthing makes
// them meet: the newer file stays, the other becomes a conflict copy, on both sides. Every word of both is kept.
void TestFolderSync::longSeparationMerges()
{
    Note* a = openWith(QStringLiteral("llll"), QStringLiteral("first line\nsecond line"));
    const QString folderB = m_dir->filePath(QStringLiteral("NotesB"));
    QVERIFY(QDir().mkpath(folderB));
    QVERIFY(QFile::copy(m_folder + QLatin1Char('/') + NotesFolder::kMarkName,
                        folderB + QLatin1Char('/') + NotesFolder::kMarkName));
    QVERIFY(QFile::copy(m_folder + QStringLiteral("/llll.not"), folderB + QStringLiteral("/llll.not")));
    m_sync->setDeviceName(QStringLiteral("desk-a"));
    NoteBoard boardB;
    FolderSync syncB(
        boardB, folderB, m_dir->filePath(QStringLiteral("placesB.ini")), m_dir->filePath(QStringLiteral("versionsB")));
    syncB.setDeviceName(QStringLiteral("desk-b"));
    QSignalSpy scannedB(&syncB, &FolderSync::scanned);
    syncB.start();
    QVERIFY(scannedB.wait(10000));
    Note* b = syncB.noteFor(QStringLiteral("llll"));
    QVERIFY(b);
    QStringList words;
    for (int i = 0; i < 30; ++i) { // thirty writes on each side, apart
        QTextCursor atA(a->text().document()->firstBlock());
        atA.movePosition(QTextCursor::EndOfBlock);
        atA.insertText(QStringLiteral(" a%1").arg(i));
        QTextCursor atB(b->text().document()->lastBlock());
        atB.movePosition(QTextCursor::EndOfBlock);
        atB.insertText(QStringLiteral(" b%1").arg(i));
        words << QStringLiteral("a%1").arg(i) << QStringLiteral("b%1").arg(i);
        m_sync->writeAll();
        syncB.writeAll();
    }
    const auto exchange = [&] {
        // The newer one as the file on both sides, the other as a conflict copy on both sides.
        const QString fileA = m_folder + QStringLiteral("/llll.not");
        const QString fileB = folderB + QStringLiteral("/llll.not");
        const QByteArray bytesA = readAll(fileA);
        const QByteArray bytesB = readAll(fileB);
        if (bytesA == bytesB) {
            return false;
        }
        const bool aNewer = bytesA.indexOf("<MODIFIED>") >= 0
                            && QString::fromUtf8(bytesA).section(QStringLiteral("<MODIFIED>"), 1).left(24)
                                   >= QString::fromUtf8(bytesB).section(QStringLiteral("<MODIFIED>"), 1).left(24);
        const QByteArray& winner = aNewer ? bytesA : bytesB;
        const QByteArray& loser = aNewer ? bytesB : bytesA;
        for (const QString& folder : {m_folder, folderB}) {
            const QString copy = folder + QStringLiteral("/llll.sync-conflict-20261207-101500-ABCDEFG.not");
            QFile out(copy + QStringLiteral(".part"));
            out.open(QIODevice::WriteOnly);
            out.write(loser);
            out.close();
            QFile::remove(copy);
            QFile::rename(out.fileName(), copy);
            QFile file(folder + QStringLiteral("/llll.not.part"));
            file.open(QIODevice::WriteOnly);
            file.write(winner);
            file.close();
            QFile::remove(folder + QStringLiteral("/llll.not"));
            QFile::rename(file.fileName(), folder + QStringLiteral("/llll.not"));
        }
        return true;
    };
    for (int round = 0; round < 6 && exchange(); ++round) {
        QSignalSpy scannedA(m_sync.get(), &FolderSync::scanned);
        m_sync->rescan();
        syncB.rescan();
        QVERIFY(scannedA.wait(10000));
        QVERIFY(scannedB.wait(10000));
        // Each side takes the copy in once the last typing has paused (a slow machine may still be within it).
        const auto copies = [](const QString& folder) {
            return QDir(folder).entryList({QStringLiteral("*.sync-conflict-*")}, QDir::Files);
        };
        QTRY_VERIFY_WITH_TIMEOUT(copies(m_folder).isEmpty() && copies(folderB).isEmpty(), 10000);
        m_sync->writeAll();
        syncB.writeAll();
    }
    QCOMPARE(readAll(m_folder + QStringLiteral("/llll.not")), readAll(folderB + QStringLiteral("/llll.not")));
    const QString text = fileText(m_folder + QStringLiteral("/llll.not"));
    for (const QString& word : words) {
        QVERIFY2(text.contains(QLatin1Char(' ') + word + QLatin1Char(' '))
                     || text.contains(QLatin1Char(' ') + word + QLatin1Char('\n'))
                     || text.endsWith(QLatin1Char(' ') + word),
                 qPrintable(word + QStringLiteral(" is not in: ") + text));
    }
    QCOMPARE(m_sync->conflicts().size(), 0);
    syncB.finish();
    for (Note* note : boardB.notes()) {
        note->discard();
    }
}

void TestFolderSync::conflictChoices_data()
{
    QTest::addColumn<int>("choice"); // a button of the strip; -1: the conflict note closed
    QTest::addColumn<QString>("note");
    QTest::addColumn<QStringList>("notes"); // every note file's text afterwards
    QTest::addColumn<int>("open");          // notes open here afterwards
    QTest::newRow("Keep This Version") << int(ConflictChoice::KeepThis) << "buy bread" << QStringList {"buy bread"}
                                       << 1;
    QTest::newRow("Keep the Other Version")
        << int(ConflictChoice::KeepOther) << "buy cheese" << QStringList {"buy cheese"} << 1;
    QTest::newRow("Keep Both") << int(ConflictChoice::KeepBoth) << "buy cheese"
                               << QStringList {"buy bread", "buy cheese"} << 2;
    QTest::newRow("closed without a choice") << -1 << "buy cheese" << QStringList {"buy bread", "buy cheese"} << 1;
}

void TestFolderSync::conflictChoices()
{
    QFETCH(int, choice);
    QFETCH(QString, note);
    QFETCH(QStringList, notes);
    QFETCH(int, open);
    Note* mine = openWith(QStringLiteral("eeee"), QStringLiteral("buy milk"));
    const QString path = m_folder + QStringLiteral("/eeee.not");
    const QString base = QString::fromLatin1(VersionStore::versionOf(readAll(path)));
    mine->text().setRtf(rtfOf(QStringLiteral("buy cheese")).toLatin1());
    arriveByRename(path, otherComputersNote(QStringLiteral("eeee"), QStringLiteral("buy bread"), {base}));
    QTRY_COMPARE_WITH_TIMEOUT(m_sync->conflicts().size(), 1, 10000);
    NoteWindow* window = windowOf(m_sync->conflicts().first());
    if (choice < 0) {
        QTest::mouseClick(window->findChild<QWidget*>(QStringLiteral("CloseImage")), Qt::LeftButton);
    } else {
        QPushButton* button = window->findChild<ConflictStrip*>()->button(ConflictChoice(choice));
        QVERIFY(button->isVisible());
        QTest::mouseClick(button, Qt::LeftButton);
    }
    QTRY_COMPARE(m_sync->conflicts().size(), 0);
    m_sync->writeAll();
    QCOMPARE(textOf(mine), note);
    QStringList texts;
    for (const QString& name : QDir(m_folder).entryList({QStringLiteral("*.not")}, QDir::Files)) {
        texts << fileText(m_folder + QLatin1Char('/') + name);
    }
    texts.sort();
    QCOMPARE(texts, notes);
    QTRY_COMPARE(m_board->count(), open);
    // Settled: a later reading of the folder brings no conflict back.
    QSignalSpy scanned(m_sync.get(), &FolderSync::scanned);
    m_sync->rescan();
    QVERIFY(scanned.wait(10000));
    QCOMPARE(m_sync->conflicts().size(), 0);
}

void TestFolderSync::typingIntoAConflictIsKept()
{
    Note* mine = openWith(QStringLiteral("ffff"), QStringLiteral("buy milk"));
    const QString path = m_folder + QStringLiteral("/ffff.not");
    const QString base = QString::fromLatin1(VersionStore::versionOf(readAll(path)));
    NoteTextBox* box = windowOf(mine)->textBox();
    box->setFocus();
    QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(box, Qt::Key_Backspace);
    }
    QTest::keyClicks(box, QStringLiteral("cheese"));
    arriveByRename(path, otherComputersNote(QStringLiteral("ffff"), QStringLiteral("buy bread"), {base}));
    QTRY_COMPARE_WITH_TIMEOUT(m_sync->conflicts().size(), 1, 10000);
    Note* conflict = m_sync->conflicts().first();
    NoteTextBox* other = windowOf(conflict)->textBox();
    other->setFocus();
    QTest::keyClick(other, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(other, QStringLiteral(" rolls"));
    QVERIFY(conflict->storage()->holdsUnwritten()); // the recovery journal keeps it meanwhile
    m_sync->finish();                               // the session ends
    QStringList texts;
    for (const QString& name : QDir(m_folder).entryList({QStringLiteral("*.not")}, QDir::Files)) {
        texts << fileText(m_folder + QLatin1Char('/') + name);
    }
    texts.sort();
    QCOMPARE(texts, QStringList({"buy bread rolls", "buy cheese"}));
}

void TestFolderSync::closingWritesAtOnce_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("inTrash");
    QTest::newRow("Yes") << int(Answer::Yes) << false;
    QTest::newRow("No") << int(Answer::No) << true;
}

void TestFolderSync::closingWritesAtOnce()
{
    QFETCH(int, answer);
    QFETCH(bool, inTrash);
    startSync();
    Note* note = m_board->createNote();
    m_sync->adopt(note);
    note->show();
    const QString id = note->folderId();
    NoteTextBox* box = windowOf(note)->textBox();
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("typed just now"));
    FakeDialogs dialogs;
    dialogs.questionAnswers << Answer(answer);
    QVERIFY(note->close()); // at once, before the two seconds pass
    const QString file
        = inTrash ? m_folder + QStringLiteral("/.trash/") + id + QStringLiteral(".not") : m_sync->folder().fileFor(id);
    QCOMPARE(fileText(file), QStringLiteral("typed just now"));
}

void TestFolderSync::unwritableFolderKeepsEveryWord_data()
{
    QTest::addColumn<QString>("fault");
    QTest::newRow("read-only") << "read-only";
    QTest::newRow("full") << "full";
    QTest::newRow("gone") << "gone";
    QTest::newRow("an empty mount point in its place") << "unmounted";
}

void TestFolderSync::unwritableFolderKeepsEveryWord()
{
    QFETCH(QString, fault);
    Note* note = openWith(QStringLiteral("gggg"), QStringLiteral("kept"));
    QSignalSpy notices(m_sync.get(), &FolderSync::notice);
    const QString aside = m_dir->filePath(QStringLiteral("Notes.away"));
    std::unique_ptr<ReadOnlyFolder> readOnly;
    std::unique_ptr<FileSizeLimit> full;
    if (fault == QLatin1String("read-only")) {
        readOnly = std::make_unique<ReadOnlyFolder>(m_folder);
    } else if (fault == QLatin1String("full")) {
        full = std::make_unique<FileSizeLimit>(100);
    } else {
        QVERIFY(QDir().rename(m_folder, aside));
        if (fault == QLatin1String("unmounted")) {
            QDir().mkpath(m_folder);
        }
    }
    note->text().setRtf(rtfOf(QStringLiteral("kept, and every word typed since")).toLatin1());
    m_sync->writeAll();
    QVERIFY(note->storage()->holdsUnwritten());
    QCOMPARE(notices.size(), 1);
    note->text().setRtf(rtfOf(QStringLiteral("kept, and every word typed since, and more")).toLatin1());
    m_sync->writeAll();
    QCOMPARE(notices.size(), 1); // told once
    QVERIFY(!m_sync->isWritable());
    if (fault == QLatin1String("unmounted")) {
        QVERIFY(QDir(m_folder).entryList(QDir::Files | QDir::Hidden).isEmpty()); // nothing written into it
        QDir(m_folder).removeRecursively();
    }
    readOnly.reset();
    full.reset();
    if (QFileInfo::exists(aside)) {
        QVERIFY(QDir().rename(aside, m_folder));
    }
    // The folder is back: the words go there.
    QTRY_VERIFY_WITH_TIMEOUT(m_sync->isWritable(), 2 * FolderSync::kRetryMs + 5000);
    QCOMPARE(fileText(m_folder + QStringLiteral("/gggg.not")),
             QStringLiteral("kept, and every word typed since, and more"));
    QVERIFY(!note->storage()->holdsUnwritten());
}

void TestFolderSync::aLinkIsNeverWritten()
{
    Note* note = openWith(QStringLiteral("hhhh"), QStringLiteral("mine"));
    QTemporaryDir outside;
    const QString target = outside.filePath(QStringLiteral("elsewhere.not"));
    const QString path = m_folder + QStringLiteral("/hhhh.not");
    QVERIFY(QFile::copy(path, target));
    const QByteArray before = readAll(target);
    QVERIFY(QFile::remove(path));
    QVERIFY(QFile::link(target, path));
    note->text().setRtf(rtfOf(QStringLiteral("mine, changed")).toLatin1());
    m_sync->writeAll();
    QTest::qWait(500);
    m_sync->writeAll();
    QCOMPARE(readAll(target), before);
    QVERIFY(QFileInfo(path).isSymLink());
    QVERIFY(note->storage()->holdsUnwritten()); // kept here meanwhile
}

void TestFolderSync::firstMeetingOpensTwenty()
{
    QFile mark(m_folder + QLatin1Char('/') + NotesFolder::kMarkName);
    mark.open(QIODevice::WriteOnly);
    for (int i = 0; i < 30; ++i) {
        NoteRecord note = otherComputersNote(QStringLiteral("n%1").arg(i, 2, 10, QLatin1Char('0')),
                                             QStringLiteral("note %1").arg(i));
        note.identity.modified = QStringLiteral("2026-12-07T09:%1:00.000Z").arg(i, 2, 10, QLatin1Char('0'));
        arriveByRename(m_folder + QLatin1Char('/') + note.identity.id + QStringLiteral(".not"), note);
    }
    m_board->setCollection(m_sync.get());
    m_board->setManagerOpener([this](Note& note) { NoteManagerWindow::open(note, *m_board); });
    QSignalSpy notices(m_sync.get(), &FolderSync::notice);
    startSync();
    QCOMPARE(m_board->count(), FolderSync::kFirstOpened);
    QVERIFY(m_sync->noteFor(QStringLiteral("n29")) && !m_sync->noteFor(QStringLiteral("n09")));
    QCOMPARE(notices.size(), 1);
    QVERIFY(notices.first().at(1).toString().contains(QLatin1String("30")));
    // The others are in the manager: a note's menu opens it on the folder's notes, the newest first.
    QVERIFY(m_sync->noteFor(QStringLiteral("n29"))->run(Command::MultiNoteManager));
    NoteManagerWindow* manager = NoteManagerWindow::current();
    QVERIFY(manager);
    QCOMPARE(manager->list()->count(), 30);
    QCOMPARE(manager->list()->item(0)->text(), QStringLiteral("note 29  (open)"));
    QCOMPARE(manager->list()->item(29)->text(), QStringLiteral("note 0"));
    manager->list()->setCurrentRow(29);
    QCOMPARE(manager->preview()->toPlainText().trimmed(), QStringLiteral("note 0"));
    manager->findChild<QAction*>(QStringLiteral("mnuPreview"))->trigger(); // Show Note: it opens here
    QVERIFY(m_sync->noteFor(QStringLiteral("n00")));
    QCOMPARE(m_board->count(), FolderSync::kFirstOpened + 1);
    FakeDialogs dialogs;
    dialogs.confirmAnswers << true;
    manager->list()->setCurrentRow(28);
    manager->findChild<QAction*>(QStringLiteral("mnuDelete"))->trigger(); // into the folder's trash
    QVERIFY(QFile::exists(m_folder + QStringLiteral("/.trash/n01.not")));
    QCOMPARE(manager->list()->count(), 29);
    delete manager;
}

void TestFolderSync::keptNoteJoinsItsFolderNote()
{
    // The journal kept a note of the folder with words typed just before a crash.
    Note* open = openWith(QStringLiteral("iiii"), QStringLiteral("first\nsecond"));
    const QString path = m_folder + QStringLiteral("/iiii.not");
    NoteRecord kept
        = otherComputersNote(QStringLiteral("iiii"), QStringLiteral("first\nsecond, typed before the crash"));
    Note* back = m_board->createNote(NoteOrigin::Kept);
    QVERIFY(back->setFromRecord(kept, QString()));
    QVERIFY(m_board->count() == 2);
    m_board->setKeptNoteAdopter(
        [this](Note* note, const NoteRecord& record) { return m_sync->adoptKept(note, record); });
    QVERIFY(m_board->adoptKept(back, kept));
    QTRY_COMPARE(m_board->count(), 1); // one window, the folder's
    m_sync->writeAll();
    QCOMPARE(textOf(open), QStringLiteral("first\r\nsecond, typed before the crash"));
    QCOMPARE(fileText(path), QStringLiteral("first\nsecond, typed before the crash"));
}

void TestFolderSync::placeAndOnTopWriteNothing()
{
    Note* note = openWith(QStringLiteral("dddd"), QStringLiteral("stay put"));
    const QString file = m_folder + QStringLiteral("/dddd.not");
    const QByteArray before = readAll(file);
    const QDateTime modified = QFileInfo(file).lastModified();
    QTest::qWait(20);
    note->moveTo(QPoint(6000, 4000));
    note->setOnTop(false);
    m_sync->writeAll();
    QCOMPARE(readAll(file), before);
    QCOMPARE(QFileInfo(file).lastModified(), modified);
    // The place is this computer's: it comes back here.
    m_sync->finish();
    note->discard();
    FolderSync again(
        *m_board, m_folder, m_dir->filePath(QStringLiteral("places.ini")), m_dir->filePath(QStringLiteral("versions")));
    QSignalSpy scanned(&again, &FolderSync::scanned);
    again.start();
    QVERIFY(scanned.wait(10000));
    QCOMPARE(again.noteFor(QStringLiteral("dddd"))->geometry().topLeft(), QPoint(6000, 4000));
    QVERIFY(!again.noteFor(QStringLiteral("dddd"))->isOnTop());
    again.finish();
}

void TestFolderSync::clockNoteWritesNothing()
{
    FakeSystemInfo system;
    QDateTime now(QDate(2026, 12, 7), QTime(15, 4, 5, 999));
    Clock::setSource([&now] { return now; });
    m_board->setSpecialNoteFactory(specialNoteFactory(specialContentFactory(), {}));
    startSync();
    Note* note = m_board->createNote();
    m_sync->adopt(note);
    QVERIFY(note->run(Command::SpecialTime));
    m_sync->writeAll();
    const QString file = m_sync->folder().fileFor(note->folderId());
    const QDateTime written = QFileInfo(file).lastModified();
    const QByteArray bytes = readAll(file);
    for (int second = 0; second < 60; ++second) { // a minute of ticks
        const QString shown = note->text().text();
        now = now.addSecs(1);
        QTRY_VERIFY(note->text().text() != shown);
        m_sync->writeAll();
    }
    QCOMPARE(readAll(file), bytes);
    QCOMPARE(QFileInfo(file).lastModified(), written);
    QVERIFY(bytes.contains("<SPECIALTYPE>")); // the kind is in the file
}

void TestFolderSync::reminderNoteKeepsItsTypedText()
{
    // A reminder note's text is the user's: it reaches the folder like any note's, with the reminder beside it.
    Clock::setSource([] { return QDateTime(QDate(2026, 12, 7), QTime(15, 40)); });
    m_board->setSpecialNoteFactory(specialNoteFactory(specialContentFactory(), {}));
    startSync();
    Note* note = m_board->createNote();
    m_sync->adopt(note);
    FakeDialogs dialogs;
    dialogs.timeAnswers << QTime(16, 0);
    note->run(Command::SpecialReminder);
    note->text().setText(QStringLiteral("bring the umbrella"));
    m_sync->writeAll();
    const QByteArray bytes = readAll(m_sync->folder().fileFor(note->folderId()));
    QVERIFY2(bytes.contains("bring the umbrella"), bytes.constData());
    QVERIFY(bytes.contains("<REMINDERREPEAT>daily</REMINDERREPEAT>"));
    Clock::setSource({});
}

void TestFolderSync::closedWithNoGoesToTheFoldersTrash()
{
    startSync();
    Note* note = m_board->createNote();
    m_sync->adopt(note);
    const QString id = note->folderId();
    note->text().setText(QStringLiteral("let go of"));
    FakeDialogs dialogs;
    dialogs.questionAnswers << Answer::No;
    QVERIFY(note->close());
    QVERIFY(!QFile::exists(m_sync->folder().fileFor(id)));
    const QString trashed = m_folder + QStringLiteral("/.trash/") + id + QStringLiteral(".not");
    QVERIFY(QFile::exists(trashed));
    // Restored from the trash window, it opens again, with what it showed when it was closed.
    TrashList trash(*m_board, m_dir->filePath(QStringLiteral("trash.dat")), m_folder + QStringLiteral("/.trash"));
    QCOMPARE(trash.notes().size(), 1);
    QVERIFY2(trash.entries().first().endsWith(QLatin1String("the notes folder\nlet go of")),
             qPrintable(trash.entries().first()));
    trash.restore(0);
    QVERIFY(!QFile::exists(trashed));
    QTRY_VERIFY_WITH_TIMEOUT(m_sync->noteFor(id), 10000);
    QCOMPARE(textOf(m_sync->noteFor(id)), QStringLiteral("let go of"));
}

QTEST_MAIN(TestFolderSync)
#include "tst_foldersync.moc"
