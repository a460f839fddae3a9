// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// Reminder notes with a clock the test sets: when a reminder goes off (also after a late check and across
// midnight), what the note does then, the time dialog's answers, and a reminder kept over the end of a session.
#include "fakedialogs.h"
#include "logcapture.h"
#include "note/inputbox.h"
#include "note/noteboard.h"
#include "note/notetext.h"
#include "notes/notestore.h"
#include "special/reminder.h"
#include "special/specialcontent.h"
#include "special/specialnotedriver.h"
#include "support/appinfo.h"
#include "support/clock.h"
#include "support/timetext.h"

#include <QFile>
#include <QTest>

using namespace jotlet;

namespace {

const QDate kToday(2026, 12, 7);

QDateTime at(const QString& time, int days = 0)
{
    return QDateTime(kToday.addDays(days), QTime::fromString(time, u"HH:mm:ss"));
}

// A board as the program has it, with the alerts it was asked to show.
struct ReminderBoard
{
    ReminderBoard()
    {
        board.setSpecialNoteFactory(
            specialNoteFactory(specialContentFactory(), [this](const QString& text, int ms, const Note&) {
                alerts << text + QLatin1Char('|') + QString::number(ms);
            }));
    }
    Note* noteWithReminder(const QTime& time)
    {
        Note* note = board.createNote();
        dialogs.timeAnswers << time;
        note->run(Command::SpecialReminder);
        return note;
    }
    NoteBoard board;
    FakeDialogs dialogs;
    QStringList alerts;
};

// One refresh of the note at a moment, as its timer gives it.
void checkAt(Note* note, const QDateTime& now)
{
    Clock::setSource([now] { return now; });
    specialDriverOf(*note)->display(SpecialKind::Reminder);
}

} // namespace

class TestReminder : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void goesOff_data();
    void goesOff();
    void timeText_data();
    void timeText();
    void timeDialog();
    void choosingAndGoingOff();
    void noTimeChosenKeepsTheReminder();
    void keptOverTheEndOfASession();
    void missedWhileNotRunning();
    void snoozeChoices_data();
    void snoozeChoices();
    void doneMakesAnOrdinaryNote();
};

void TestReminder::init()
{
    clearErrorLog();
    Clock::setSource([] { return at(QStringLiteral("15:40:00")); });
}

void TestReminder::cleanup()
{
    Clock::setSource({});
    QFile::remove(mainNoteFilePath());
}

void TestReminder::goesOff_data()
{
    // Checks in order ("+" for the next day); the answers: "x" goes off, "-" not.
    QTest::addColumn<QString>("reminder");
    QTest::addColumn<QString>("checks");
    QTest::addColumn<bool>("cameBack");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("wentAt"); // when it went off in the run before the program came back ("" for not)
    QTest::newRow("one second early") << "15:45:00"
                                      << "15:44:59" << false << "-"
                                      << "";
    QTest::newRow("on the second") << "15:45:00"
                                   << "15:45:00" << false << "-"
                                   << "";
    QTest::newRow("one second after") << "15:45:00"
                                      << "15:45:01" << false << "x"
                                      << "";
    QTest::newRow("nine seconds after") << "15:45:00"
                                        << "15:45:09" << false << "x"
                                        << "";
    QTest::newRow("ten seconds after") << "15:45:00"
                                       << "15:45:10" << false << "-"
                                       << "";
    QTest::newRow("every six seconds, once") << "15:45:00"
                                             << "15:44:56 15:45:02 15:45:08 15:45:14" << false << "-x--"
                                             << "";
    QTest::newRow("late check still goes off once") << "15:45:00"
                                                    << "15:44:58 15:47:30 15:47:36" << false << "-x-"
                                                    << "";
    QTest::newRow("again the next day") << "15:45:00"
                                        << "15:45:03 +15:44:59 +15:45:05" << false << "x-x"
                                        << "";
    QTest::newRow("across midnight") << "23:59:58"
                                     << "23:59:55 +00:00:30" << false << "-x"
                                     << "";
    QTest::newRow("came back 50 s after") << "15:45:00"
                                          << "15:45:50" << true << "x"
                                          << "";
    QTest::newRow("came back 70 s after") << "15:45:00"
                                          << "15:46:10" << true << "-"
                                          << "";
    QTest::newRow("came back 20 s after it went off before the restart") << "15:45:00"
                                                                         << "15:45:22" << true << "-"
                                                                         << "15:45:02";
    QTest::newRow("came back 5 s after it went off before the restart") << "15:45:00"
                                                                        << "15:45:07" << true << "-"
                                                                        << "15:45:02";
    QTest::newRow("went off yesterday, came back just after today's") << "15:45:00"
                                                                      << "15:45:30" << true << "x"
                                                                      << "-15:45:02";
}

void TestReminder::goesOff()
{
    QFETCH(QString, reminder);
    QFETCH(QString, checks);
    QFETCH(bool, cameBack);
    QFETCH(QString, expected);
    QFETCH(QString, wentAt);
    ReminderSchedule schedule;
    QString answers;
    for (QString check : checks.split(QLatin1Char(' '))) {
        const int days = check.startsWith(QLatin1Char('+')) ? 1 : 0;
        const QDateTime now = at(check.remove(QLatin1Char('+')), days);
        if (cameBack && answers.isEmpty()) {
            const bool yesterday = wentAt.startsWith(QLatin1Char('-'));
            schedule.catchUp(now,
                             wentAt.isEmpty() ? QDateTime() : at(wentAt.mid(yesterday ? 1 : 0), yesterday ? -1 : 0));
        }
        answers += schedule.isDue(QTime::fromString(reminder, u"HH:mm:ss"), now) ? QLatin1Char('x') : QLatin1Char('-');
    }
    QCOMPARE(answers, expected);
}

void TestReminder::timeText_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("text");
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const QLocale korean(QLocale::Korean, QLocale::SouthKorea);
    QTest::newRow("en_US evening") << us << QTime(19, 5, 0) << "07:05:00 PM";
    QTest::newRow("en_US midnight") << us << QTime(0, 0, 9) << "12:00:09 AM";
    QTest::newRow("ko_KR afternoon") << korean << QTime(16, 16, 33) << QStringLiteral(u"04:16:33 오후");
    QTest::newRow("ko_KR morning") << korean << QTime(9, 0, 0) << QStringLiteral(u"09:00:00 오전");
}

void TestReminder::timeText()
{
    QFETCH(QLocale, locale);
    QFETCH(QTime, time);
    QFETCH(QString, text);
    QCOMPARE(timeOfDayText(time, locale), text);
    QCOMPARE(parseTimeOfDay(text, locale), time);
    // A text written in English is read in any locale; what is not a time is refused.
    QCOMPARE(parseTimeOfDay(timeOfDayText(time, QLocale::c()), locale), time);
    for (const char* bad : {"", "25:00:00", "13:00:00 PM", "00:10:00 AM", "noon", "10:00:00 XM"}) {
        QVERIFY2(!parseTimeOfDay(QLatin1String(bad), locale).isValid(), bad);
    }
}

void TestReminder::timeDialog()
{
    FakeDialogs dialogs;
    dialogs.timeAnswers << QTime(19, 5, 0) << std::nullopt << QTime(8, 1, 2);
    const QString cancelled = inputTime(QStringLiteral("When?"), QString(), QStringLiteral("07:05:00 PM"));
    QCOMPARE(cancelled, timeOfDayText(QTime(19, 5, 0)));
    QCOMPARE(inputTime(QStringLiteral("When?"), QStringLiteral("Reminder Time"), QString()), QString());
    QCOMPARE(inputTime(QStringLiteral("When?"), QStringLiteral("Reminder Time"), QStringLiteral("nonsense")),
             timeOfDayText(QTime(8, 1, 2)));
    QCOMPARE(dialogs.timeRequests,
             QStringList({"Jotlet|When?|19:05:00", "Reminder Time|When?|15:40:00", "Reminder Time|When?|15:40:00"}));
}

void TestReminder::choosingAndGoingOff()
{
    ReminderBoard fixture;
    Note* note = fixture.noteWithReminder(QTime(15, 45, 0));
    QCOMPARE(fixture.dialogs.timeRequests,
             QStringList {"Reminder Time|Please enter the reminder time for this note|15:40:00"});
    QCOMPARE(parseTimeOfDay(specialDriverOf(*note)->reminderTime()), QTime(15, 45, 0));
    QCOMPARE(specialDriverOf(*note)->reminderIcon(), ReminderIcon::Waiting);
    QCOMPARE(specialDriverOf(*note)->refreshDelay(), 5 * 60 * 1000 + 1); // one timer, to the reminder itself
    QVERIFY(!note->text().isLocked());                                   // the user goes on typing in a reminder note
    note->run(Command::RollUp);

    checkAt(note, at(QStringLiteral("15:45:04")));
    QVERIFY(!note->isRolledUp());
    QCOMPARE(specialDriverOf(*note)->reminderIcon(), ReminderIcon::Fired);
    QCOMPARE(fixture.alerts, QStringList {"Your reminder note is now active|3000"});
    checkAt(note, at(QStringLiteral("15:45:04"), 1)); // the next day: to the front again, without an alert
    QCOMPARE(fixture.alerts.size(), 1);

    fixture.dialogs.timeAnswers << QTime(15, 50, 0); // a new reminder is announced again
    note->run(Command::SpecialReminder);
    QCOMPARE(specialDriverOf(*note)->reminderIcon(), ReminderIcon::Waiting);
    checkAt(note, at(QStringLiteral("15:50:02"), 1));
    QCOMPARE(fixture.alerts.size(), 2);

    note->run(Command::StopSpecialNote);
    QCOMPARE(specialDriverOf(*note)->reminderIcon(), ReminderIcon::None);
    QVERIFY(!specialDriverOf(*note)->isRefreshing());
}

void TestReminder::noTimeChosenKeepsTheReminder()
{
    ReminderBoard fixture;
    Note* plain = fixture.board.createNote();
    plain->run(Command::SpecialReminder); // closed without a button
    QCOMPARE(specialDriverOf(*plain)->reminderIcon(), ReminderIcon::None);
    QVERIFY(!plain->isSpecial());

    Note* note = fixture.noteWithReminder(QTime(16, 0, 0));
    const QString before = specialDriverOf(*note)->reminderTime();
    note->run(Command::SpecialReminder);
    QCOMPARE(specialDriverOf(*note)->reminderTime(), before);
    QCOMPARE(specialDriverOf(*note)->reminderIcon(), ReminderIcon::Waiting);
    QVERIFY(specialDriverOf(*note)->isRefreshing());
    const QStringList log = errorLogLines();
    QCOMPARE(log.size(), 2);
    QVERIFY(log.at(1).contains(QLatin1String("frmMain: mnuSNReminder_Click")));
    QVERIFY(log.at(1).contains(before));
}

void TestReminder::keptOverTheEndOfASession()
{
    QString saved;
    {
        ReminderBoard fixture;
        Note* note = fixture.noteWithReminder(QTime(15, 45, 0));
        note->text().setText(QStringLiteral("call the garage"));
        // A file the user saves never holds the kind; the program's own session file does.
        saved = dataFilePath(QStringLiteral("user.not"));
        QVERIFY(saveNoteFile(note->record(), saved));
        QVERIFY(writeMainNoteFile({note->sessionRecord()}));
    }
    QVERIFY(!loadNoteFile(saved).first().keepsSpecial);
    const NoteList kept = loadMainNoteFile();
    QCOMPARE(kept.size(), 1);

    // The next start, 20 seconds after the reminder: it comes back armed and goes off.
    ReminderBoard fixture;
    Clock::setSource([] { return at(QStringLiteral("15:45:20")); });
    Note* note = fixture.board.createNote(NoteOrigin::Kept);
    QVERIFY(note->setFromRecord(kept.first(), QString()));
    note->resumeSpecial(kept.first());
    QCOMPARE(specialDriverOf(*note)->kind(), SpecialKind::Reminder);
    QCOMPARE(note->text().text(), QStringLiteral("call the garage"));
    QVERIFY(specialDriverOf(*note)->isRefreshing());
    QCOMPARE(fixture.alerts.size(), 1);
    QFile::remove(saved);
}

void TestReminder::missedWhileNotRunning()
{
    // Set at 15:40 for 15:45 every day; the program ends at 15:41 and starts again at 17:00: it goes off once, saying
    // when it was due, and not again at the next check.
    NoteRecord kept;
    {
        ReminderBoard fixture;
        Note* note = fixture.noteWithReminder(QTime(15, 45, 0));
        note->text().setText(QStringLiteral("dentist"));
        kept = note->sessionRecord();
    }
    ReminderBoard fixture;
    Clock::setSource([] { return at(QStringLiteral("17:00:00")); });
    Note* note = fixture.board.createNote(NoteOrigin::Kept);
    QVERIFY(note->setFromRecord(kept, QString()));
    note->resumeSpecial(kept);
    QCOMPARE(
        fixture.alerts,
        QStringList {QStringLiteral("Missed at %1|3000").arg(QLocale().toString(QTime(15, 45), QLocale::ShortFormat))});
    checkAt(note, at(QStringLiteral("17:00:30")));
    QCOMPARE(fixture.alerts.size(), 1);
    // Gone off here, the note file says so: another computer reading it does not show it again.
    const NoteRecord after = note->sessionRecord();
    ReminderBoard other;
    Note* copy = other.board.createNote(NoteOrigin::Kept);
    QVERIFY(copy->setFromRecord(after, QString()));
    copy->resumeSpecial(after);
    QVERIFY(other.alerts.isEmpty());
}

void TestReminder::snoozeChoices_data()
{
    QTest::addColumn<int>("how");
    QTest::addColumn<int>("minutes");
    QTest::newRow("5 minutes") << int(SpecialNoteDriver::Snooze::FiveMinutes) << 5;
    QTest::newRow("15 minutes") << int(SpecialNoteDriver::Snooze::FifteenMinutes) << 15;
    QTest::newRow("1 hour") << int(SpecialNoteDriver::Snooze::OneHour) << 60;
    QTest::newRow("tomorrow at the same time") << int(SpecialNoteDriver::Snooze::Tomorrow) << 24 * 60;
}

void TestReminder::snoozeChoices()
{
    QFETCH(int, how);
    QFETCH(int, minutes);
    ReminderBoard fixture;
    Note* note = fixture.noteWithReminder(QTime(15, 45, 0));
    checkAt(note, at(QStringLiteral("15:45:02")));
    QCOMPARE(fixture.alerts.size(), 1);
    specialDriverOf(*note)->snooze(SpecialNoteDriver::Snooze(how));
    QCOMPARE(specialDriverOf(*note)->reminderIcon(), ReminderIcon::Waiting);
    QCOMPARE(specialDriverOf(*note)->snoozedUntil(), at(QStringLiteral("15:45:02")).addSecs(minutes * 60));
    checkAt(note, at(QStringLiteral("15:45:00")).addSecs(minutes * 60)); // not yet
    QCOMPARE(fixture.alerts.size(), 1);
    checkAt(note, at(QStringLiteral("15:45:03")).addSecs(minutes * 60));
    QCOMPARE(fixture.alerts.size(), 2);
    QCOMPARE(note->sessionRecord().reminderSnooze, QString()); // gone off: the snooze is over
}

void TestReminder::doneMakesAnOrdinaryNote()
{
    ReminderBoard fixture;
    Note* note = fixture.noteWithReminder(QTime(15, 45, 0));
    note->text().setText(QStringLiteral("post the letter"));
    checkAt(note, at(QStringLiteral("15:45:02")));
    specialDriverOf(*note)->done();
    QVERIFY(!note->isSpecial());
    QCOMPARE(specialDriverOf(*note)->reminderIcon(), ReminderIcon::None);
    QCOMPARE(note->text().text(), QStringLiteral("post the letter"));
    QVERIFY(!specialDriverOf(*note)->isRefreshing());
}

QTEST_MAIN(TestReminder)
#include "tst_reminder.moc"
