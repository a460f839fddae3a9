// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// The multi-note manager on a real X server: it opens from an always-on-top note and stands above it as a window of
// that note, lists a file of three notes, previews the second on its own colour and opens it as a note window at
// its stored place.
#include "fakedialogs.h"
#include "freshfolders.h"
#include "manager/notemanagerwindow.h"
#include "note/noteboard.h"
#include "note/notetext.h"
#include "note/screens.h"
#include "notes/notestore.h"
#include "samplenotes.h"
#include "window/notewindow.h"
#include "xtools.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

using namespace jotlet;

class TestManagerX11 : public QObject
{
    Q_OBJECT

private slots:
    void init() { startFromEmptyFolders(); }
    void opensAboveAnOnTopNoteAndShowsANote();
};

void TestManagerX11::opensAboveAnOnTopNoteAndShowsANote()
{
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("three.not"));
    QVERIFY(saveNotesFile({sampleNote(QStringLiteral("first")),
                           sampleNote(QStringLiteral("second"), QStringLiteral("green"), QRect(9000, 6000, 3000, 2400)),
                           sampleNote(QStringLiteral("third"))},
                          file));
    NoteBoard board;
    QList<NoteWindow*> windows;
    board.setViewFactory([&windows](Note* note) { windows << new NoteWindow(note); });
    board.setManagerOpener([&board](Note& note) { NoteManagerWindow::open(note, board); });
    Note* note = board.createNote();
    note->setSaveNewNoteOnClose(false);
    note->setGeometry(QRect(1500, 1500, 4500, 4500));
    note->show();
    note->setOnTop(true);
    QVERIFY(QTest::qWaitForWindowExposed(windows.first()));
    QTRY_VERIFY_WITH_TIMEOUT(wmState(windows.first()->winId()).contains(QLatin1String("_NET_WM_STATE_ABOVE")), 5000);

    windows.first()->runCommand({Command::MultiNoteManager});
    NoteManagerWindow* manager = NoteManagerWindow::current();
    QVERIFY(manager && QTest::qWaitForWindowExposed(manager));
    QTest::qWait(500); // mapped and stacked by the window manager
    const QStringList stacking = stackingOrder();
    QVERIFY2(stacking.indexOf(QString::number(manager->winId()))
                 > stacking.indexOf(QString::number(windows.first()->winId())),
             qPrintable(stacking.join(QLatin1Char(' '))));
    QVERIFY(wmState(windows.first()->winId()).contains(QLatin1String("_NET_WM_STATE_ABOVE"))); // on top again
    const QString transientFor
        = runTool(QStringLiteral("xprop"),
                  {QStringLiteral("-id"), QString::number(manager->winId()), QStringLiteral("WM_TRANSIENT_FOR")});
    QVERIFY2(transientFor.endsWith(QStringLiteral("0x%1").arg(windows.first()->winId(), 0, 16)),
             qPrintable(transientFor));

    FakeDialogs dialogs;
    dialogs.fileAnswers << file;
    manager->findChild<QAction*>(QStringLiteral("mnuOpen"))->trigger();
    QCOMPARE(manager->list()->count(), 3);
    manager->list()->setCurrentRow(1);
    // The preview shows the note on its own colour.
    const auto* preview = manager->findChild<QTextEdit*>(QStringLiteral("rtbPreview"));
    QCOMPARE(preview->palette().color(QPalette::Base), QColor(0xAB, 0xFF, 0xCC));
    QCOMPARE(preview->palette().color(QPalette::Text), QColor(Qt::black));
    manager->findChild<QAction*>(QStringLiteral("mnuPreview"))->trigger();
    QCOMPARE(windows.size(), 2);
    NoteWindow* shown = windows.last();
    QVERIFY(QTest::qWaitForWindowExposed(shown));
    QTRY_COMPARE(shown->geometry(), toPixels(QRect(9000, 6000, 3000, 2400), twipsPerPixel(shown->screen())));
    QCOMPARE(shown->note()->text().text(), QStringLiteral("second"));
    screenshot(QStringLiteral("note-manager"));
    manager->close();
    for (Note* each : board.notes()) {
        each->discard();
    }
}

QTEST_MAIN(TestManagerX11)
#include "tst_manager_x11.moc"
