// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// The program beside a real system tray (trayer) on an X server: the tray icon is embedded, its menu makes, hides,
// shows, finds and keeps notes, and "Quit" keeps every note; notes leave the taskbar only while the icon shows;
// the desktop-wide key makes a note with the keyboard from another program's window, and a key another program
// holds is reported once; a reminder reaches a notification centre on a private session bus.
#include "app/desktoppresence.h"
#include "busycores.h"
#include "freshfolders.h"
#include "note/noteboard.h"
#include "note/notetext.h"
#include "notes/notestore.h"
#include "platform/globalkey.h"
#include "platform/x11.h"
#include "privatebus.h"
#include "samplenotes.h"
#include "signals.h"
#include "support/errorlog.h"
#include "support/settings.h"
#include "support/timetext.h"
#include "window/notetextbox.h"
#include "window/notewindow.h"
#include "xtools.h"

#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QStyleHints>
#include <QSystemTrayIcon>

#include <algorithm>
#include <csignal>
#include <memory>

using namespace jotlet;

namespace {

// trayer, a system-tray host, along the top edge; it goes when the object does.
class TrayHost
{
public:
    TrayHost()
    {
        m_process.start(QStringLiteral("trayer"),
                        {QStringLiteral("--edge"),
                         QStringLiteral("top"),
                         QStringLiteral("--align"),
                         QStringLiteral("right"),
                         QStringLiteral("--widthtype"),
                         QStringLiteral("pixel"),
                         QStringLiteral("--width"),
                         QStringLiteral("200"),
                         QStringLiteral("--height"),
                         QStringLiteral("32"),
                         QStringLiteral("--SetDockType"),
                         QStringLiteral("true")});
        m_process.waitForStarted(5000);
        for (int i = 0; i < 100 && !QSystemTrayIcon::isSystemTrayAvailable(); ++i) {
            QTest::qWait(100);
        }
    }
    ~TrayHost()
    {
        m_process.kill();
        m_process.waitForFinished(5000);
        for (int i = 0; i < 50 && QSystemTrayIcon::isSystemTrayAvailable(); ++i) {
            QTest::qWait(100);
        }
    }
    bool isRunning() const
    {
        return m_process.state() == QProcess::Running && QSystemTrayIcon::isSystemTrayAvailable();
    }

private:
    QProcess m_process;
};

// The icon windows the tray host has embedded: the windows below trayer's that are not its own.
QStringList embeddedIcons()
{
    QStringList icons;
    const QStringList hosts = runTool(QStringLiteral("xdotool"),
                                      {QStringLiteral("search"), QStringLiteral("--class"), QStringLiteral("^trayer$")})
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString& host : hosts) {
        const QString tree
            = runTool(QStringLiteral("xwininfo"), {QStringLiteral("-tree"), QStringLiteral("-id"), host});
        for (const QString& line : tree.split(QLatin1Char('\n'))) {
            const bool client = line.contains(QLatin1String("(\"")) && !line.contains(QLatin1String("\"trayer\")"))
                                && !line.contains(QLatin1String("\"Trayer\")"));
            if (client && line.startsWith(QLatin1String("     "))) {
                icons << QString::number(line.trimmed().section(QLatin1Char(' '), 0, 0).toULongLong(nullptr, 16));
            }
        }
    }
    icons.removeDuplicates();
    return icons;
}

bool isMapped(const QString& id)
{
    return runTool(QStringLiteral("xwininfo"), {QStringLiteral("-id"), id}).contains(QLatin1String("IsViewable"));
}

// Clicks a mouse button on a window, apart enough from the click before not to make a double click.
void clickOn(const QString& id, int button)
{
    QTest::qWait(QGuiApplication::styleHints()->mouseDoubleClickInterval() + 100);
    runTool(QStringLiteral("xdotool"),
            {QStringLiteral("mousemove"), QStringLiteral("--window"), id, QStringLiteral("5"), QStringLiteral("5")});
    runTool(QStringLiteral("xdotool"), {QStringLiteral("click"), QString::number(button)});
}

// Ctrl+Alt+N as a person presses it: each key down in turn, then up in the reverse order.
void pressNewNoteKey()
{
    runTool(QStringLiteral("xdotool"),
            {QStringLiteral("keydown"),
             QStringLiteral("ctrl"),
             QStringLiteral("keydown"),
             QStringLiteral("alt"),
             QStringLiteral("keydown"),
             QStringLiteral("n")});
    QTest::qWait(50);
    runTool(QStringLiteral("xdotool"),
            {QStringLiteral("keyup"),
             QStringLiteral("n"),
             QStringLiteral("keyup"),
             QStringLiteral("alt"),
             QStringLiteral("keyup"),
             QStringLiteral("ctrl")});
}

QString activeWindow()
{
    return runTool(QStringLiteral("xdotool"), {QStringLiteral("getactivewindow")});
}

bool waitUntil(const std::function<bool()>& condition, int ms = 10000)
{
    for (int waited = 0; waited < ms && !condition(); waited += 100) {
        QTest::qWait(100);
    }
    return condition();
}

int logLinesWith(const QString& text)
{
    QFile log(errorLogPath());
    return log.open(QIODevice::ReadOnly) ? int(QString::fromUtf8(log.readAll()).count(text)) : 0;
}

// org.kde.StatusNotifierWatcher with a host: a tray that only the session bus knows of, as some panels are.
class BusTray : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ hostRegistered)
    Q_PROPERTY(int ProtocolVersion READ protocolVersion)
    Q_PROPERTY(QStringList RegisteredStatusNotifierItems READ registeredItems)

public:
    explicit BusTray(QDBusConnection connection)
        : m_connection(connection)
    {
        m_connection.registerObject(QStringLiteral("/StatusNotifierWatcher"),
                                    this,
                                    QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties);
        m_registered = m_connection.registerService(QStringLiteral("org.kde.StatusNotifierWatcher"));
    }
    ~BusTray() override
    {
        m_connection.unregisterService(QStringLiteral("org.kde.StatusNotifierWatcher"));
        m_connection.unregisterObject(QStringLiteral("/StatusNotifierWatcher"));
    }
    bool isRegistered() const { return m_registered; }
    bool hostRegistered() const { return true; }
    int protocolVersion() const { return 0; }
    QStringList registeredItems() const { return m_items; }

public slots:
    void RegisterStatusNotifierItem(const QString& service) { m_items << service; }
    void RegisterStatusNotifierHost(const QString&) { }

private:
    QDBusConnection m_connection;
    bool m_registered = false;
    QStringList m_items;
};

} // namespace

class TestTrayX11 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { startFromEmptyFolders(); }
    void trayMenuCommands();
    void notesLeaveTheTaskbarOnlyBesideATray_data();
    void notesLeaveTheTaskbarOnlyBesideATray();
    void notesFollowATrayThatComesAndGoes();
    void clickHidesAndShowsAndQuitKeepsEveryNote();
    void keyDialogFromTheTrayTakesEnter();
    void keepRunningAfterTheLastNote_data();
    void keepRunningAfterTheLastNote();
    void newNoteKeyFromAnotherProgram_data();
    void newNoteKeyFromAnotherProgram();
    void newNoteKeyHeldByAnotherProgram();
    void reminderReachesTheNotificationCentre();
    void missedRemindersComeAsOneList();
    void alertSnoozesAndIsDone_data();
    void alertSnoozesAndIsDone();
    void notesLeaveTheTaskbarBesideATrayOnTheBus();

private:
    bool start(QProcess& program, int windows, const QStringList& arguments = {});
    void end(QProcess& program);
    std::unique_ptr<PrivateSessionBus> m_bus;
};

void TestTrayX11::initTestCase()
{
    if (QStandardPaths::findExecutable(QStringLiteral("trayer")).isEmpty()) {
        QSKIP("trayer is not installed (scripts/install-deps.sh test installs it)");
    }
    // The program and the test share a bus of their own; nothing answers for notifications until a test says so.
    m_bus = std::make_unique<PrivateSessionBus>();
    if (!m_bus->address().isEmpty()) {
        qputenv("DBUS_SESSION_BUS_ADDRESS", m_bus->address().toUtf8());
    }
}

bool TestTrayX11::start(QProcess& program, int windows, const QStringList& arguments)
{
    program.start(QStringLiteral(JOTLET_PROGRAM), arguments);
    return program.waitForStarted(10000) && waitForNoteWindows(windows);
}

void TestTrayX11::end(QProcess& program)
{
    signalProgram(program, SIGTERM);
    QVERIFY(program.waitForFinished(10000));
}

// In this process: the menu's items, and each command on notes with real windows.
void TestTrayX11::trayMenuCommands()
{
    TrayHost host;
    QVERIFY(host.isRunning());
    NoteBoard board;
    board.setViewFactory([](Note* note) { new NoteWindow(note); });
    Note* first = board.createNote();
    first->text().setText(QStringLiteral("Buy milk & eggs\r\nand bread"));
    first->setGeometry(QRect(1500, 3000, 3000, 2500));
    first->show();
    DesktopPresence presence(board);
    presence.start();
    QVERIFY(presence.trayIcon() && presence.trayIcon()->isVisible());
    QVERIFY(waitUntil([] { return embeddedIcons().size() == 1; }));

    const auto action = [&presence](const QString& name) { return presence.menu()->findChild<QAction*>(name); };
    for (const char* name : {"trayNewNote",
                             "trayShowAll",
                             "trayHideAll",
                             "trayManager",
                             "trayShowIcon",
                             "trayOutOfTaskbar",
                             "trayKeepRunning",
                             "trayNewNoteKey",
                             "trayQuit"}) {
        QVERIFY2(action(QString::fromLatin1(name)), name);
    }
    QVERIFY(action(QStringLiteral("trayShowIcon"))->isChecked());
    QVERIFY(action(QStringLiteral("trayOutOfTaskbar"))->isChecked());
    QVERIFY(action(QStringLiteral("trayKeepRunning"))->isChecked()); // beside a tray, it stays there at first
    QCOMPARE(action(QStringLiteral("trayNewNoteKey"))->text(), QStringLiteral("New-Note &Key (Ctrl+Alt+N)..."));

    action(QStringLiteral("trayNewNote"))->trigger();
    QCOMPARE(board.count(), 2);
    Note* second = board.notes().last();
    auto* secondWindow = qobject_cast<NoteWindow*>(second->dialogOwner());
    QVERIFY(QTest::qWaitForWindowActive(secondWindow));
    QVERIFY(secondWindow->textBox()->hasFocus());
    second->run(Command::RollUp);

    QStringList ids;
    QList<QPoint> places;
    for (Note* note : board.notes()) {
        ids << QString::number(qobject_cast<QWidget*>(note->dialogOwner())->winId());
        places << windowPosition(ids.last());
    }
    action(QStringLiteral("trayHideAll"))->trigger();
    QVERIFY(waitUntil([&ids] { return !isMapped(ids[0]) && !isMapped(ids[1]); }));
    QVERIFY(!board.allShowing());
    action(QStringLiteral("trayShowAll"))->trigger();
    QVERIFY(waitUntil([&ids] { return isMapped(ids[0]) && isMapped(ids[1]); }));
    QCOMPARE(windowPosition(ids[0]), places[0]);
    QCOMPARE(windowPosition(ids[1]), places[1]);

    // The notes by their first words; picking a hidden, rolled-up one brings it back whole and with the keyboard.
    board.hideAll();
    emit presence.menu()->aboutToShow();
    QStringList texts;
    QAction* pick = nullptr;
    for (QAction* item : presence.menu()->actions()) {
        texts << item->text();
        if (item->text() == QLatin1String("(empty note)")) {
            pick = item;
        }
    }
    QVERIFY2(texts.contains(QStringLiteral("Buy milk && eggs")), qPrintable(texts.join(QLatin1Char('|'))));
    QVERIFY(pick);
    pick->trigger();
    QVERIFY(waitUntil([&ids] { return isMapped(ids[1]); }));
    QVERIFY(!second->isRolledUp());
    QVERIFY(QTest::qWaitForWindowActive(secondWindow));
    QVERIFY(!isMapped(ids[0]));

    QSignalSpy quit(&presence, &DesktopPresence::quitRequested);
    action(QStringLiteral("trayQuit"))->trigger();
    QCOMPARE(quit.count(), 1);
    for (Note* note : board.notes()) {
        note->discard();
    }
}

void TestTrayX11::notesLeaveTheTaskbarOnlyBesideATray_data()
{
    QTest::addColumn<bool>("tray");
    QTest::addColumn<QString>("option");
    QTest::addColumn<bool>("outOfTaskbar");
    QTest::newRow("tray, option by default") << true << QString() << true;
    QTest::newRow("tray, option off") << true << QStringLiteral("False") << false;
    QTest::newRow("no tray") << false << QString() << false;
}

void TestTrayX11::notesLeaveTheTaskbarOnlyBesideATray()
{
    QFETCH(bool, tray);
    QFETCH(QString, option);
    QFETCH(bool, outOfTaskbar);
    if (!option.isEmpty()) {
        QVERIFY(writeSetting(Setting::KeepNotesOutOfTaskbar, option));
    }
    QVERIFY(
        writeMainNoteFile({sampleNote(QStringLiteral("one")),
                           sampleNote(QStringLiteral("two"), QStringLiteral("blue"), QRect(6000, 3000, 3000, 2500))}));
    std::unique_ptr<TrayHost> host = tray ? std::make_unique<TrayHost>() : nullptr;
    QProcess program;
    QVERIFY(start(program, 2));
    for (const QString& id : noteWindows()) {
        QVERIFY(waitUntil([&id] { return !wmState(id.toULongLong()).isEmpty(); }));
        QCOMPARE(wmState(id.toULongLong()).contains(QLatin1String("_NET_WM_STATE_SKIP_TASKBAR")), outOfTaskbar);
        QCOMPARE(wmState(id.toULongLong()).contains(QLatin1String("_NET_WM_STATE_SKIP_PAGER")), outOfTaskbar);
    }
    QCOMPARE(embeddedIcons().size(), tray ? 1 : 0);
    end(program);
}

// At log-in the panel may start after the program: its tray appears, and the notes leave the taskbar; when the panel
// ends, they come back to it, since the taskbar is then the only way to them.
void TestTrayX11::notesFollowATrayThatComesAndGoes()
{
    QVERIFY(
        writeMainNoteFile({sampleNote(QStringLiteral("one")),
                           sampleNote(QStringLiteral("two"), QStringLiteral("blue"), QRect(6000, 3000, 3000, 2500))}));
    QProcess program;
    QVERIFY(start(program, 2));
    const QStringList notes = noteWindows();
    const auto inTaskbar = [&notes](bool in) {
        return std::all_of(notes.cbegin(), notes.cend(), [in](const QString& id) {
            const QString state = wmState(id.toULongLong());
            return !state.isEmpty() && state.contains(QLatin1String("_NET_WM_STATE_SKIP_TASKBAR")) != in;
        });
    };
    QVERIFY(waitUntil([&] { return inTaskbar(true); }));
    auto host = std::make_unique<TrayHost>();
    QVERIFY(host->isRunning());
    QVERIFY2(waitUntil([&] { return inTaskbar(false); }, 5000), "the notes stayed in the taskbar beside a tray");
    QVERIFY(waitUntil([] { return embeddedIcons().size() == 1; }));
    host.reset();
    QVERIFY2(waitUntil([&] { return inTaskbar(true); }, 5000), "the notes stayed out of the taskbar without a tray");
    end(program);
}

// "New-Note Key..." from the tray's menu: the dialog comes to the front above the notes, records the combination
// pressed, and Enter keeps it.
void TestTrayX11::keyDialogFromTheTrayTakesEnter()
{
    TrayHost host;
    QProcess program;
    QVERIFY(start(program, 1));
    QVERIFY(waitUntil([] { return embeddedIcons().size() == 1; }));
    clickOn(embeddedIcons().first(), 3);
    QTest::qWait(500);
    pressKeys(QStringLiteral("o"));
    QTest::qWait(300);
    pressKeys(QStringLiteral("k"));
    QVERIFY2(waitUntil([] {
                 return runTool(QStringLiteral("xdotool"),
                                {QStringLiteral("getactivewindow"), QStringLiteral("getwindowname")})
                            .trimmed()
                        == QLatin1String("New-Note Key");
             }),
             "the key dialog is not the active window");
    pressKeys(QStringLiteral("ctrl+alt+k"));
    QTest::qWait(300);
    pressKeys(QStringLiteral("Return"));
    QVERIFY(waitUntil([] { return readSetting(Setting::NewNoteKey) == QLatin1String("Ctrl+Alt+K"); }));
    end(program);
}

// As a user: a click on the icon puts the notes away and brings them back where they were; "Quit" in its menu (the
// last item, chosen with the keyboard) ends the program with every note kept, hidden ones too, and they come back
// shown.
void TestTrayX11::clickHidesAndShowsAndQuitKeepsEveryNote()
{
    QVERIFY(writeMainNoteFile(
        {sampleNote(QStringLiteral("first")),
         sampleNote(QStringLiteral("second"), QStringLiteral("blue"), QRect(6000, 3000, 3000, 2500))}));
    TrayHost host;
    QProcess program;
    QVERIFY(start(program, 2));
    QVERIFY(waitUntil([] { return embeddedIcons().size() == 1; }));
    const QString icon = embeddedIcons().first();
    const QStringList notes = noteWindows();
    const QPoint firstPlace = windowPosition(notes[0]);

    clickOn(icon, 1);
    QVERIFY(waitUntil([&notes] { return !isMapped(notes[0]) && !isMapped(notes[1]); }));
    clickOn(icon, 1);
    QVERIFY(waitUntil([&notes] { return isMapped(notes[0]) && isMapped(notes[1]); }));
    QCOMPARE(windowPosition(notes[0]), firstPlace);

    clickOn(icon, 1); // put away again, and kept so
    QVERIFY(waitUntil([&notes] { return !isMapped(notes[0]); }));
    clickOn(icon, 3);
    QTest::qWait(500);
    screenshot(QStringLiteral("tray-menu"));
    pressKeys(QStringLiteral("Up"));
    pressKeys(QStringLiteral("Return"));
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitCode(), 0);
    const NoteList kept = loadMainNoteFile();
    QCOMPARE(kept.size(), 2);
    QVERIFY(kept[0].data.contains(QLatin1String("first")));
    QVERIFY(kept[1].data.contains(QLatin1String("second")));

    QProcess again;
    QVERIFY(start(again, 2));
    end(again);
}

void TestTrayX11::keepRunningAfterTheLastNote_data()
{
    QTest::addColumn<bool>("tray");
    QTest::addColumn<bool>("keepRunning");
    QTest::addColumn<bool>("runs");
    QTest::newRow("tray, kept running (the default)") << true << true << true;
    QTest::newRow("tray, option off") << true << false << false;
    QTest::newRow("no tray, kept running") << false << true << false;
}

void TestTrayX11::keepRunningAfterTheLastNote()
{
    QFETCH(bool, tray);
    QFETCH(bool, keepRunning);
    QFETCH(bool, runs);
    QVERIFY(writeSetting(Setting::KeepRunning, keepRunning ? QStringLiteral("True") : QStringLiteral("False")));
    std::unique_ptr<TrayHost> host = tray ? std::make_unique<TrayHost>() : nullptr;
    QProcess program;
    QVERIFY(start(program, 1)); // one new, empty note
    if (tray) {
        QVERIFY(waitUntil([] { return embeddedIcons().size() == 1; }));
    }
    const QString id = noteWindows().first();
    // The close button: 17 px square, 2 px in from the right edge of the 155 px wide note.
    const QPoint close = windowPosition(id) + QPoint(155 - 2 - 8, 8);
    runTool(QStringLiteral("xdotool"),
            {QStringLiteral("mousemove"), QString::number(close.x()), QString::number(close.y())});
    runTool(QStringLiteral("xdotool"), {QStringLiteral("click"), QStringLiteral("1")});
    QCOMPARE(program.waitForFinished(runs ? 3000 : 10000), !runs);
    if (runs) {
        QVERIFY(waitForNoteWindows(0));
        clickOn(embeddedIcons().value(0), 1); // a click on the icon makes a new note
        QVERIFY(waitForNoteWindows(1));
        end(program);
    }
}

void TestTrayX11::newNoteKeyFromAnotherProgram_data()
{
    QTest::addColumn<bool>("busy");
    QTest::newRow("idle machine") << false;
    QTest::newRow("every core busy") << true;
}

void TestTrayX11::newNoteKeyFromAnotherProgram()
{
    QFETCH(bool, busy);
    QProcess program;
    QVERIFY(start(program, 1));
    QLineEdit other;
    other.setGeometry(700, 500, 300, 30);
    other.show();
    QVERIFY(QTest::qWaitForWindowExposed(&other));
    runTool(QStringLiteral("xdotool"),
            {QStringLiteral("windowactivate"), QStringLiteral("--sync"), QString::number(other.winId())});
    QVERIFY(QTest::qWaitForWindowActive(&other));
    {
        std::unique_ptr<BusyCores> load = busy ? std::make_unique<BusyCores>() : nullptr;
        pressNewNoteKey();
        QVERIFY(waitForNoteWindows(2));
        QVERIFY(waitUntil([] { return noteWindows().contains(activeWindow()); }));
    }
    runTool(QStringLiteral("xdotool"), {QStringLiteral("type"), QStringLiteral("typed at once")});
    QTest::qWait(500);
    QVERIFY(other.text().isEmpty());
    end(program);
    const NoteList kept = loadMainNoteFile();
    QCOMPARE(kept.size(), 2);
    QVERIFY(kept[0].data.contains(QLatin1String("typed at once"))
            || kept[1].data.contains(QLatin1String("typed at once")));
}

void TestTrayX11::newNoteKeyHeldByAnotherProgram()
{
    GlobalKey holder; // this test is the other program
    QCOMPARE(holder.setKey(QKeySequence(QStringLiteral("Ctrl+Alt+N"))), GlobalKey::Outcome::Taken);
    TrayHost host;
    QProcess program;
    QVERIFY(start(program, 1));
    QVERIFY(waitUntil([] { return logLinesWith(QStringLiteral("modTray: NewNoteKey")) == 1; }));
    QTest::qWait(500);
    QCOMPARE(logLinesWith(QStringLiteral("The new-note key Ctrl+Alt+N is in use by another program")), 1);
    QCOMPARE(program.state(), QProcess::Running);
    pressNewNoteKey(); // it reaches the holder, not the program
    QTest::qWait(1000);
    QCOMPARE(noteWindows().size(), 1);
    end(program);
    QCOMPARE(program.exitCode(), 0);
}

void TestTrayX11::reminderReachesTheNotificationCentre()
{
    if (m_bus->address().isEmpty()) {
        QSKIP("dbus-daemon is not installed or did not start");
    }
    FakeNotificationCentre centre(m_bus->connection());
    QVERIFY(centre.isRegistered());
    NoteRecord reminder = sampleNote(QStringLiteral("water the plants"));
    reminder.keepsSpecial = true;
    reminder.specialType = 8;
    reminder.reminder = timeOfDayText(QTime::currentTime().addSecs(3));
    QVERIFY(writeMainNoteFile({reminder}));
    QProcess program;
    QVERIFY(start(program, 1));
    QTRY_COMPARE_WITH_TIMEOUT(centre.calls.size(), 1, 20000);
    const FakeNotificationCentre::Call call = centre.calls.first();
    QCOMPARE(call.appName, QStringLiteral("Jotlet"));
    QCOMPARE(call.appIcon, QStringLiteral("jotlet"));
    QCOMPARE(call.summary, QStringLiteral("Jotlet reminder"));
    QCOMPARE(call.body, QStringLiteral("water the plants"));
    QCOMPARE(call.actions.value(0), QStringLiteral("default"));
    QCOMPARE(call.hints.value(QStringLiteral("urgency")).toInt(), 1);
    // One alert for one reminder: the notification, and no slide-in of the program's own beside it.
    QTest::qWait(1000);
    QVERIFY(runTool(QStringLiteral("xdotool"),
                    {QStringLiteral("search"),
                     QStringLiteral("--onlyvisible"),
                     QStringLiteral("--name"),
                     QStringLiteral("^Alert - Jotlet$")})
                .isEmpty());

    // Picking the notification brings the note forward with the keyboard, from wherever it was.
    QLineEdit other;
    other.show();
    runTool(QStringLiteral("xdotool"),
            {QStringLiteral("windowactivate"), QStringLiteral("--sync"), QString::number(other.winId())});
    QVERIFY(QTest::qWaitForWindowActive(&other));
    centre.invoke(1, QStringLiteral("default"));
    QVERIFY(waitUntil([] { return noteWindows().contains(activeWindow()); }));
    QTest::qWait(1000);
    QCOMPARE(centre.calls.size(), 1); // one notification for one reminder

    // Its Snooze 5 Minutes button: the reminder waits five minutes, and the note keeps that when the session ends.
    QVERIFY(call.actions.contains(QStringLiteral("snooze-5")));
    QVERIFY(!call.actions.contains(QStringLiteral("done"))); // a daily reminder is never done
    const QDateTime snoozedAt = QDateTime::currentDateTimeUtc();
    centre.invoke(1, QStringLiteral("snooze-5"));
    QTest::qWait(1000);
    end(program);
    const NoteList kept = loadMainNoteFile();
    QCOMPARE(kept.size(), 1);
    const QDateTime until = QDateTime::fromString(kept.first().reminderSnooze, Qt::ISODate);
    QVERIFY2(qAbs(snoozedAt.secsTo(until) - 300) <= 5, qPrintable(kept.first().reminderSnooze));
}

void TestTrayX11::missedRemindersComeAsOneList()
{
    if (m_bus->address().isEmpty()) {
        QSKIP("dbus-daemon is not installed or did not start");
    }
    // Two daily reminders whose time passed an hour ago, while the program was not running (both were dealt with
    // two hours ago): at the start, one notification lists both, saying when each was due.
    FakeNotificationCentre centre(m_bus->connection());
    QVERIFY(centre.isRegistered());
    const QDateTime due = QDateTime::currentDateTime().addSecs(-3600);
    NoteList notes;
    for (const QString& text : {QStringLiteral("dentist"), QStringLiteral("call the garage")}) {
        NoteRecord reminder = sampleNote(text);
        reminder.keepsSpecial = true;
        reminder.specialType = 8;
        reminder.reminder = timeOfDayText(due.time());
        reminder.reminderAt = due.addDays(-3).toUTC().toString(Qt::ISODate);
        reminder.reminderRepeat = QStringLiteral("daily");
        reminder.reminderLast = due.addSecs(-3600).toUTC().toString(Qt::ISODateWithMs);
        notes << reminder;
    }
    QVERIFY(writeMainNoteFile(notes));
    QProcess program;
    QVERIFY(start(program, 2));
    QTRY_COMPARE_WITH_TIMEOUT(centre.calls.size(), 1, 20000);
    QTest::qWait(1500);
    QCOMPARE(centre.calls.size(), 1); // one, not one each
    const FakeNotificationCentre::Call call = centre.calls.first();
    QCOMPARE(call.summary, QStringLiteral("Jotlet reminders"));
    QCOMPARE(call.body.count(QStringLiteral("Missed at")), 2);
    QVERIFY(call.body.contains(QLatin1String("dentist")) && call.body.contains(QLatin1String("call the garage")));
    end(program);
}

void TestTrayX11::alertSnoozesAndIsDone_data()
{
    QTest::addColumn<bool>("snooze");
    QTest::newRow("Snooze, 5 Minutes") << true;
    QTest::newRow("Done") << false;
}

void TestTrayX11::alertSnoozesAndIsDone()
{
    // No notification service: the program's own alert, with its buttons, for a one-off reminder due in 3 s.
    QFETCH(bool, snooze);
    const QDateTime due = QDateTime::currentDateTime().addSecs(3);
    NoteRecord reminder = sampleNote(QStringLiteral("pick up the parcel"));
    reminder.keepsSpecial = true;
    reminder.specialType = 8;
    reminder.reminder = timeOfDayText(due.time());
    reminder.reminderAt = due.toUTC().toString(Qt::ISODate);
    reminder.reminderRepeat = QStringLiteral("once");
    QVERIFY(writeMainNoteFile({reminder}));
    QProcess program;
    QVERIFY(start(program, 1));
    QString alert;
    QVERIFY(waitUntil(
        [&alert] {
            alert = runTool(QStringLiteral("xdotool"),
                            {QStringLiteral("search"),
                             QStringLiteral("--onlyvisible"),
                             QStringLiteral("--name"),
                             QStringLiteral("^Alert - Jotlet$")})
                        .trimmed();
            return !alert.isEmpty();
        },
        20000));
    QTest::qWait(500); // open to its full height
    screenshot(QStringLiteral("alert-with-buttons"));
    const QDateTime chosenAt = QDateTime::currentDateTimeUtc();
    const QString width = runTool(QStringLiteral("xdotool"), {QStringLiteral("getwindowgeometry"), alert})
                              .section(QStringLiteral("Geometry: "), 1)
                              .section(QLatin1Char('x'), 0, 0);
    // Snooze at the bottom left opens its menu; Done sits at the bottom right.
    const QString x = snooze ? QStringLiteral("15") : QString::number(width.toInt() - 15);
    runTool(QStringLiteral("xdotool"),
            {QStringLiteral("mousemove"), QStringLiteral("--window"), alert, x, QStringLiteral("101")});
    runTool(QStringLiteral("xdotool"), {QStringLiteral("click"), QStringLiteral("1")});
    if (snooze) {
        QTest::qWait(3500); // longer than the alert shows: it stays while its menu is open
        runTool(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("Down"), QStringLiteral("Return")});
    }
    QVERIFY(waitUntil([&alert] { return !isMapped(alert); }, 3000)); // it goes once chosen
    QTest::qWait(500);
    end(program);
    const NoteList kept = loadMainNoteFile();
    QCOMPARE(kept.size(), 1);
    QVERIFY(kept.first().data.contains(QLatin1String("pick up the parcel")));
    if (snooze) {
        QCOMPARE(kept.first().specialType, 8);
        const QDateTime until = QDateTime::fromString(kept.first().reminderSnooze, Qt::ISODate);
        QVERIFY2(qAbs(chosenAt.secsTo(until) - 300) <= 8, qPrintable(kept.first().reminderSnooze));
    } else {
        QCOMPARE(kept.first().specialType, 0); // an ordinary note now, its text kept
    }
}

// A tray that only the session bus knows of is asked about once the notes are drawn: they leave the taskbar then,
// and the icon goes to that tray. (Last: this process's Qt keeps its first answer about such a tray.)
void TestTrayX11::notesLeaveTheTaskbarBesideATrayOnTheBus()
{
    if (m_bus->address().isEmpty()) {
        QSKIP("dbus-daemon is not installed or did not start");
    }
    BusTray tray(m_bus->connection());
    QVERIFY(tray.isRegistered());
    QVERIFY(writeMainNoteFile({sampleNote(QStringLiteral("one"))}));
    QProcess program;
    QVERIFY(start(program, 1));
    const QString note = noteWindows().first();
    QVERIFY2(waitUntil(
                 [&note] { return wmState(note.toULongLong()).contains(QLatin1String("_NET_WM_STATE_SKIP_TASKBAR")); }),
             "the note stayed in the taskbar beside a tray on the session bus");
    QVERIFY(waitUntil([&tray] { return !tray.registeredItems().isEmpty(); }));
    end(program);
}

QTEST_MAIN(TestTrayX11)
#include "tst_tray_x11.moc"
