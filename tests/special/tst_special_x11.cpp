// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// Special notes on a real X server. A time note chosen from the note's menu with the mouse and keys: its text
// follows the clock from one second to the next; "Stop Special Note" freezes it and typing works again. A reminder
// on a rolled-up note: the note comes back to its size and to the top, the alert slides up in the corner of the
// work area above a panel, and what the user types still goes where it went. Feed notes: headlines from a local
// server, and typing in another note goes on while a feed note waits for a server that never answers. Clipboard
// notes: copies made with xclip and from a note show in a viewer and a log; a stopped note no longer follows.
#include "dialogs/qtdialogs.h"
#include "dialogs/reminderdialog.h"
#include "drawnparts.h"
#include "fakealertsound.h"
#include "fakedialogs.h"
#include "freshfolders.h"
#include "note/noteboard.h"
#include "note/notetext.h"
#include "note/screens.h"
#include "special/alert/alertwindow.h"
#include "special/clipboardsource.h"
#include "special/httpfetcher.h"
#include "special/specialcontent.h"
#include "special/specialnotedriver.h"
#include "testhttpserver.h"
#include "window/notetextbox.h"
#include "window/notewindow.h"
#include "xtools.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QScreen>
#include <QTemporaryFile>
#include <QTest>
#include <QTimer>

using namespace jotlet;

class TestSpecialX11 : public QObject
{
    Q_OBJECT

private slots:
    void init() { startFromEmptyFolders(); }
    void timeNoteFromTheMenu();
    void reminderOnARolledUpNote();
    void reminderWithADateFromTheMenu();
    void feedNotesNeverHoldUpTyping();
    void clipboardNotesFollowCopies();
};

namespace {

AlertWindow* openAlert()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* alert = qobject_cast<AlertWindow*>(widget); alert && alert->isVisible()) {
            return alert;
        }
    }
    return nullptr;
}

void clickAt(QWidget* widget, int x)
{
    const QPoint at = widget->mapToGlobal(QPoint(x, widget->height() / 2));
    runTool(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y())});
    runTool(QStringLiteral("xdotool"), {QStringLiteral("click"), QStringLiteral("1")});
}

// In the reminder window: the date a step later (its first part, Up), "Once" from the list, Enter.
void chooseADayLaterOnce(ReminderInputDialog* dialog, QDate* chosen)
{
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    QTest::qWait(300);
    auto* date = dialog->findChild<QDateEdit*>(QStringLiteral("dtDate"));
    auto* repeat = dialog->findChild<QComboBox*>(QStringLiteral("cboRepeat"));
    clickAt(date, 8);
    runTool(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("Up")});
    QTRY_VERIFY(date->date() > QDate::currentDate());
    clickAt(repeat, repeat->width() / 2);
    QTRY_VERIFY(repeat->view()->isVisible());
    runTool(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("Home"), QStringLiteral("Return")});
    QTRY_COMPARE(repeat->currentIndex(), 0); // Once
    screenshot(QStringLiteral("reminder-dialog"));
    *chosen = date->date();
    runTool(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("Return")});
}

// A panel along the bottom of the screen, 40 pixels high, that the work area leaves out.
void showPanel(QWidget& panel)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    panel.setGeometry(0, screen.height() - 40, screen.width(), 40);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    setStrut(panel.winId(), QStringLiteral("0,0,0,40,0,0,0,0,0,0,0,%1").arg(screen.width() - 1));
    QTRY_COMPARE_WITH_TIMEOUT(
        QGuiApplication::primaryScreen()->availableGeometry().bottom(), screen.height() - 41, 5000);
}

// Three notes side by side in their windows, for special notes to work in.
struct ThreeNotes
{
    explicit ThreeNotes(const SpecialServices& services)
    {
        board.setViewFactory([this](Note* note) { windows << new NoteWindow(note); });
        board.setSpecialNoteFactory(specialNoteFactory(specialContentFactory(services), {}));
        for (int i = 0; i < 3; ++i) {
            Note* note = board.createNote();
            note->setSaveNewNoteOnClose(false);
            note->setGeometry(QRect(1500 + i * 4000, 3000, 3600, 3000));
            note->show();
            notes << note;
        }
    }
    ~ThreeNotes()
    {
        for (Note* note : notes) {
            note->discard();
        }
    }
    bool shown() const
    {
        return std::all_of(windows.begin(), windows.end(), [](QWidget* w) { return QTest::qWaitForWindowExposed(w); });
    }
    NoteBoard board;
    QList<Note*> notes;
    QList<NoteWindow*> windows;
};

// Puts text on the CLIPBOARD selection from another program, as a user copying elsewhere would.
void copyWithXclip(const QString& text)
{
    QTemporaryFile file;
    QVERIFY(file.open());
    file.write(text.toUtf8());
    file.close();
    runTool(QStringLiteral("xclip"), {QStringLiteral("-selection"), QStringLiteral("clipboard"), file.fileName()});
}

} // namespace

void TestSpecialX11::timeNoteFromTheMenu()
{
    NoteBoard board;
    NoteWindow* window = nullptr;
    board.setViewFactory([&window](Note* note) { window = new NoteWindow(note); });
    board.setSpecialNoteFactory(specialNoteFactory(specialContentFactory(), {}));
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

void TestSpecialX11::reminderOnARolledUpNote()
{
    QWidget panel(nullptr, Qt::FramelessWindowHint);
    showPanel(panel);
    FakeAlertSound sound;
    NoteBoard board;
    NoteWindow* window = nullptr;
    board.setViewFactory([&window](Note* note) { window = new NoteWindow(note); });
    board.setSpecialNoteFactory(
        specialNoteFactory(specialContentFactory(), [&sound](const QString& text, int ms, const Note& note) {
            AlertWindow::display(text, ms, screenOfNote(note.geometry())->availableGeometry(), &sound);
        }));
    Note* note = board.createNote();
    note->setSaveNewNoteOnClose(false);
    note->setGeometry(QRect(4500, 3000, 4500, 3000));
    note->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    note->run(Command::RollUp);

    // The user types in another window while the reminder comes due.
    QLineEdit typing;
    typing.setGeometry(100, 100, 300, 30);
    typing.show();
    QVERIFY(QTest::qWaitForWindowExposed(&typing));
    typing.setFocus();
    FakeDialogs dialogs;
    dialogs.timeAnswers << QTime::currentTime().addSecs(3);
    note->run(Command::SpecialReminder);
    runTool(QStringLiteral("xdotool"),
            {QStringLiteral("windowactivate"), QStringLiteral("--sync"), QString::number(typing.winId())});
    QTRY_VERIFY_WITH_TIMEOUT(typing.hasFocus(), 3000);

    QTRY_VERIFY_WITH_TIMEOUT(openAlert(), 12000);
    QPointer<AlertWindow> alert = openAlert();
    QVERIFY(!note->isRolledUp());
    QCOMPARE(window->size(), toPixels(QRect(0, 0, 4500, 3000), twipsPerPixel()).size());
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const int firstHeight = alert->height();
    QTRY_COMPARE_WITH_TIMEOUT(alert->height(), 113, 3000); // it grows to its full height
    QVERIFY(firstHeight < 113);
    QCOMPARE(alert->frameGeometry().bottomRight(), area.bottomRight());
    QTest::qWait(300);
    screenshot(QStringLiteral("reminder-alert"));
    runTool(QStringLiteral("xdotool"), {QStringLiteral("type"), QStringLiteral("abc")});
    QTRY_COMPARE_WITH_TIMEOUT(typing.text(), QStringLiteral("abc"), 3000);
    QVERIFY(typing.hasFocus());
    QTRY_VERIFY_WITH_TIMEOUT(alert.isNull(), 8000); // it stays three seconds and goes
    QCOMPARE(sound.plays, 1);
    QCOMPARE(specialDriverOf(*note)->reminderIcon(), ReminderIcon::Fired);
    note->discard();
}

void TestSpecialX11::reminderWithADateFromTheMenu()
{
    // Special Note > Reminder from the note's menu, the real window: a day later than today, once; the note then
    // says when it goes off.
    installQtDialogs();
    NoteBoard board;
    NoteWindow* window = nullptr;
    board.setViewFactory([&window](Note* note) { window = new NoteWindow(note); });
    board.setSpecialNoteFactory(specialNoteFactory(specialContentFactory(), {}));
    Note* note = board.createNote();
    note->setSaveNewNoteOnClose(false);
    note->setGeometry(QRect(4500, 3000, 6000, 4000));
    note->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const auto xdotool = [](const QStringList& arguments) { runTool(QStringLiteral("xdotool"), arguments); };
    NoteTextBox* box = window->textBox();
    clickAt(box->viewport(), box->viewport()->width() / 2);
    xdotool({QStringLiteral("click"), QStringLiteral("3")});
    QTRY_VERIFY_WITH_TIMEOUT(QApplication::activePopupWidget(), 5000);
    xdotool({QStringLiteral("key"), QStringLiteral("e")});
    QTest::qWait(300);
    // The window is modal: it is driven from inside its own event loop, as soon as it shows.
    QDate chosen;
    bool answered = false;
    QTimer watch;
    connect(&watch, &QTimer::timeout, this, [&] {
        auto* dialog = qobject_cast<ReminderInputDialog*>(QApplication::activeModalWidget());
        if (dialog && watch.isActive()) {
            watch.stop();
            chooseADayLaterOnce(dialog, &chosen);
            answered = true;
        }
    });
    watch.start(100);
    xdotool({QStringLiteral("key"), QStringLiteral("a")});
    QTRY_VERIFY_WITH_TIMEOUT(answered, 20000);
    QVERIFY(chosen > QDate::currentDate());
    SpecialNoteDriver* driver = specialDriverOf(*note);
    QCOMPARE(driver->reminderRule().first, chosen);
    QCOMPARE(driver->reminderRule().repeat, ReminderRepeat::Once);
    QCOMPARE(note->sessionRecord().reminderRepeat, QStringLiteral("once"));
    QTRY_VERIFY2(drawnText(window, QStringLiteral("Note caption")).startsWith(QLatin1String("Next: ")),
                 qPrintable(drawnText(window, QStringLiteral("Note caption"))));
    note->discard();
    setDialogResponder(nullptr);
}

void TestSpecialX11::feedNotesNeverHoldUpTyping()
{
    TestHttpServer server;
    server.route(QStringLiteral("/news.xml"),
                 "<rss><channel><description>Town news</description><item><title>Bridge opens</title>"
                 "<link>http://news/1</link></item></channel></rss>");
    server.route(QStringLiteral("/silent.xml"), TestHttpServer::Reply {200, {}, {}, TestHttpServer::Mode::Silent});
    HttpFetcher fetcher;
    ThreeNotes board({&fetcher, nullptr});
    QVERIFY(board.shown());
    const QList<Note*>& notes = board.notes;
    const QList<NoteWindow*>& windows = board.windows;
    FakeDialogs dialogs;
    dialogs.textAnswers << server.url(QStringLiteral("/silent.xml")).toString()
                        << server.url(QStringLiteral("/news.xml")).toString();
    notes.at(0)->run(Command::SpecialRssFeed);
    // The second as a user makes one: the note's menu (a right click on its edge), Special Note, RSS Feed.
    const QPoint edge = windows.at(1)->mapToGlobal(QPoint(1, windows.at(1)->height() / 2));
    runTool(QStringLiteral("xdotool"),
            {QStringLiteral("mousemove"),
             QString::number(edge.x()),
             QString::number(edge.y()),
             QStringLiteral("click"),
             QStringLiteral("3")});
    QTRY_VERIFY_WITH_TIMEOUT(QApplication::activePopupWidget(), 5000);
    runTool(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("e")});
    QTest::qWait(300);
    runTool(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("r")});
    QTRY_VERIFY_WITH_TIMEOUT(notes.at(1)->text().text().contains(QLatin1String("Bridge opens")), 10000);

    runTool(QStringLiteral("xdotool"),
            {QStringLiteral("windowactivate"), QStringLiteral("--sync"), QString::number(windows.at(2)->winId())});
    runTool(QStringLiteral("xdotool"), {QStringLiteral("type"), QStringLiteral("still typing")});
    QTRY_COMPARE_WITH_TIMEOUT(notes.at(2)->text().text(), QStringLiteral("still typing"), 1000);
    QCOMPARE(notes.at(0)->text().text(), QStringLiteral("...loading RSS feed")); // still waiting
    screenshot(QStringLiteral("feed-notes"));
}

void TestSpecialX11::clipboardNotesFollowCopies()
{
    SystemClipboard clipboard;
    ThreeNotes board({nullptr, &clipboard});
    QVERIFY(board.shown());
    const QList<Note*>& notes = board.notes;
    const QList<NoteWindow*>& windows = board.windows;
    notes.at(0)->run(Command::SpecialClipboardViewer);
    notes.at(1)->run(Command::SpecialClipboardLog);

    copyWithXclip(QStringLiteral("first copy"));
    QTRY_COMPARE_WITH_TIMEOUT(notes.at(0)->text().text(), QStringLiteral("Clipboard Viewer:\r\nfirst copy"), 1000);
    copyWithXclip(QStringLiteral("First Copy")); // the same, letter case aside
    copyWithXclip(QStringLiteral("second copy"));
    QTRY_VERIFY_WITH_TIMEOUT(notes.at(0)->text().text().endsWith(QLatin1String("second copy")), 1000);

    // Copied from a note of the program itself.
    notes.at(2)->text().setText(QStringLiteral("from a note"));
    runTool(QStringLiteral("xdotool"),
            {QStringLiteral("windowactivate"), QStringLiteral("--sync"), QString::number(windows.at(2)->winId())});
    pressKeys(QStringLiteral("ctrl+a"));
    pressKeys(QStringLiteral("ctrl+c"));
    QTRY_VERIFY_WITH_TIMEOUT(notes.at(1)->text().text().contains(QLatin1String("from a note")), 2000);
    const QString log = notes.at(1)->text().text();
    QCOMPARE(log.count(QStringLiteral("copy")), 2);
    QVERIFY(log.indexOf(QLatin1String("first copy")) < log.indexOf(QLatin1String("second copy")));
    screenshot(QStringLiteral("clipboard-notes"));

    notes.at(0)->run(Command::StopSpecialNote);
    copyWithXclip(QStringLiteral("after the stop"));
    QTRY_VERIFY_WITH_TIMEOUT(notes.at(1)->text().text().contains(QLatin1String("after the stop")), 2000);
    QVERIFY(notes.at(0)->text().text().endsWith(QLatin1String("from a note")));
}

QTEST_MAIN(TestSpecialX11)
#include "tst_special_x11.moc"
