// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// The program as a process on a real X server: notes left open at the end of the session come back at their places,
// dragging snaps to the work area (a strut shrinks it), and a translucent note is opaque only while active.
#include "freshfolders.h"
#include "notes/notestore.h"
#include "platform/autostart.h"
#include "signals.h"
#include "support/appinfo.h"
#include "support/settingsstore.h"
#include "xtools.h"

#include <QFile>
#include <QProcess>
#include <QTest>
#include <QWidget>

#include <csignal>
#include <functional>

using namespace jotlet;

namespace {

QSize windowSize(const QString& id)
{
    const QString out = runTool(QStringLiteral("xdotool"), {QStringLiteral("getwindowgeometry"), id});
    const QStringList wh = out.mid(out.indexOf(QLatin1String("Geometry: ")) + 10)
                               .section(QLatin1Char('\n'), 0, 0)
                               .split(QLatin1Char('x'));
    return wh.size() == 2 ? QSize(wh[0].toInt(), wh[1].toInt()) : QSize();
}

// Presses the left button at a point, moves in steps to another, rests, and lets go.
// Drags with the left button. arrived, when given, says the window has followed the last step: the button stays
// down until it has (up to 5 s), as a person waits for the window before letting go on a busy machine.
void dragMouse(const QPoint& from, const QPoint& to, const std::function<bool()>& arrived = {})
{
    const auto move = [](const QPoint& p) {
        runTool(QStringLiteral("xdotool"),
                {QStringLiteral("mousemove"), QString::number(p.x()), QString::number(p.y())});
    };
    move(from);
    runTool(QStringLiteral("xdotool"), {QStringLiteral("mousedown"), QStringLiteral("1")});
    for (int step = 1; step <= 10; ++step) {
        move(from + (to - from) * step / 10);
        QTest::qWait(30);
    }
    // A person rests at the end before letting go; the window manager's sizing loop waits for the program to
    // follow each step and drops a step still waiting when the button goes up.
    QTest::qWait(300);
    // Where the window has not followed the last step, the person moves the mouse a hair and back, which the window
    // manager takes as a new step.
    for (int nudge = 0; arrived && nudge < 3 && !QTest::qWaitFor(arrived, 2000); ++nudge) {
        move(to + QPoint(1, 1));
        QTest::qWait(50);
        move(to);
    }
    runTool(QStringLiteral("xdotool"), {QStringLiteral("mouseup"), QStringLiteral("1")});
    QTest::qWait(300);
}

QString xProperty(const QString& id, const QString& name)
{
    return runTool(QStringLiteral("xprop"), {QStringLiteral("-id"), id, name});
}

NoteRecord note(const QString& text, const QString& color, int left, int top)
{
    NoteRecord n;
    n.color = color;
    n.data = QStringLiteral("{\\rtf1\\ansi %1\\par\r\n}").arg(text);
    n.height = 2085;
    n.width = 2325;
    n.left = left;
    n.top = top;
    return n;
}

} // namespace

class TestSessionX11 : public QObject
{
    Q_OBJECT

private slots:
    void init() { startFromEmptyFolders(); }
    void sessionEndKeepsNotesForTheNextStart();
    void dragSnapsToTheWorkArea();
    void translucentOnlyWhileInactive();
    void gripResizesDownToTheMinimum();
    void closingTheLastNoteEndsTheProgram();

private:
    bool startProgram(QProcess& program, int windows);
};

bool TestSessionX11::startProgram(QProcess& program, int windows)
{
    program.start(QStringLiteral(JOTLET_PROGRAM), {});
    if (!program.waitForStarted(10000)) {
        return false;
    }
    for (int i = 0; i < 100 && noteWindows().size() < windows; ++i) {
        QTest::qWait(100);
    }
    QTest::qWait(300);
    return noteWindows().size() == windows;
}

void TestSessionX11::sessionEndKeepsNotesForTheNextStart()
{
    QVERIFY(addToMainNoteFile(note(QStringLiteral("first"), QStringLiteral("green"), 1500, 1500)));
    QVERIFY(addToMainNoteFile(note(QStringLiteral("second"), QStringLiteral("red"), 6000, 3000)));
    QProcess program;
    QVERIFY(startProgram(program, 2));
    QVERIFY(!QFile::exists(mainNoteFilePath())); // consumed at the start
    QStringList places;
    for (const QString& id : noteWindows()) {
        const QPoint p = windowPosition(id);
        places << QStringLiteral("%1,%2").arg(p.x()).arg(p.y());
    }
    places.sort();
    QCOMPARE(places, (QStringList {QStringLiteral("100,100"), QStringLiteral("400,200")}));

    signalProgram(program, SIGTERM);
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitCode(), 0);
    const NoteList kept = loadMainNoteFile();
    QCOMPARE(kept.size(), 2);
    QStringList colors;
    for (const NoteRecord& n : kept) {
        QVERIFY(n.data.contains(n.color == QLatin1String("green") ? QLatin1String("first") : QLatin1String("second")));
        colors << QStringLiteral("%1 %2,%3 %4x%5").arg(n.color).arg(n.left).arg(n.top).arg(n.width).arg(n.height);
    }
    colors.sort();
    QCOMPARE(colors,
             (QStringList {QStringLiteral("green 1500,1500 2325x2085"), QStringLiteral("red 6000,3000 2325x2085")}));
    QVERIFY(QFile::exists(qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/autostart/jotlet.desktop")));

    // The next start brings them back and consumes the file again.
    QVERIFY(startProgram(program, 2));
    QVERIFY(!QFile::exists(mainNoteFilePath()));
    signalProgram(program, SIGTERM);
    QVERIFY(program.waitForFinished(10000));
    QFile::remove(mainNoteFilePath());
}

void TestSessionX11::dragSnapsToTheWorkArea()
{
    // A panel on the left, 40 pixels wide, shrinks the work area.
    QWidget panel(nullptr, Qt::FramelessWindowHint);
    panel.setGeometry(0, 0, 40, 800);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    setStrut(panel.winId(), QStringLiteral("40,0,0,0,0,799,0,0,0,0,0,0"));
    QTest::qWait(300);

    QVERIFY(addToMainNoteFile(note(QStringLiteral("drag me"), QStringLiteral("yellow"), 6000, 3000)));
    QProcess program;
    QVERIFY(startProgram(program, 1));
    const QString id = noteWindows().first();
    const QPoint start = windowPosition(id);
    QCOMPARE(start, QPoint(400, 200));
    // Press on the caption and drag left until the note is 10 px from the work area's edge (x = 50).
    const QPoint grab = start + QPoint(60, 8);
    runTool(QStringLiteral("xdotool"),
            {QStringLiteral("mousemove"), QString::number(grab.x()), QString::number(grab.y())});
    runTool(QStringLiteral("xdotool"), {QStringLiteral("mousedown"), QStringLiteral("1")});
    for (int x = grab.x(); x >= grab.x() - 350; x -= 25) {
        runTool(QStringLiteral("xdotool"),
                {QStringLiteral("mousemove"), QString::number(x), QString::number(grab.y())});
        QTest::qWait(20);
    }
    runTool(QStringLiteral("xdotool"), {QStringLiteral("mouseup"), QStringLiteral("1")});
    QTest::qWait(300);
    QCOMPARE(windowPosition(id).x(), 40);

    signalProgram(program, SIGTERM);
    QVERIFY(program.waitForFinished(10000));
    QFile::remove(mainNoteFilePath());
}

void TestSessionX11::translucentOnlyWhileInactive()
{
    SettingsStore::write(QStringLiteral("SaveSetting"), QStringLiteral("True"));
    SettingsStore::write(QStringLiteral("Alpha"), QStringLiteral("50")); // "High"
    QProcess program;
    QVERIFY(startProgram(program, 1));
    const QString id = noteWindows().first();

    QWidget other;
    other.setWindowTitle(QStringLiteral("another program"));
    other.setGeometry(700, 400, 200, 100);
    other.show();
    QVERIFY(QTest::qWaitForWindowExposed(&other));
    runTool(QStringLiteral("xdotool"), {QStringLiteral("windowactivate"), QString::number(other.winId())});
    QTRY_VERIFY_WITH_TIMEOUT(xProperty(id, QStringLiteral("_NET_WM_WINDOW_OPACITY")).contains(QLatin1String(" = ")),
                             5000);
    const quint64 opacity
        = xProperty(id, QStringLiteral("_NET_WM_WINDOW_OPACITY")).section(QLatin1String(" = "), 1).toULongLong();
    QVERIFY2(qAbs(double(opacity) / 0xFFFFFFFFu - 50 / 255.0) < 0.01, qPrintable(QString::number(opacity)));

    // Activated, it is opaque again: the property is gone or says fully opaque.
    runTool(QStringLiteral("xdotool"), {QStringLiteral("windowactivate"), id});
    const auto opaque = [&id] {
        const QString value = xProperty(id, QStringLiteral("_NET_WM_WINDOW_OPACITY"));
        return !value.contains(QLatin1String(" = ")) || value.endsWith(QLatin1String(" = 4294967295"));
    };
    QTRY_VERIFY_WITH_TIMEOUT(opaque(), 5000);

    signalProgram(program, SIGTERM);
    QVERIFY(program.waitForFinished(10000));
    QFile::remove(mainNoteFilePath());
    SettingsStore::write(QStringLiteral("SaveSetting"), QStringLiteral("False"));
}

void TestSessionX11::gripResizesDownToTheMinimum()
{
    QVERIFY(addToMainNoteFile(note(QStringLiteral("resize me"), QStringLiteral("yellow"), 6000, 3000)));
    QProcess program;
    QVERIFY(startProgram(program, 1));
    const QString id = noteWindows().first();
    const QPoint origin = windowPosition(id);
    QCOMPARE(windowSize(id), QSize(155, 139)); // 2325 x 2085 twips at 15 twips per pixel
    // The grip is 180 twips (12 px) square, 50 twips (3 px) in from the bottom-right corner.
    const QPoint grip = origin + QPoint(155 - 3 - 6, 139 - 3 - 6);
    dragMouse(grip, grip + QPoint(100, 80), [&id] { return windowSize(id) == QSize(255, 219); });
    QCOMPARE(windowSize(id), QSize(255, 219));
    QCOMPARE(windowPosition(id), origin);

    const QPoint grown = origin + QPoint(255 - 3 - 6, 219 - 3 - 6);
    dragMouse(grown, origin, [&id] { return windowSize(id) == QSize(33, 28); });
    QTRY_COMPARE_WITH_TIMEOUT(windowSize(id), QSize(33, 28), 3000); // 500 x 425 twips

    signalProgram(program, SIGTERM);
    QVERIFY(program.waitForFinished(10000));
    const NoteList kept = loadMainNoteFile();
    QCOMPARE(kept.size(), 1);
    QCOMPARE(kept.first().width, 500);
    QCOMPARE(kept.first().height, 425);
    QFile::remove(mainNoteFilePath());
}

void TestSessionX11::closingTheLastNoteEndsTheProgram()
{
    registerAutostart();
    const QString autostart = qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/autostart/jotlet.desktop");
    QVERIFY(QFile::exists(autostart));
    QProcess program;
    QVERIFY(startProgram(program, 1)); // one new, empty note
    const QString id = noteWindows().first();
    // The close button: 255 twips (17 px) square, 30 twips (2 px) in from the right, 10 twips from the top.
    const QPoint close = windowPosition(id) + QPoint(155 - 2 - 8, 8);
    runTool(QStringLiteral("xdotool"),
            {QStringLiteral("mousemove"), QString::number(close.x()), QString::number(close.y())});
    runTool(QStringLiteral("xdotool"), {QStringLiteral("click"), QStringLiteral("1")});
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitCode(), 0);
    QVERIFY(!QFile::exists(autostart));
    QVERIFY(!QFile::exists(mainNoteFilePath()));
}

QTEST_MAIN(TestSessionX11)
#include "tst_session_x11.moc"
