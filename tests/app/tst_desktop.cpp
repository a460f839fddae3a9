// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program sits on the desktop, without a screen: the desktop options as stored, the X keys the new-note
// key becomes, hiding and showing every note without losing what each does, and the menu text of a note.
#include "app/desktoppresence.h"
#include "dialogs/settingswindow.h"
#include "fakedialogs.h"
#include "note/noteboard.h"
#include "note/notetext.h"
#include "platform/globalkey.h"
#include "special/specialcontent.h"
#include "special/specialnotedriver.h"
#include "support/clock.h"
#include "support/settings.h"

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

using namespace jotlet;

Q_DECLARE_METATYPE(std::optional<X11KeyChord>)

class TestDesktop : public QObject
{
    Q_OBJECT

private slots:
    void init() { QFile::remove(SettingsStore::location()); }
    void storedOptions_data();
    void storedOptions();
    void settingsWindowReachesTheTrayMenu();
    void x11Keys_data();
    void x11Keys();
    void hiddenNotesStayOpen();
    void clickShowsOrHides_data();
    void clickShowsOrHides();
    void noteMenuTexts_data();
    void noteMenuTexts();
    void trayListsTheNextReminders();
};

void TestDesktop::storedOptions_data()
{
    QTest::addColumn<QStringList>("stored"); // name=value pairs; none: no section at all
    QTest::addColumn<bool>("trayIcon");
    QTest::addColumn<bool>("outOfTaskbar");
    QTest::addColumn<bool>("keepRunning");
    QTest::addColumn<QString>("key");
    QTest::newRow("no section") << QStringList() << true << true << true << QStringLiteral("Ctrl+Alt+N");
    QTest::newRow("section from before the options")
        << QStringList {QStringLiteral("Color=blue")} << true << true << true << QStringLiteral("Ctrl+Alt+N");
    QTest::newRow("all set") << QStringList {QStringLiteral("ShowTrayIcon=False"),
                                             QStringLiteral("KeepNotesOutOfTaskbar=false"),
                                             QStringLiteral("KeepRunning=True"),
                                             QStringLiteral("NewNoteKey=Meta+F9")}
                             << false << false << true << QStringLiteral("Meta+F9");
    QTest::newRow("no key") << QStringList {QStringLiteral("NewNoteKey=None")} << true << true << true << QString();
    QTest::newRow("not truth values") << QStringList {QStringLiteral("ShowTrayIcon=maybe"),
                                                      QStringLiteral("KeepRunning=yes please")}
                                      << true << true << true << QStringLiteral("Ctrl+Alt+N");
}

void TestDesktop::storedOptions()
{
    QFETCH(QStringList, stored);
    for (const QString& pair : stored) {
        QVERIFY(SettingsStore::write(pair.section(QLatin1Char('='), 0, 0), pair.section(QLatin1Char('='), 1)));
    }
    const DesktopOptions options = readDesktopOptions();
    QTEST(options.showTrayIcon, "trayIcon");
    QTEST(options.keepNotesOutOfTaskbar, "outOfTaskbar");
    QTEST(options.keepRunning, "keepRunning");
    QTEST(options.newNoteKey, "key");

    // What is written reads back the same, and whoever shows the options hears of it.
    QSignalSpy changed(&desktopOptionsSignal(), &DesktopOptionsSignal::changed);
    QVERIFY(writeDesktopOptions(options));
    QCOMPARE(changed.count(), 1);
    const DesktopOptions again = readDesktopOptions();
    QCOMPARE(again.showTrayIcon, options.showTrayIcon);
    QCOMPARE(again.keepRunning, options.keepRunning);
    QCOMPARE(again.newNoteKey, options.newNoteKey);
}

void TestDesktop::settingsWindowReachesTheTrayMenu()
{
    NoteBoard board;
    DesktopPresence presence(board);
    presence.start();
    const auto checked = [&presence](const char* name) {
        return presence.menu()->findChild<QAction*>(QString::fromLatin1(name))->isChecked();
    };
    QVERIFY(checked("trayShowIcon") && checked("trayKeepRunning")); // a tray program stays in the tray at first
    SettingsWindow window;
    QVERIFY(window.trayIconBox()->isChecked() && window.keepRunningBox()->isChecked());
    window.trayIconBox()->setChecked(false);
    window.keepRunningBox()->setChecked(false);
    QVERIFY(window.keep());
    QVERIFY(!checked("trayShowIcon") && !checked("trayKeepRunning"));
    QVERIFY(!readDesktopOptions().showTrayIcon);
    QVERIFY(!presence.keepsRunning()); // no icon shows: the last note still ends the program
}

void TestDesktop::x11Keys_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<std::optional<X11KeyChord>>("chord");
    using Chord = std::optional<X11KeyChord>;
    QTest::newRow("Ctrl+Alt+N") << QStringLiteral("Ctrl+Alt+N") << Chord(X11KeyChord {'n', 4 | 8});
    QTest::newRow("Meta+Shift+7") << QStringLiteral("Meta+Shift+7") << Chord(X11KeyChord {'7', 64 | 1});
    QTest::newRow("Ctrl+,") << QStringLiteral("Ctrl+,") << Chord(X11KeyChord {',', 4});
    QTest::newRow("F9 alone") << QStringLiteral("F9") << Chord(X11KeyChord {0xffc6, 0});
    QTest::newRow("Alt+Space") << QStringLiteral("Alt+Space") << Chord(X11KeyChord {0x20, 8});
    QTest::newRow("Ctrl+Alt+Del") << QStringLiteral("Ctrl+Alt+Del") << Chord(X11KeyChord {0xffff, 4 | 8});
    // Keys that would take typing from every program, and keys without a keysym here.
    QTest::newRow("N alone") << QStringLiteral("N") << Chord();
    QTest::newRow("Shift+N") << QStringLiteral("Shift+N") << Chord();
    QTest::newRow("Space alone") << QStringLiteral("Space") << Chord();
    QTest::newRow("Ctrl+media key") << QStringLiteral("Ctrl+Media Play") << Chord();
}

void TestDesktop::x11Keys()
{
    QFETCH(QString, key);
    QFETCH(std::optional<X11KeyChord>, chord);
    const QKeySequence sequence = QKeySequence::fromString(key, QKeySequence::PortableText);
    QVERIFY(!sequence.isEmpty());
    QCOMPARE(x11KeyChord(sequence[0]), chord);
}

// Put away, a note keeps its text, unsaved mark, roll-up and special kind; what the session keeps is the same as
// for a shown note, so it comes back shown. A reminder going off or the user picking it brings it back.
void TestDesktop::hiddenNotesStayOpen()
{
    NoteBoard board;
    Note* typed = board.createNote();
    typed->text().setText(QStringLiteral("typed, never saved"));
    Note* rolled = board.createNote();
    rolled->run(Command::RollUp);
    const NoteRecord before = typed->sessionRecord();
    QSignalSpy hiddenChanges(typed, &Note::changed);

    board.hideAll();
    QVERIFY(typed->isHidden() && rolled->isHidden());
    QVERIFY(!board.allShowing());
    QCOMPARE(board.count(), 2);
    QCOMPARE(hiddenChanges.count(), 1);
    QVERIFY(typed->isUnsaved());
    QVERIFY(rolled->isRolledUp());
    QCOMPARE(typed->sessionRecord().data, before.data);
    QCOMPARE(typed->sessionRecord().left, before.left);

    typed->bringForward(); // a reminder
    QVERIFY(!typed->isHidden());
    rolled->present(); // picked in the tray menu
    QVERIFY(!rolled->isHidden());
    QVERIFY(!rolled->isRolledUp());
    QVERIFY(board.allShowing());
    for (Note* note : board.notes()) {
        note->discard();
    }
}

void TestDesktop::clickShowsOrHides_data()
{
    QTest::addColumn<QList<bool>>("hidden");
    QTest::addColumn<QList<bool>>("after");
    QTest::newRow("all showing: put away") << QList<bool> {false, false} << QList<bool> {true, true};
    QTest::newRow("one put away: all back") << QList<bool> {true, false} << QList<bool> {false, false};
    QTest::newRow("all put away: all back") << QList<bool> {true, true} << QList<bool> {false, false};
}

void TestDesktop::clickShowsOrHides()
{
    QFETCH(QList<bool>, hidden);
    QFETCH(QList<bool>, after);
    NoteBoard board;
    for (const bool isHidden : hidden) {
        board.createNote()->setHidden(isHidden);
    }
    board.toggleAll();
    QList<bool> now;
    for (Note* note : board.notes()) {
        now << note->isHidden();
        note->discard();
    }
    QCOMPARE(now, after);
}

void TestDesktop::noteMenuTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("menuText");
    QTest::newRow("first line") << QStringLiteral("Shopping\r\nmilk") << QStringLiteral("Shopping");
    QTest::newRow("blank lines first") << QStringLiteral("\r\n  \r\n  call   Anna ") << QStringLiteral("call Anna");
    QTest::newRow("ampersand stays one") << QStringLiteral("Salt & pepper") << QStringLiteral("Salt && pepper");
    QTest::newRow("long line") << QStringLiteral("A very long first line that goes on and on past any menu")
                               << QStringLiteral("A very long first line that goes on and\u2026");
    QTest::newRow("empty") << QString() << QStringLiteral("(empty note)");
}

void TestDesktop::noteMenuTexts()
{
    QFETCH(QString, text);
    QTEST(noteMenuText(text), "menuText");
}

void TestDesktop::trayListsTheNextReminders()
{
    Clock::setSource([] { return QDateTime(QDate(2026, 12, 7), QTime(15, 40)); });
    NoteBoard board;
    board.setSpecialNoteFactory(specialNoteFactory(specialContentFactory(), {}));
    FakeDialogs dialogs;
    for (const auto& [text, time] : {std::pair {"dentist", QTime(16, 30)}, std::pair {"garage", QTime(15, 50)}}) {
        Note* note = board.createNote();
        note->text().setText(QString::fromLatin1(text));
        dialogs.timeAnswers << time;
        note->run(Command::SpecialReminder);
    }
    board.createNote()->text().setText(QStringLiteral("no reminder"));
    DesktopPresence presence(board);
    presence.start();
    emit presence.menu()->aboutToShow();
    QStringList listed;
    for (const QAction* action : presence.menu()->actions()) {
        if (action->objectName() == QLatin1String("trayNextReminder")) {
            listed << action->text();
        }
    }
    QLocale::setDefault(QLocale::system());
    const QString at = QLocale().toString(QTime(15, 50), QLocale::ShortFormat);
    QCOMPARE(listed.value(0), QStringLiteral("Next: garage, Today %1").arg(at));
    QVERIFY(listed.value(1).startsWith(QLatin1String("Next: dentist, Today ")));
    QCOMPARE(listed.size(), 2);
    Clock::setSource({});
}

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
