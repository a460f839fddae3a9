// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// The note window's wiring without a real screen: it shows what the note holds, follows the note's geometry and
// reports the user's own moves, and turns keys, typing and closing into calls on the note.
#include "drawnparts.h"
#include "fakedialogs.h"
#include "fakespecialnote.h"
#include "note/noteboard.h"
#include "note/notetext.h"
#include "note/screens.h"
#include "note/textcommands.h"
#include "notes/notestore.h"
#include "support/settings.h"
#include "window/notetextbox.h"
#include "window/notewindow.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>
#include <QWindow>

using namespace jotlet;

class TestNoteWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void showsTheNote();
    void geometryBothWays();
    void keys();
    void typingFollowsTheNotesFormat();
    void plainPasteGuard();
    void alwaysOnTopOnTheSameWindow();
    void closeAsksTheNote();
    void colourChangeKeepsTheSelection_data();
    void colourChangeKeepsTheSelection();
    void typingIntoARolledUpNote();
    void chromeByKeyboard();
    void placeByKeyboard_data();
    void placeByKeyboard();

private:
    NoteBoard* m_board = nullptr;
    Note* m_note = nullptr;
    NoteWindow* m_window = nullptr;
    QTemporaryDir m_dir;
};

void TestNoteWindow::init()
{
    writeSetting(Setting::SaveSetting, QStringLiteral("False"));
    writeSetting(Setting::SaveNewNoteOnClose, QStringLiteral("False"));
    m_board = new NoteBoard;
    m_board->setViewFactory([this](Note* note) { m_window = new NoteWindow(note); });
    m_board->setSpecialNoteFactory([](Note&) { return std::make_unique<FakeSpecialNote>(); });
    m_note = m_board->createNote();
    m_note->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestNoteWindow::cleanup()
{
    m_note->discard();
    delete m_board;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestNoteWindow::showsTheNote()
{
    m_note->setColor(QStringLiteral("blue"), false);
    m_note->resize(QSize(4500, 2085));
    m_note->setSavedAs(m_dir.filePath(QStringLiteral("shown.not")));
    m_note->setTimeStamp(QStringLiteral("stamp"));
    QCOMPARE(m_window->palette().color(QPalette::Window), QColor(51, 204, 255));
    QCOMPARE(m_window->textBox()->palette().color(QPalette::Base), QColor(51, 204, 255));
    QCOMPARE(drawnText(m_window, QStringLiteral("Note title")), QStringLiteral("Jotlet - shown.not"));
    QCOMPARE(m_window->chrome().shownTitle(), QStringLiteral("Jotlet - shown.not"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Jotlet - shown.not"));
    QCOMPARE(drawnText(m_window, QStringLiteral("Note caption")), QStringLiteral("stamp"));
    QVERIFY(m_window->windowFlags() & Qt::FramelessWindowHint);
    // A name too long for the caption is cut with "…"; the whole caption is its tooltip.
    m_note->setSavedAs(m_dir.filePath(QStringLiteral("a rather long name for a shopping list.not")));
    const QString shown = m_window->chrome().shownTitle();
    QVERIFY2(shown.endsWith(QChar(0x2026)), qPrintable(shown));
    const QPoint caption = drawnCentre(m_window, QStringLiteral("Note title"));
    QHelpEvent hover(QEvent::ToolTip, m_window->mapFromGlobal(caption), caption);
    QApplication::sendEvent(m_window, &hover);
    QCOMPARE(QToolTip::text(), QStringLiteral("Jotlet - a rather long name for a shopping list.not"));
    // The pointer over the drawn grip says the note sizes from there, and nowhere else.
    const QPoint grip = m_window->mapFromGlobal(drawnCentre(m_window, QStringLiteral("Resize note")));
    QTest::mouseMove(m_window, grip);
    QCOMPARE(m_window->cursor().shape(), Qt::SizeFDiagCursor);
    QTest::mouseMove(m_window, m_window->mapFromGlobal(caption));
    QCOMPARE(m_window->cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(m_window->textBox()->objectName(), QStringLiteral("RTB1"));
}

void TestNoteWindow::geometryBothWays()
{
    const TwipsPerPixel perPixel = twipsPerPixel(m_window->screen());
    QCOMPARE(perPixel.x, 15.0);
    m_note->setGeometry(QRect(1500, 3000, 500, 425)); // 500 twips is 33.3 pixels
    QCOMPARE(m_window->geometry(), QRect(100, 200, 33, 28));
    QCOMPARE(m_note->geometry(), QRect(1500, 3000, 500, 425)); // not rounded by the window
    m_window->move(110, 200);                                  // the user drags it
    QCOMPARE(m_note->geometry(), QRect(1650, 3000, 500, 425));
    m_window->resize(200, 150);
    QCOMPARE(m_note->geometry().size(), QSize(3000, 2250));
}

void TestNoteWindow::keys()
{
    const QString path = m_dir.filePath(QStringLiteral("keys.not"));
    m_note->setSavedAs(path);
    m_note->text().setText(QStringLiteral("saved by key"));
    NoteTextBox* box = m_window->textBox();
    QTest::keyClick(box, Qt::Key_S, Qt::AltModifier);
    QVERIFY(!QFile::exists(path)); // Alt+S does nothing
    QTest::keyClick(box, Qt::Key_S, Qt::ControlModifier | Qt::AltModifier);
    QVERIFY(loadNoteFile(path).value(0).data.contains(QLatin1String("saved by key")));

    const int width = m_window->width();
    QTest::keyClick(box, Qt::Key_Escape);
    QCOMPARE(m_note->geometry().width(), 500);
    QCOMPARE(m_window->width(), 33);
    QVERIFY(!box->isVisible()); // rolled up, the note is its icon alone
    QVERIFY(m_window->findChild<QWidget*>(QStringLiteral("imgIcon"))->isVisible());
    QTest::keyClick(m_window, Qt::Key_Escape);
    QCOMPARE(m_window->width(), width);
    QVERIFY(box->isVisible());

    // Once per key: not on the repeats of a held key, not for a release whose press went elsewhere.
    m_note->text().setText(QString());
    QTest::keyRelease(box, Qt::Key_F6, Qt::ShiftModifier | Qt::ControlModifier); // pressed in a closed menu
    QCOMPARE(m_note->text().text(), QString());
    QTest::keyPress(box, Qt::Key_F6, Qt::ShiftModifier | Qt::ControlModifier);
    QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_F6, Qt::ShiftModifier | Qt::ControlModifier, QString(), true);
    QApplication::sendEvent(box, &repeat);
    QCOMPARE(m_note->text().text(), QString());
    QTest::keyRelease(box, Qt::Key_F6, Qt::ShiftModifier | Qt::ControlModifier);
    QCOMPARE(m_note->text().text(), dateStamp(2, QDateTime::currentDateTime()));

    // A key acts only where its menu item would: a special note's Save is unavailable, and so is Ctrl+S.
    FakeDialogs dialogs;
    m_note->setSavedAs(QString());
    m_note->text().setText(QString()); // an empty note becomes the time note itself
    m_note->run(Command::SpecialTime);
    QVERIFY(!m_note->isEnabled(Command::Save));
    QTest::keyClick(box, Qt::Key_S, Qt::ControlModifier);
    QVERIFY(dialogs.fileRequests.isEmpty());
}

void TestNoteWindow::typingFollowsTheNotesFormat()
{
    m_note->text().setText(QStringLiteral("plain "));
    m_note->text().setSelStart(6);
    QVERIFY(m_note->run(Command::StyleBold)); // nothing selected: what is typed next
    QTest::keyClicks(m_window->textBox(), QStringLiteral("bold"));
    QCOMPARE(m_note->text().text(), QStringLiteral("plain bold"));
    QTextCursor at(m_note->text().document());
    at.setPosition(8);
    QCOMPARE(at.charFormat().fontWeight(), int(QFont::Bold));
    at.setPosition(3);
    QCOMPARE(at.charFormat().fontWeight() > QFont::Medium, false);
    // And the note's selection follows the user's: a command acts where the user is.
    QTest::keyClick(m_window->textBox(), Qt::Key_Home);
    QCOMPARE(m_note->text().selStart(), 0);
}

void TestNoteWindow::plainPasteGuard()
{
    auto* data = new QMimeData;
    data->setHtml(QStringLiteral("<b>bold</b>"));
    data->setText(QStringLiteral("bold"));
    QApplication::clipboard()->setMimeData(data);
    QTest::keyClick(m_window->textBox(), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(m_note->text().text(), QStringLiteral("bold")); // once, from the key release
    m_note->text().setSelStart(2);
    QVERIFY(!m_note->text().selBold());
}

void TestNoteWindow::alwaysOnTopOnTheSameWindow()
{
    QWindow* native = m_window->windowHandle();
    QVERIFY(native->flags() & Qt::WindowStaysOnTopHint);
    m_window->runCommand({Command::AlwaysOnTop});
    QVERIFY(!(native->flags() & Qt::WindowStaysOnTopHint));
    m_window->runCommand({Command::AlwaysOnTop});
    QVERIFY(native->flags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(m_window->windowHandle(), native);
}

void TestNoteWindow::closeAsksTheNote()
{
    FakeDialogs dialogs;
    dialogs.questionAnswers << Answer::Cancel << Answer::No;
    m_note->setSaveNewNoteOnClose(true);
    QTest::keyClicks(m_window->textBox(), QStringLiteral("unsaved"));
    QVERIFY(m_window->windowTitle().endsWith(QLatin1String(" *")));
    QVERIFY(!m_window->close());                 // Cancel: the window stays
    QCOMPARE(dialogs.owners.value(0), m_window); // the question belongs to the note's window
    QVERIFY(m_window->isVisible());
    QPointer<NoteWindow> window(m_window);
    QVERIFY(m_window->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!window);
    QCOMPARE(m_board->count(), 0);
    m_note = m_board->createNote(); // for cleanup
}

void TestNoteWindow::colourChangeKeepsTheSelection_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("index");
    QTest::newRow("note colour") << int(Command::NoteColor) << 2;
    QTest::newRow("text colour") << int(Command::TextColor) << -1;
    QTest::newRow("reset") << int(Command::ResetNote) << -1;
}

void TestNoteWindow::colourChangeKeepsTheSelection()
{
    QFETCH(int, command);
    QFETCH(int, index);
    FakeDialogs dialogs;
    dialogs.colorAnswer = QColor(Qt::red);
    NoteTextBox* box = m_window->textBox();
    QTest::keyClicks(box, QStringLiteral("hello world"));
    QTest::keyClick(box, Qt::Key_Left, Qt::ShiftModifier); // "d" selected
    m_window->runCommand({Command(command), index});
    QTest::keyClicks(box, QStringLiteral("D"));
    QCOMPARE(m_note->text().text(), QStringLiteral("hello worlD"));
}

void TestNoteWindow::typingIntoARolledUpNote()
{
    QTest::keyClicks(m_window->textBox(), QStringLiteral("kept"));
    m_note->run(Command::RollUp);
    QWidget* keys = QApplication::focusWidget() ? QApplication::focusWidget() : m_window;
    QTest::keyClick(keys, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(keys, Qt::Key_Delete);
    QCOMPARE(m_note->text().text(), QStringLiteral("kept")); // nothing the user cannot see was changed
    QVERIFY(m_note->isRolledUp());
    QTest::keyClicks(keys, QStringLiteral("!"));
    QVERIFY(!m_note->isRolledUp()); // typing unrolls it, and the text goes where the user now sees it
    QCOMPARE(m_note->text().text(), QStringLiteral("kept!"));
}

void TestNoteWindow::chromeByKeyboard()
{
    // Ctrl+Tab leaves the text for the icon; Tab goes on to help and close; Space on close asks the note.
    FakeDialogs dialogs;
    dialogs.questionAnswers << Answer::Cancel;
    m_note->setSaveNewNoteOnClose(true);
    m_window->activateWindow();
    m_window->textBox()->setFocus();
    QTest::keyClicks(m_window->textBox(), QStringLiteral("unsaved"));
    QTest::keyClick(m_window->textBox(), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("imgIcon"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("imgHelp"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("CloseImage"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(dialogs.questionsAsked.size(), 1); // the save question: Cancel keeps the note
    QVERIFY(!m_note->isClosed());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); // back to the text, which keeps the note's text
    QCOMPARE(QApplication::focusWidget(), m_window->textBox());
    QCOMPARE(m_note->text().text(), QStringLiteral("unsaved"));
}

void TestNoteWindow::placeByKeyboard_data()
{
    QTest::addColumn<int>("startKey");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QRect>("expected"); // from a note at 100,200 sized 300x200 pixels
    const int Move = Qt::Key_F7;
    const int Size = Qt::Key_F8;
    QTest::newRow("move right 3 steps, Enter keeps")
        << Move << QList<int> {Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Return}
        << QRect(130, 200, 300, 200);
    QTest::newRow("move up and left") << Move << QList<int> {Qt::Key_Up, Qt::Key_Left, Qt::Key_Return}
                                      << QRect(90, 190, 300, 200);
    QTest::newRow("Esc takes a move back")
        << Move << QList<int> {Qt::Key_Down, Qt::Key_Down, Qt::Key_Escape} << QRect(100, 200, 300, 200);
    QTest::newRow("moving near the left edge snaps to it")
        << Move << QList<int>(9, Qt::Key_Left) << QRect(0, 200, 300, 200);
    QTest::newRow("size grows right and down")
        << Size << QList<int> {Qt::Key_Right, Qt::Key_Down, Qt::Key_Return} << QRect(100, 200, 310, 210);
    QTest::newRow("size stops at the smallest note") << Size << QList<int>(40, Qt::Key_Up) << QRect(100, 200, 300, -1);
    QTest::newRow("Esc takes a resize back")
        << Size << QList<int> {Qt::Key_Left, Qt::Key_Escape} << QRect(100, 200, 300, 200);
}

void TestNoteWindow::placeByKeyboard()
{
    QFETCH(int, startKey);
    QFETCH(QList<int>, keys);
    QFETCH(QRect, expected);
    m_note->setGeometry(toTwips(QRect(100, 200, 300, 200), twipsPerPixel(m_window->screen())));
    QCOMPARE(m_window->geometry(), QRect(100, 200, 300, 200));
    NoteTextBox* box = m_window->textBox();
    QTest::keyClick(box, Qt::Key(startKey), Qt::AltModifier);
    for (int key : keys) {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : box, Qt::Key(key));
    }
    if (expected.height() < 0) { // only as small as a note may be
        expected.setHeight(m_window->minimumHeight());
    }
    QCOMPARE(m_window->geometry(), expected);
    QVERIFY(!m_note->isRolledUp()); // Esc ended the gesture, not rolled the note up
    QCOMPARE(toPixels(m_note->geometry(), twipsPerPixel(m_window->screen())), expected); // kept by the note
}

QTEST_MAIN(TestNoteWindow)
#include "tst_notewindow.moc"
