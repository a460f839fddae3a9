// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// The multi-note manager without a screen: listing a file's notes, opening one as a note of its own, deleting with
// its questions and its reordering, a delete that fails on a read-only folder or a full disk, and following a file
// that changes on disk.
#include "fakedialogs.h"
#include "filefaults.h"
#include "manager/notemanager.h"
#include "manager/notemanagerwindow.h"
#include "note/noteboard.h"
#include "note/notetext.h"
#include "notes/notestore.h"
#include "samplenotes.h"
#include "testdata.h"

#include <QDir>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

using namespace jotlet;

namespace {

QStringList firstLines(const NoteList& notes)
{
    QStringList lines;
    for (const NoteRecord& note : notes) {
        lines << note.data.section(QLatin1Char(' '), 1).section(QLatin1Char('\\'), 0, 0);
    }
    return lines;
}

} // namespace

class TestNoteManager : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void listsAndPreviews();
    void deleteQuestions_data();
    void deleteQuestions();
    void showNoteOpensACopy();
    void failedDeleteChangesNothing_data();
    void failedDeleteChangesNothing();
    void followsTheFileOnDisk();

private:
    QTemporaryDir m_folder;
    QString m_file;
};

void TestNoteManager::init()
{
    m_file = m_folder.filePath(QStringLiteral("three.not"));
    QVERIFY(
        saveNotesFile({sampleNote(QStringLiteral("first milk"), QStringLiteral("blue"), QRect(300, 400, 3000, 2500)),
                       sampleNote(QStringLiteral("second eggs"), QStringLiteral("green")),
                       sampleNote(QStringLiteral("third bread"))},
                      m_file));
}

void TestNoteManager::listsAndPreviews()
{
    NoteBoard board;
    NoteManager manager(board);
    manager.refresh(m_file);
    QCOMPARE(manager.entries(), QStringList({"Note 1  first milk", "Note 2  second eggs", "Note 3  third bread"}));
    QCOMPARE(manager.selected(), 0);

    FakeDialogs dialogs;
    manager.refresh(); // the open question cancelled: the list stays
    QCOMPARE(manager.entries().size(), 3);

    Note note;
    NoteManagerWindow* window = NoteManagerWindow::open(note, board);
    window->manager().refresh(m_file);
    window->list()->setCurrentRow(1);
    QCOMPARE(window->preview()->toPlainText().trimmed(), QStringLiteral("second eggs"));
    window->close();
}

void TestNoteManager::deleteQuestions_data()
{
    QTest::addColumn<int>("notes");
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("confirmed");
    QTest::addColumn<QStringList>("left");
    QTest::newRow("the first of three: the last takes its place")
        << 3 << 0 << true << QStringList {"third bread", "second eggs"};
    QTest::newRow("the last of three") << 3 << 2 << true << QStringList {"first milk", "second eggs"};
    QTest::newRow("cancelled") << 3 << 1 << false << QStringList {"first milk", "second eggs", "third bread"};
    QTest::newRow("the only note") << 1 << 0 << true << QStringList {"first milk"};
}

void TestNoteManager::deleteQuestions()
{
    QFETCH(int, notes);
    QFETCH(int, index);
    QFETCH(bool, confirmed);
    QFETCH(QStringList, left);
    if (notes == 1) {
        QVERIFY(saveNotesFile({sampleNote(QStringLiteral("first milk"))}, m_file));
    }
    const QByteArray before = fileBytes(m_file);
    NoteBoard board;
    NoteManager manager(board);
    manager.refresh(m_file);
    manager.select(index);
    FakeDialogs dialogs;
    dialogs.confirmAnswers << confirmed;
    const bool deleted = manager.deleteNote(index);
    QCOMPARE(deleted, notes > 1 && confirmed);
    QCOMPARE(firstLines(loadNoteFile(m_file)), left);
    QCOMPARE(firstLines(manager.notes()), left);
    if (!deleted) {
        QCOMPARE(fileBytes(m_file), before);
    }
    QCOMPARE(dialogs.notices,
             notes == 1 ? QStringList {"The last note in a Jotlet file can not be deleted."} : QStringList());
    QCOMPARE(dialogs.confirmations,
             notes == 1 ? QStringList() : QStringList {"Confirm Delete|Are you sure you want to delete this note?"});
    QCOMPARE(manager.selected(), qMin(index, int(left.size()) - 1)); // the selection stays where it was
    QCOMPARE(QDir(m_folder.path()).entryList(QDir::Files), QStringList {"three.not"}); // nothing else left behind
}

void TestNoteManager::showNoteOpensACopy()
{
    NoteBoard board;
    NoteManager manager(board);
    manager.refresh(m_file);
    Note* note = manager.showNote();
    QVERIFY(note);
    QCOMPARE(note->text().text(), QStringLiteral("first milk"));
    QCOMPARE(note->colorText(), QStringLiteral("blue"));
    QCOMPARE(note->geometry(), QRect(300, 400, 3000, 2500));
    QCOMPARE(note->subCaption(), QStringLiteral("12/6/2026 3:04:05 PM"));
    QVERIFY(note->isUnsaved());
    QVERIFY(note->filePath().isEmpty()); // a copy: saving asks for a file
}

void TestNoteManager::failedDeleteChangesNothing_data()
{
    QTest::addColumn<bool>("fullDisk");
    QTest::newRow("read-only folder") << false;
    QTest::newRow("full disk") << true;
}

void TestNoteManager::failedDeleteChangesNothing()
{
    QFETCH(bool, fullDisk);
    const QByteArray before = fileBytes(m_file);
    NoteBoard board;
    NoteManager manager(board);
    manager.refresh(m_file);
    FakeDialogs dialogs;
    dialogs.confirmAnswers << true;
    {
        std::optional<ReadOnlyFolder> readOnly;
        std::optional<FileSizeLimit> full;
        if (fullDisk) {
            full.emplace(100);
        } else {
            readOnly.emplace(m_folder.path());
        }
        QVERIFY(!manager.deleteNote(0));
    }
    QCOMPARE(fileBytes(m_file), before);
    QCOMPARE(manager.notes().size(), 3);
    QCOMPARE(dialogs.warnings.size(), 1);
    QVERIFY(dialogs.warnings.first().startsWith(QLatin1String("Jotlet Delete|The note could not be deleted")));
    QCOMPARE(QDir(m_folder.path()).entryList(QDir::Files), QStringList {"three.not"});
}

void TestNoteManager::followsTheFileOnDisk()
{
    NoteBoard board;
    NoteManager manager(board);
    manager.refresh(m_file);
    manager.select(2);
    QVERIFY(appendToNoteFile(sampleNote(QStringLiteral("fourth jam")), m_file)); // another note appends to it
    QTRY_COMPARE(manager.notes().size(), 4);
    QCOMPARE(manager.selected(), 2);
    QVERIFY(appendToNoteFile(sampleNote(QStringLiteral("fifth tea")), m_file)); // still followed after a replace
    QTRY_COMPARE(manager.notes().size(), 5);
}

QTEST_MAIN(TestNoteManager)
#include "tst_notemanager.moc"
