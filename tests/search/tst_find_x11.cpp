// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// Find in Notes on a real X server: three notes open and a file of three notes opened earlier and closed; Ctrl+Shift+F
// in a note opens the window, a word typed there lists the closed file's second note (and its copy closed with "No",
// from the trash), and Enter opens that note with the word selected.
#include "fakedialogs.h"
#include "freshfolders.h"
#include "manager/findwindow.h"
#include "note/noteboard.h"
#include "note/notetext.h"
#include "notes/notestore.h"
#include "notes/trash.h"
#include "samplenotes.h"
#include "search/notesearch.h"
#include "window/notetextbox.h"
#include "window/notewindow.h"
#include "xtools.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace jotlet;

class TestFindX11 : public QObject
{
    Q_OBJECT

private slots:
    void init() { startFromEmptyFolders(); }
    void findsANoteInAClosedFile();
};

namespace {

// Clicks into the Find window's field and types there, as a person does once a note they chose is in front.
void typeIntoFind(FindWindow* find, const QString& text)
{
    find->field()->clear();
    const QPoint field = find->field()->mapToGlobal(find->field()->rect().center());
    runTool(QStringLiteral("xdotool"),
            {QStringLiteral("mousemove"),
             QString::number(field.x()),
             QString::number(field.y()),
             QStringLiteral("click"),
             QStringLiteral("1")});
    QTRY_VERIFY(find->field()->hasFocus());
    runTool(QStringLiteral("xdotool"), {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), text});
    QTRY_COMPARE(find->field()->text(), text);
}

} // namespace

void TestFindX11::findsANoteInAClosedFile()
{
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("three.not"));
    QVERIFY(saveNotesFile({sampleNote(QStringLiteral("first: tickets")),
                           sampleNote(QStringLiteral("second: the kumquat recipe"), QStringLiteral("blue")),
                           sampleNote(QStringLiteral("third: passwords hint"))},
                          file));
    NoteBoard board;
    SearchIndex index(folder.filePath(QStringLiteral("cache/search.cache")));
    QList<NoteWindow*> windows;
    board.setViewFactory([&windows](Note* note) { windows << new NoteWindow(note); });
    board.setFinderOpener([&board, &index](Note* note) { FindWindow::open(note, board, index); });
    FakeDialogs dialogs;
    for (int i = 0; i < 3; ++i) {
        Note* note = board.createNote();
        note->setSaveNewNoteOnClose(false);
        note->setGeometry(QRect(1500 + 4500 * i, 1500, 4000, 3000));
        note->text().setText(QStringLiteral("open note %1").arg(i));
        note->show();
    }
    // The file opened from the first note, then its three notes closed.
    dialogs.fileAnswers << file;
    board.notes().first()->run(Command::OpenNote);
    QTRY_COMPARE(board.count(), 6);
    for (Note* note : board.notes().mid(3)) {
        dialogs.questionAnswers << Answer::No;
        QVERIFY(note->close());
    }
    QTRY_COMPARE(board.count(), 3);
    QVERIFY(QTest::qWaitForWindowExposed(windows.first()));

    typeInto(QString::number(windows.first()->winId()), QString());
    pressKeys(QStringLiteral("ctrl+shift+f"));
    QTRY_VERIFY_WITH_TIMEOUT(FindWindow::current() && FindWindow::current()->isActiveWindow(), 10000);
    FindWindow* find = FindWindow::current();
    typeInto(QString::number(find->winId()), QStringLiteral("kumquat"));
    QTRY_COMPARE_WITH_TIMEOUT(find->field()->text(), QStringLiteral("kumquat"), 10000);
    // The file's note, and the copy of it closed with "No" in the trash.
    QTRY_COMPARE_WITH_TIMEOUT(find->list()->count(), 2, 20000);
    QCOMPARE(find->search().results().at(0).where, QStringLiteral("three.not, note 2"));
    QCOMPARE(find->search().results().at(1).where, QStringLiteral("Trash"));
    QTest::qWait(300); // painted
    screenshot(QStringLiteral("find-in-notes"));
    pressKeys(QStringLiteral("Return"));
    QTRY_COMPARE_WITH_TIMEOUT(board.count(), 4, 10000);
    Note* opened = board.notes().last();
    QCOMPARE(opened->colorText(), QStringLiteral("blue"));
    QVERIFY(QTest::qWaitForWindowExposed(windows.last()));
    QTRY_VERIFY_WITH_TIMEOUT(windows.last()->isActiveWindow(), 10000);
    // The match is selected where the user sees it: in the note's window.
    QCOMPARE(windows.last()->textBox()->textCursor().selectedText(), QStringLiteral("kumquat"));

    // Chosen again, the same note comes forward; no second copy.
    typeInto(QString::number(find->winId()), QString());
    find->list()->setCurrentRow(0);
    pressKeys(QStringLiteral("Return"));
    QTest::qWait(500);
    QCOMPARE(board.count(), 4);
    // The trash's copy, chosen, comes back out of the trash, and the trash no longer lists it.
    typeInto(QString::number(find->winId()), QString());
    QTRY_COMPARE_WITH_TIMEOUT(find->list()->count(), 2, 10000);
    find->list()->setCurrentRow(1);
    QCOMPARE(find->search().results().at(1).where, QStringLiteral("Trash"));
    pressKeys(QStringLiteral("Return"));
    QTRY_COMPARE_WITH_TIMEOUT(board.count(), 5, 10000);
    QVERIFY(QTest::qWaitForWindowActive(windows.last())); // in front, with the keyboard
    for (const NoteRecord& trashed : Trash().notes(QDateTime::currentDateTime())) {
        QVERIFY(!trashed.data.contains(QLatin1String("kumquat")));
    }

    // A note both open and stored is listed once, the open one: the file's first note, opened from its hit.
    typeIntoFind(find, QStringLiteral("tickets"));
    QTRY_COMPARE_WITH_TIMEOUT(find->list()->count(), 1, 10000);
    pressKeys(QStringLiteral("Return"));
    QTRY_COMPARE_WITH_TIMEOUT(board.count(), 6, 10000);
    QCOMPARE(board.notes().last()->filePath(), file); // the file's own note, not a copy
    typeIntoFind(find, QStringLiteral("tickets"));
    QTRY_COMPARE_WITH_TIMEOUT(find->search().results().size(), 1, 10000);
    QCOMPARE(find->search().results().first().place, SearchResult::Place::Open);
    find->close();
    for (Note* note : board.notes()) {
        note->discard();
    }
}

QTEST_MAIN(TestFindX11)
#include "tst_find_x11.moc"
