// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// Where notes stand, as a process on window systems that do not do as asked: an X server whose window manager never
// moves a window (a drag must not make the places compound), and a Wayland compositor with Xwayland (the program
// chooses Xwayland and keeps every place; natively it never writes a place the compositor did not report).
#include "notes/notestore.h"
#include "samplenotes.h"
#include "signals.h"
#include "support/appinfo.h"
#include "testdata.h"
#include "xtools.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <csignal>

using namespace jotlet;

namespace {

// The note windows on an X display.
QStringList windowsOn(const QString& display)
{
    qputenv("DISPLAY", display.toLocal8Bit());
    return noteWindows();
}

bool waitForWindowsOn(const QString& display, int count)
{
    for (int i = 0; i < 100 && windowsOn(display).size() != count; ++i) {
        QTest::qWait(100);
    }
    return windowsOn(display).size() == count;
}

QList<QPoint> keptPlaces()
{
    QList<QPoint> places;
    for (const NoteRecord& note : loadMainNoteFile()) {
        places << QPoint(note.left, note.top);
    }
    return places;
}

} // namespace

class TestPlacement : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void aDragTheWindowManagerNeverCarriesOutDoesNotCompound();
    void aWaylandSessionRunsOnXwaylandAndKeepsThePlaces();
    void nativeWaylandNeverWritesAPlaceItWasNotGiven();

private:
    bool runUntilWindows(QProcess& program, const QStringList& arguments, int windows, const QString& display);
    void endSession(QProcess& program);
};

void TestPlacement::init()
{
    QDir(dataFolder()).removeRecursively();
    QDir().mkpath(dataFolder());
}

bool TestPlacement::runUntilWindows(QProcess& program,
                                    const QStringList& arguments,
                                    int windows,
                                    const QString& display)
{
    program.start(QStringLiteral(JOTLET_PROGRAM), arguments);
    return program.waitForStarted(10000) && (display.isEmpty() || waitForWindowsOn(display, windows));
}

void TestPlacement::endSession(QProcess& program)
{
    QTest::qWait(500);
    signalProgram(program, SIGTERM);
    QVERIFY(program.waitForFinished(10000));
}

void TestPlacement::aDragTheWindowManagerNeverCarriesOutDoesNotCompound()
{
    if (qEnvironmentVariableIsEmpty("JOTLET_X11_DISPLAY")) {
        QSKIP("no X tests in this run (scripts/test.sh runs them)");
    }
    // An X server of this test's own, with a window manager that never moves a window.
    QProcess server;
    server.start(QStringLiteral("Xvfb"),
                 {QStringLiteral("-displayfd"),
                  QStringLiteral("1"),
                  QStringLiteral("-screen"),
                  QStringLiteral("0"),
                  QStringLiteral("1280x800x24"),
                  QStringLiteral("-nolisten"),
                  QStringLiteral("tcp")});
    QVERIFY(server.waitForReadyRead(10000));
    const QString display = QLatin1Char(':') + QString::fromLatin1(server.readLine().trimmed());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), display);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    QProcess windowManager;
    windowManager.setProcessEnvironment(environment);
    windowManager.start(QStringLiteral(NOMOVEWM), QStringList());
    QVERIFY(windowManager.waitForReadyRead(10000));

    QVERIFY(writeMainNoteFile(
        {sampleNote(QStringLiteral("drag me"), QStringLiteral("yellow"), QRect(1500, 1500, 3000, 2500))}));
    QProcess program;
    program.setProcessEnvironment(environment);
    QVERIFY(runUntilWindows(program, {}, 1, display));
    // The caption, then 100 steps of 3 by 2 pixels with the button held.
    runTool(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QStringLiteral("140"), QStringLiteral("108")});
    runTool(QStringLiteral("xdotool"), {QStringLiteral("mousedown"), QStringLiteral("1")});
    for (int step = 0; step < 100; ++step) {
        runTool(QStringLiteral("xdotool"),
                {QStringLiteral("mousemove_relative"), QStringLiteral("--"), QStringLiteral("3"), QStringLiteral("2")});
    }
    runTool(QStringLiteral("xdotool"), {QStringLiteral("mouseup"), QStringLiteral("1")});
    endSession(program);
    const QList<QPoint> places = keptPlaces();
    QCOMPARE(places.size(), 1);
    // Where the drag asked for: 300 by 200 pixels (15 twips each) from where it started, give or take a pixel.
    const QPoint expected(1500 + 300 * 15, 1500 + 200 * 15);
    QVERIFY2((places.first() - expected).manhattanLength() <= 60,
             qPrintable(QStringLiteral("kept at %1,%2").arg(places.first().x()).arg(places.first().y())));
    windowManager.kill();
    server.terminate();
    server.waitForFinished(5000);
}

void TestPlacement::aWaylandSessionRunsOnXwaylandAndKeepsThePlaces()
{
    const QString wayland = qEnvironmentVariable("JOTLET_WAYLAND_DISPLAY");
    const QString xwayland = qEnvironmentVariable("JOTLET_XWAYLAND_DISPLAY");
    if (wayland.isEmpty() || xwayland.isEmpty()) {
        QSKIP("no Wayland compositor in this run (scripts/test.sh starts weston with Xwayland)");
    }
    const QList<QPoint> stored = {{1500, 1500}, {6000, 3000}, {10500, 4500}};
    NoteList notes;
    for (const QPoint& at : stored) {
        notes << sampleNote(QStringLiteral("placed"), QStringLiteral("yellow"), QRect(at, QSize(3000, 2500)));
    }
    QVERIFY(writeMainNoteFile(notes));
    // A Wayland session where nobody chose a platform: the notes are X windows on Xwayland.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.insert(QStringLiteral("WAYLAND_DISPLAY"), wayland);
    environment.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland"));
    environment.insert(QStringLiteral("DISPLAY"), xwayland);
    QProcess program;
    program.setProcessEnvironment(environment);
    QVERIFY2(runUntilWindows(program, {}, 3, xwayland), "the notes are not X windows: the program did not choose xcb");
    endSession(program);
    QCOMPARE(keptPlaces(), stored);
}

void TestPlacement::nativeWaylandNeverWritesAPlaceItWasNotGiven()
{
    const QString wayland = qEnvironmentVariable("JOTLET_WAYLAND_DISPLAY");
    if (wayland.isEmpty()) {
        QSKIP("no Wayland compositor in this run (scripts/test.sh starts weston with Xwayland)");
    }
    const QString file = QDir(dataFolder()).filePath(QStringLiteral("placed.not"));
    QVERIFY(saveNoteFile(sampleNote(QStringLiteral("placed"), QStringLiteral("yellow"), QRect(3000, 2000, 3000, 2500)),
                         file));
    QVERIFY(
        writeMainNoteFile({sampleNote(QStringLiteral("kept"), QStringLiteral("blue"), QRect(9000, 6000, 3000, 2500))}));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
    environment.insert(QStringLiteral("WAYLAND_DISPLAY"), wayland);
    QProcess program;
    program.setProcessEnvironment(environment);
    QVERIFY(runUntilWindows(program, {}, 1, QString()));
    // Nothing tells a test when a native Wayland program's window is up: wait until it listens for later starts
    // (a later start that came first would be the program itself).
    const QString listening
        = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + QStringLiteral("/jotlet.socket");
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(listening), 20000);
    QProcess second; // a file handed over to the running program
    second.setProcessEnvironment(environment);
    second.start(QStringLiteral(JOTLET_PROGRAM), {file});
    QVERIFY(second.waitForStarted(10000));
    QVERIFY(second.state() == QProcess::NotRunning || second.waitForFinished(20000));
    QCOMPARE(second.exitCode(), 0);
    QTest::qWait(1500);
    endSession(program);
    QCOMPARE(keptPlaces(), (QList<QPoint> {{9000, 6000}, {3000, 2000}}));
}

QTEST_GUILESS_MAIN(TestPlacement)
#include "tst_placement.moc"
