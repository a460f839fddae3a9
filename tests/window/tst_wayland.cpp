// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// The note window on native Wayland, where the compositor places windows and reports no place: a drag leaves the
// move to the compositor, no place the note did not come with is ever written, and what the platform cannot do
// (stay on top, translucency) shows unavailable.
#include "drawnparts.h"
#include "fakedialogs.h"
#include "note/noteboard.h"
#include "note/notetext.h"
#include "notes/notestore.h"
#include "samplenotes.h"
#include "window/notemenus.h"
#include "window/notewindow.h"

#include <QAction>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>

using namespace jotlet;

class TestWayland : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void placesAreNeverInvented();
    void whatThePlatformCannotDoShowsUnavailable();

private:
    QTemporaryDir m_dir;
};

void TestWayland::initTestCase()
{
    QVERIFY(QGuiApplication::platformName().startsWith(QLatin1String("wayland")));
}

void TestWayland::placesAreNeverInvented()
{
    const QString file = m_dir.filePath(QStringLiteral("placed.not"));
    QVERIFY(saveNoteFile(sampleNote(QStringLiteral("placed"), QStringLiteral("yellow"), QRect(3000, 2000, 3000, 2500)),
                         file));
    FakeDialogs dialogs;
    NoteBoard board;
    NoteWindow* window = nullptr;
    board.setViewFactory([&window](Note* note) { window = new NoteWindow(note); });
    Note* note = board.createNote(NoteOrigin::OpenedFile);
    QVERIFY(note->setFromRecord(loadNoteFile(file).first(), file));
    note->setSavedAs(file);
    note->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    // The caption dragged: the compositor is asked to move the window; the note's own place stays.
    const QPoint caption = window->mapFromGlobal(drawnCentre(window, QStringLiteral("Note title")));
    QTest::mousePress(window, Qt::LeftButton, {}, caption);
    for (int step = 1; step <= 20; ++step) {
        QTest::mouseMove(window, caption + QPoint(5 * step, 3 * step));
    }
    QTest::mouseRelease(window, Qt::LeftButton, {}, caption + QPoint(100, 60));
    QTest::qWait(300);
    note->text().setText(QStringLiteral("changed"));
    note->run(Command::Save);
    const QString other = m_dir.filePath(QStringLiteral("other.not"));
    dialogs.fileAnswers << other;
    note->run(Command::SaveAs);
    for (const NoteRecord& kept : {loadNoteFile(file).first(), loadNoteFile(other).first(), note->sessionRecord()}) {
        QCOMPARE(QPoint(kept.left, kept.top), QPoint(3000, 2000));
    }
    note->discard();
}

void TestWayland::whatThePlatformCannotDoShowsUnavailable()
{
    Note note;
    NoteMenus menus;
    menus.showStateOf(note);
    QVERIFY(!menus.item(QStringLiteral("mnuTop"))->isEnabled());
    QVERIFY(!menus.item(QStringLiteral("mnuTransparentMain"))->isEnabled());
}

QTEST_MAIN(TestWayland)
#include "tst_wayland.moc"
