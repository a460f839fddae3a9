// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// A note window on a real X server: a right click on the text opens the selection menu or the main menu at the
// pointer, and on the sub-caption its own menu; a held key acts once and Esc that closes a menu only closes the
// menu; a question of an on-top note stands above it and belongs to it; a rolled-up note is its icon alone;
// "Always on Top" sets and clears _NET_WM_STATE_ABOVE on the same native window; a dropped text file opens in a
// new note beside.
// Screenshots of the main menu, a rolled-up note and the save question go to build/screenshots.
#include "dialogs/qtdialogs.h"
#include "drawnparts.h"
#include "freshfolders.h"
#include "note/noteboard.h"
#include "note/notetext.h"
#include "support/appinfo.h"
#include "window/notemenus.h"
#include "window/notetextbox.h"
#include "window/notewindow.h"
#include "xtools.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>

#ifdef JOTLET_HAVE_XCB
#include <xcb/xcb.h>

#include <cstdlib>
#endif

using namespace jotlet;

namespace {

void xdotool(const QStringList& arguments)
{
    runTool(QStringLiteral("xdotool"), arguments);
}

void moveMouseTo(const QPoint& at)
{
    xdotool({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y())});
}

} // namespace

class TestMenusX11 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void rightClickOpensTheMenuAtThePointer_data();
    void rightClickOpensTheMenuAtThePointer();
    void alwaysOnTopOnTheSameWindow();
    void droppedTextFileOpensInANewNote();
    void subCaptionOpensTheCaptionMenu();
    void heldKeyActsOnce();
    void escapeClosingTheMenuLeavesTheNote();
    void keyboardMenuOpensAtTheCaret();
    void questionStandsAboveItsNote();
    void aboutStandsAboveItsNote();
    void helpButtonOpensTheHelp();
    void newNotesNeverCoverEachOther();
    void keyboardMoveShowsACue();
    void rolledUpNoteIsItsIcon();
    void captionTakesTheLeftButtonOnly();
    void transparencyNeedsACompositor();

private:
    NoteBoard m_board;
    Note* m_note = nullptr;
    NoteWindow* m_window = nullptr;
};

void TestMenusX11::initTestCase()
{
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    installQtDialogs(); // the real question and about boxes
}

void TestMenusX11::init()
{
    startFromEmptyFolders();
    m_board.setViewFactory([this](Note* note) { m_window = new NoteWindow(note); });
    m_note = m_board.createNote();
    m_note->setSaveNewNoteOnClose(false);
    m_note->setGeometry(QRect(4500, 3000, 6000, 4500));
    m_note->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    m_window->activateWindow();
    QTest::qWait(200);
}

void TestMenusX11::cleanup()
{
    if (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
    }
    m_note->discard();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestMenusX11::rightClickOpensTheMenuAtThePointer_data()
{
    QTest::addColumn<bool>("selected");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("menu"); // empty: none opens
    QTest::newRow("two words selected") << true << "3"
                                        << "mnuPopUpSelect";
    QTest::newRow("nothing selected") << false << "3"
                                      << "mnuPopUpMenu";
    QTest::newRow("left click opens nothing") << false << "1"
                                              << "";
}

void TestMenusX11::rightClickOpensTheMenuAtThePointer()
{
    QFETCH(bool, selected);
    QFETCH(QString, button);
    QFETCH(QString, menu);
    NoteTextBox* box = m_window->textBox();
    m_note->text().setText(QStringLiteral("two words"));
    m_note->text().setSelStart(0);
    m_note->text().setSelLength(selected ? 9 : 0);
    // Below the text, so that the click keeps the selection.
    const QPoint pointer
        = box->viewport()->mapToGlobal(QPoint(box->viewport()->width() / 2, box->viewport()->height() - 10));
    xdotool({QStringLiteral("mousemove"), QString::number(pointer.x()), QString::number(pointer.y())});
    xdotool({QStringLiteral("click"), button});
    if (menu.isEmpty()) {
        QTest::qWait(500);
        QVERIFY(!QApplication::activePopupWidget());
        return;
    }
    QTRY_VERIFY_WITH_TIMEOUT(QApplication::activePopupWidget(), 5000);
    QWidget* popup = QApplication::activePopupWidget();
    QCOMPARE(popup->objectName(), menu);
    // At the pointer: opening down from it, or, where there is no room below, up from it or moved just enough
    // to fit on the screen.
    const QRect area = popup->screen()->availableGeometry();
    const bool atPointer = qAbs(popup->y() - pointer.y()) <= 4;
    const bool openedUpward = qAbs(popup->geometry().bottom() + 1 - pointer.y()) <= 4;
    const bool movedUpToFit = popup->geometry().bottom() >= area.bottom() - 4 && popup->y() < pointer.y();
    // Taller than the room on either side of the pointer: on the screen, beside the pointer.
    const bool keptOnScreen
        = area.contains(popup->geometry()) && popup->y() <= pointer.y() && popup->geometry().bottom() >= pointer.y();
    QVERIFY2(qAbs(popup->x() - pointer.x()) <= 4 && (atPointer || openedUpward || movedUpToFit || keptOnScreen),
             qPrintable(QStringLiteral("menu at %1,%2 (%3 high), pointer at %4,%5")
                            .arg(popup->x())
                            .arg(popup->y())
                            .arg(popup->height())
                            .arg(pointer.x())
                            .arg(pointer.y())));
}

void TestMenusX11::alwaysOnTopOnTheSameWindow()
{
    const WId id = m_window->winId();
    QTRY_VERIFY_WITH_TIMEOUT(wmState(id).contains(QLatin1String("_NET_WM_STATE_ABOVE")), 5000);
    m_window->runCommand({Command::AlwaysOnTop});
    QTRY_VERIFY_WITH_TIMEOUT(!wmState(id).contains(QLatin1String("_NET_WM_STATE_ABOVE")), 5000);
    m_window->runCommand({Command::AlwaysOnTop});
    QTRY_VERIFY_WITH_TIMEOUT(wmState(id).contains(QLatin1String("_NET_WM_STATE_ABOVE")), 5000);
    QCOMPARE(m_window->winId(), id);
}

void TestMenusX11::droppedTextFileOpensInANewNote()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("todo.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("dropped text");
    file.close();
    m_note->text().setText(QStringLiteral("old"));

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QWidget* target = m_window->textBox()->viewport();
    const QPointF at(20, 20);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDragMoveEvent move(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);

    QCOMPARE(m_note->text().text(), QStringLiteral("old")); // kept: the file opens in a note of its own
    QTRY_COMPARE_WITH_TIMEOUT(m_board.count(), 2, 5000);
    Note* opened = m_board.notes().last();
    QCOMPARE(opened->text().text(), QStringLiteral("dropped text"));
    QVERIFY(opened->isUnsaved());
    auto* window = qobject_cast<QWidget*>(opened->dialogOwner());
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QVERIFY(drawnText(window, QStringLiteral("Note title")).endsWith(QLatin1Char('*')));
    QCOMPARE(drawnText(window, QStringLiteral("Note caption")), QStringLiteral("From todo.txt"));
    opened->discard();
}

void TestMenusX11::subCaptionOpensTheCaptionMenu()
{
    m_note->text().setText(QStringLiteral("three little words"));
    moveMouseTo(drawnCentre(m_window, QStringLiteral("Note caption")));
    xdotool({QStringLiteral("click"), QStringLiteral("3")});
    QTRY_VERIFY_WITH_TIMEOUT(QApplication::activePopupWidget(), 5000);
    QCOMPARE(QApplication::activePopupWidget()->objectName(), QStringLiteral("mnuPopupCaption"));
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QAction* wordCount = NoteMenus::shared().item(QStringLiteral("mnuCaptionType(1)"));
    moveMouseTo(menu->mapToGlobal(menu->actionGeometry(wordCount).center()));
    xdotool({QStringLiteral("click"), QStringLiteral("1")});
    QTRY_COMPARE_WITH_TIMEOUT(
        drawnText(m_window, QStringLiteral("Note caption")), QStringLiteral("Word Count: 3"), 5000);
}

void TestMenusX11::heldKeyActsOnce()
{
    // Ctrl+N held for a second and a half, with the server's key repeat on: one new note.
    runTool(QStringLiteral("xset"), {QStringLiteral("r"), QStringLiteral("on")});
    xdotool({QStringLiteral("keydown"), QStringLiteral("ctrl")});
    xdotool({QStringLiteral("keydown"), QStringLiteral("n")});
    QTest::qWait(1500);
    xdotool({QStringLiteral("keyup"), QStringLiteral("n")});
    xdotool({QStringLiteral("keyup"), QStringLiteral("ctrl")});
    QTest::qWait(500);
    QCOMPARE(m_board.count(), 2);
    m_board.notes().last()->discard();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestMenusX11::escapeClosingTheMenuLeavesTheNote()
{
    const QSize size = m_window->size();
    const QPoint inside = m_window->textBox()->viewport()->mapToGlobal(QPoint(30, 30));
    moveMouseTo(inside);
    xdotool({QStringLiteral("click"), QStringLiteral("3")});
    QTRY_VERIFY_WITH_TIMEOUT(QApplication::activePopupWidget(), 5000);
    QTest::qWait(300); // painted
    screenshot(QStringLiteral("main-menu"));
    // As a person presses it: the menu closes on the press, the release comes a moment later to the note.
    xdotool({QStringLiteral("keydown"), QStringLiteral("Escape")});
    QTRY_VERIFY_WITH_TIMEOUT(!QApplication::activePopupWidget(), 5000);
    QTest::qWait(200);
    xdotool({QStringLiteral("keyup"), QStringLiteral("Escape")});
    QTest::qWait(300);
    QCOMPARE(m_window->size(), size);
    QVERIFY(!m_note->isRolledUp());
}

void TestMenusX11::keyboardMenuOpensAtTheCaret()
{
    // Shift+F10 with the pointer far away: the menu opens inside the note, at the caret, for a screen reader's user
    // as for anyone at the keyboard.
    QCOMPARE(m_window->textBox()->accessibleName(), QStringLiteral("Note text"));
    moveMouseTo(QPoint(1270, 790));
    typeInto(QString::number(m_window->winId()), QStringLiteral("ab"));
    pressKeys(QStringLiteral("shift+F10"));
    QTRY_VERIFY_WITH_TIMEOUT(QApplication::activePopupWidget(), 5000);
    const QPoint at = QApplication::activePopupWidget()->pos();
    const QRect note = m_window->frameGeometry();
    QVERIFY2(note.contains(at),
             qPrintable(QStringLiteral("menu at %1,%2, note at %3,%4 %5x%6")
                            .arg(at.x())
                            .arg(at.y())
                            .arg(note.x())
                            .arg(note.y())
                            .arg(note.width())
                            .arg(note.height())));
    pressKeys(QStringLiteral("Escape"));
    QTRY_VERIFY_WITH_TIMEOUT(!QApplication::activePopupWidget(), 5000);
}

void TestMenusX11::questionStandsAboveItsNote()
{
    m_note->setSaveNewNoteOnClose(true);
    m_note->text().setText(QStringLiteral("Buy milk and eggs"));
    QTRY_VERIFY_WITH_TIMEOUT(wmState(m_window->winId()).contains(QLatin1String("_NET_WM_STATE_ABOVE")), 5000);
    QString transientFor;
    QStringList stacking;
    QString boxId;
    QString detail;
    QTimer::singleShot(0, this, [&] {
        QTRY_VERIFY_WITH_TIMEOUT(QApplication::activeModalWidget(), 5000);
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QTest::qWait(500); // mapped and stacked by the window manager
        transientFor
            = runTool(QStringLiteral("xprop"),
                      {QStringLiteral("-id"), QString::number(box->winId()), QStringLiteral("WM_TRANSIENT_FOR")});
        stacking = stackingOrder();
        boxId = QString::number(box->winId());
        detail = box->informativeText();
        screenshot(QStringLiteral("perform-save"));
        box->done(QMessageBox::Cancel);
    });
    QVERIFY(!m_note->close()); // Cancel: the note stays
    QVERIFY2(transientFor.contains(QStringLiteral("0x%1").arg(m_window->winId(), 0, 16)), qPrintable(transientFor));
    const qsizetype noteAt = stacking.indexOf(QString::number(m_window->winId()));
    const qsizetype boxAt = stacking.indexOf(boxId);
    QVERIFY2(noteAt >= 0 && boxAt > noteAt, qPrintable(stacking.join(QLatin1Char(' '))));
    QCOMPARE(detail, QStringLiteral("\u201CBuy milk and eggs\u201D"));
}

void TestMenusX11::aboutStandsAboveItsNote()
{
    QTRY_VERIFY_WITH_TIMEOUT(wmState(m_window->winId()).contains(QLatin1String("_NET_WM_STATE_ABOVE")), 5000);
    QStringList stacking;
    QString aboutId;
    QTimer::singleShot(0, this, [&] {
        QTRY_VERIFY_WITH_TIMEOUT(QApplication::activeModalWidget(), 5000);
        QWidget* about = QApplication::activeModalWidget();
        QTest::qWait(500); // mapped and stacked by the window manager
        stacking = stackingOrder();
        aboutId = QString::number(about->winId());
        screenshot(QStringLiteral("about"));
        QTest::mouseClick(about->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    });
    m_window->runCommand({Command::ShowAbout});
    const qsizetype noteAt = stacking.indexOf(QString::number(m_window->winId()));
    QVERIFY2(noteAt >= 0 && stacking.indexOf(aboutId) > noteAt, qPrintable(stacking.join(QLatin1Char(' '))));
    QTRY_VERIFY_WITH_TIMEOUT(wmState(m_window->winId()).contains(QLatin1String("_NET_WM_STATE_ABOVE")), 5000);
}

void TestMenusX11::helpButtonOpensTheHelp()
{
    QWidget* help = m_window->findChild<QWidget*>(QStringLiteral("imgHelp"));
    QVERIFY(help);
    QString shown;
    // The window runs its own event loop: it is read and closed from a timer that fires in that loop.
    QTimer watch;
    connect(&watch, &QTimer::timeout, this, [&] {
        QWidget* window = QApplication::activeModalWidget();
        if (!window || !window->isActiveWindow()) {
            return;
        }
        watch.stop();
        QTest::qWait(300);
        screenshot(QStringLiteral("help"));
        if (auto* text = window->findChild<QTextBrowser*>(QStringLiteral("txtHelp"))) {
            shown = text->toPlainText();
        }
        pressKeys(QStringLiteral("Escape")); // as every dialog, it closes with Esc
    });
    watch.start(100);
    const QPoint at = help->mapToGlobal(help->rect().center());
    xdotool({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y())});
    xdotool({QStringLiteral("click"), QStringLiteral("1")});
    QTRY_VERIFY_WITH_TIMEOUT(!shown.isEmpty(), 10000);
    QTRY_VERIFY_WITH_TIMEOUT(!QApplication::activeModalWidget(), 5000);
    for (const char* words : {"Ctrl+Shift+F", "Trash", "man jotlet"}) {
        QVERIFY2(shown.contains(QLatin1String(words)), words);
    }
    QVERIFY(shown.contains(QDir::toNativeSeparators(dataFolder())));
    QVERIFY(!shown.contains(QLatin1String("not been implemented")));
}

void TestMenusX11::newNotesNeverCoverEachOther()
{
    // Ctrl+N twice: both new notes want the same default place; the second steps down and right of the first.
    const QString id = QString::number(m_window->winId());
    for (int i = 0; i < 2; ++i) {
        typeInto(id, QString());
        pressKeys(QStringLiteral("ctrl+n"));
        QTRY_COMPARE_WITH_TIMEOUT(m_board.count(), 2 + i, 5000);
    }
    QList<QPoint> places;
    for (Note* note : m_board.notes()) {
        auto* window = qobject_cast<QWidget*>(note->dialogOwner());
        QVERIFY(QTest::qWaitForWindowExposed(window));
        places << note->geometry().topLeft();
    }
    QTest::qWait(300);
    for (int i = 0; i < places.size(); ++i) {
        for (int j = i + 1; j < places.size(); ++j) {
            QVERIFY2((places[i] - places[j]).manhattanLength() > 90, "two notes stand at the same place");
        }
    }
    for (Note* note : m_board.notes()) {
        if (note != m_note) {
            note->discard();
        }
    }
}

void TestMenusX11::keyboardMoveShowsACue()
{
    // Alt+F7 as the window manager leaves it to the note: a frame shows while the arrows move it, and goes with Esc.
    typeInto(QString::number(m_window->winId()), QString());
    pressKeys(QStringLiteral("alt+F7"));
    QTRY_VERIFY_WITH_TIMEOUT(m_window->findChild<QWidget*>(QStringLiteral("placementCue")), 5000);
    QWidget* cue = m_window->findChild<QWidget*>(QStringLiteral("placementCue"));
    QTRY_VERIFY_WITH_TIMEOUT(cue->isVisible(), 5000);
    QCOMPARE(cue->geometry(), m_window->rect());
    QVERIFY(m_window->accessibleDescription().startsWith(QLatin1String("Moving")));
    QTest::qWait(200);
    screenshot(QStringLiteral("note-moving"));
    pressKeys(QStringLiteral("Escape"));
    QTRY_VERIFY_WITH_TIMEOUT(!cue->isVisible(), 5000);
    QVERIFY(!m_note->isRolledUp()); // Esc ended the move, and did not roll the note up
}

void TestMenusX11::rolledUpNoteIsItsIcon()
{
    m_note->run(Command::RollUp);
    QTest::qWait(300);
    screenshot(QStringLiteral("rolled-up"));
    QList<QWidget*> visible;
    for (QWidget* child : m_window->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child->isVisible()) {
            visible << child;
        }
    }
    QCOMPARE(visible.size(), 1);
    QCOMPARE(visible.first()->objectName(), QStringLiteral("imgIcon"));
    // Double-clicking it brings the note back.
    moveMouseTo(visible.first()->mapToGlobal(visible.first()->rect().center()));
    xdotool({QStringLiteral("click"), QStringLiteral("--repeat"), QStringLiteral("2"), QStringLiteral("1")});
    QTRY_VERIFY_WITH_TIMEOUT(!m_note->isRolledUp(), 5000);
}

void TestMenusX11::captionTakesTheLeftButtonOnly()
{
    moveMouseTo(drawnCentre(m_window, QStringLiteral("Note title")));
    xdotool({QStringLiteral("click"), QStringLiteral("3")});
    QTest::qWait(500);
    QVERIFY(!QApplication::activePopupWidget());
}

void TestMenusX11::transparencyNeedsACompositor()
{
    NoteMenus& menus = NoteMenus::shared();
    menus.showStateOf(*m_note);
    QAction* transparency = menus.item(QStringLiteral("mnuTransparentMain"));
    QVERIFY(!transparency->isEnabled()); // openbox alone draws no translucent window
#ifdef JOTLET_HAVE_XCB
    // A compositing manager starts: it owns the selection _NET_WM_CM_S0.
    xcb_connection_t* connection = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
    const xcb_window_t owner = xcb_generate_id(connection);
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    xcb_create_window(connection,
                      XCB_COPY_FROM_PARENT,
                      owner,
                      screen->root,
                      0,
                      0,
                      1,
                      1,
                      0,
                      XCB_WINDOW_CLASS_INPUT_ONLY,
                      XCB_COPY_FROM_PARENT,
                      0,
                      nullptr);
    xcb_intern_atom_reply_t* atom
        = xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, 13, "_NET_WM_CM_S0"), nullptr);
    QVERIFY(atom);
    xcb_set_selection_owner(connection, owner, atom->atom, XCB_CURRENT_TIME);
    xcb_flush(connection);
    menus.showStateOf(*m_note);
    const bool shownWithCompositor = transparency->isEnabled();
    xcb_destroy_window(connection, owner);
    xcb_flush(connection);
    std::free(atom);
    QVERIFY(shownWithCompositor);
#endif
}

QTEST_MAIN(TestMenusX11)
#include "tst_menus_x11.moc"
