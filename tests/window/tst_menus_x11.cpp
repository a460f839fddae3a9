// A note window on a real X server: a right click on the text opens the selection menu or the main menu at the
// pointer, "Always on Top" sets and clears _NET_WM_STATE_ABOVE on the same native window, and a dropped file
// replaces the text and marks the note changed.
#include "window/noteboard.h"
#include "window/notemenus.h"
#include "window/notetext.h"
#include "window/notetextbox.h"
#include "window/notewindow.h"
#include "xtools.h"

#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using namespace jotlet;

namespace {

void xdotool(const QStringList& arguments)
{
    runTool(QStringLiteral("xdotool"), arguments);
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
    void droppedFileReplacesTheText();

private:
    NoteBoard m_board;
    Note* m_note = nullptr;
    NoteWindow* m_window = nullptr;
};

void TestMenusX11::initTestCase()
{
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
}

void TestMenusX11::init()
{
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
    QVERIFY2(qAbs(popup->x() - pointer.x()) <= 4 && (atPointer || openedUpward || movedUpToFit),
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

void TestMenusX11::droppedFileReplacesTheText()
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

    QCOMPARE(m_note->text().text(), QStringLiteral("dropped text"));
    QVERIFY(m_note->isUnsaved());
    QVERIFY(m_window->findChild<QLabel*>(QStringLiteral("lblCaption"))->text().endsWith(QLatin1Char('*')));
}

QTEST_MAIN(TestMenusX11)
#include "tst_menus_x11.moc"
