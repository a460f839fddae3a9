// A time note on a real X server, chosen from the note's menu with the mouse and keys: its text follows the clock
// from one second to the next; "Stop Special Note" freezes it and typing works again.
#include "special/specialcontent.h"
#include "window/noteboard.h"
#include "window/notetext.h"
#include "window/notetextbox.h"
#include "window/notewindow.h"
#include "xtools.h"

#include <QApplication>
#include <QTest>

using namespace jotlet;

class TestSpecialX11 : public QObject
{
    Q_OBJECT

private slots:
    void timeNoteFromTheMenu();
};

void TestSpecialX11::timeNoteFromTheMenu()
{
    NoteBoard board;
    NoteWindow* window = nullptr;
    board.setViewFactory([&window](Note* note) { window = new NoteWindow(note); });
    board.setSpecialContentFactory(specialContentFactory());
    Note* note = board.createNote();
    note->setSaveNewNoteOnClose(false);
    note->setGeometry(QRect(4500, 3000, 4500, 3000));
    note->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    window->activateWindow();
    QTest::qWait(300);

    // Right click in the text, then Special Note > Time with the keys.
    const QPoint inside = window->textBox()->viewport()->mapToGlobal(QPoint(20, 20));
    runTool(QStringLiteral("xdotool"),
            {QStringLiteral("mousemove"), QString::number(inside.x()), QString::number(inside.y())});
    runTool(QStringLiteral("xdotool"), {QStringLiteral("click"), QStringLiteral("3")});
    QTRY_VERIFY_WITH_TIMEOUT(QApplication::activePopupWidget(), 5000);
    for (const char* key : {"Down", "Down", "Down", "Right", "Return"}) {
        runTool(QStringLiteral("xdotool"), {QStringLiteral("key"), QLatin1String(key)});
        QTest::qWait(100);
    }
    QTRY_VERIFY_WITH_TIMEOUT(note->text().text().startsWith(QLatin1String("Time: ")), 5000);
    const QString first = note->text().text();
    QTRY_VERIFY_WITH_TIMEOUT(note->text().text() != first, 2500); // the next second

    window->runCommand({Command::StopSpecialNote});
    const QString frozen = note->text().text();
    QTest::qWait(1500);
    QCOMPARE(note->text().text(), frozen);
    window->activateWindow();
    QTest::qWait(200);
    runTool(QStringLiteral("xdotool"), {QStringLiteral("type"), QStringLiteral("!")});
    QTRY_VERIFY_WITH_TIMEOUT(note->text().text().contains(QLatin1Char('!')), 3000);
    note->discard();
}

QTEST_MAIN(TestSpecialX11)
#include "tst_special_x11.moc"
