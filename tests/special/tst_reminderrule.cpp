// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// When a reminder goes off next, for every repeat, across month ends, leap years, the changes of daylight saving
// time in Berlin and New York and a change of time zone; which one was missed while the program was off or the
// computer slept; and how the note file keeps it (a reminder from before dates reads as a daily one).
#include "special/reminderrule.h"

#include <QTest>

using namespace jotlet;

class TestReminderRule : public QObject
{
    Q_OBJECT

private slots:
    void next_data();
    void next();
    void missed_data();
    void missed();
    void storedAndReadBack_data();
    void storedAndReadBack();
    void oldReminderIsDaily();
    void whenInWords();
};

namespace {

const QByteArray kBerlin = "Europe/Berlin";
const QByteArray kNewYork = "America/New_York";

QDateTime at(const QString& text, const QByteArray& zone)
{
    const QDateTime local = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm"));
    return QDateTime(local.date(), local.time(), QTimeZone(zone));
}

ReminderRule rule(const QString& first, const QString& time, ReminderRepeat repeat, int weekDays = 0)
{
    ReminderRule r;
    r.first = QDate::fromString(first, Qt::ISODate);
    r.time = QTime::fromString(time, QStringLiteral("HH:mm"));
    r.repeat = repeat;
    r.weekDays = weekDays;
    r.zoneId = kBerlin;
    return r;
}

} // namespace

void TestReminderRule::next_data()
{
    QTest::addColumn<ReminderRule>("rule");
    QTest::addColumn<QByteArray>("here");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("expected"); // "" for never again
    using R = ReminderRepeat;
    QTest::newRow("daily, later today") << rule("2026-12-01", "17:00", R::Daily) << kBerlin << "2026-12-08 10:00"
                                        << "2026-12-08 17:00";
    QTest::newRow("daily, passed today") << rule("2026-12-01", "09:00", R::Daily) << kBerlin << "2026-12-08 10:00"
                                         << "2026-12-09 09:00";
    QTest::newRow("not before its first day") << rule("2026-12-20", "09:00", R::Daily) << kBerlin << "2026-12-08 10:00"
                                              << "2026-12-20 09:00";
    QTest::newRow("once, to come") << rule("2026-12-15", "10:30", R::Once) << kBerlin << "2026-12-08 10:00"
                                   << "2026-12-15 10:30";
    QTest::newRow("once, passed") << rule("2026-12-01", "10:30", R::Once) << kBerlin << "2026-12-08 10:00"
                                  << "";
    QTest::newRow("weekdays: Friday evening to Monday")
        << rule("2026-12-01", "08:00", R::Weekdays) << kBerlin << "2026-12-11 18:00"
        << "2026-12-14 08:00";
    QTest::newRow("weekly on Monday and Wednesday")
        << rule("2026-12-01", "09:00", R::Weekly, 0b101) << kBerlin << "2026-12-07 10:00"
        << "2026-12-09 09:00";
    QTest::newRow("weekly on the first day's weekday")
        << rule("2026-12-03", "09:00", R::Weekly) << kBerlin << "2026-12-03 10:00"
        << "2026-12-10 09:00";
    QTest::newRow("monthly on the 31st: February's last day")
        << rule("2026-01-31", "09:00", R::Monthly) << kBerlin << "2026-01-31 10:00"
        << "2026-02-28 09:00";
    QTest::newRow("monthly on the 31st: back to the 31st")
        << rule("2026-01-31", "09:00", R::Monthly) << kBerlin << "2026-02-28 10:00"
        << "2026-03-31 09:00";
    QTest::newRow("monthly in a leap year") << rule("2028-01-31", "09:00", R::Monthly) << kBerlin << "2028-02-01 10:00"
                                            << "2028-02-29 09:00";
    QTest::newRow("yearly on 29 February, other years the 28th")
        << rule("2024-02-29", "09:00", R::Yearly) << kBerlin << "2024-03-01 10:00"
        << "2025-02-28 09:00";
    QTest::newRow("yearly on 29 February, a leap year again")
        << rule("2024-02-29", "09:00", R::Yearly) << kBerlin << "2027-03-01 10:00"
        << "2028-02-29 09:00";
    QTest::newRow("Berlin, the skipped hour in spring goes off after it")
        << rule("2026-03-01", "02:30", R::Daily) << kBerlin << "2026-03-28 03:00"
        << "2026-03-29 03:30";
    QTest::newRow("Berlin, 09:00 across the autumn change")
        << rule("2026-10-01", "09:00", R::Daily) << kBerlin << "2026-10-24 10:00"
        << "2026-10-25 09:00";
    QTest::newRow("New York, 09:00 across the spring change")
        << rule("2026-03-01", "09:00", R::Daily) << kNewYork << "2026-03-07 10:00"
        << "2026-03-08 09:00";
    QTest::newRow("New York, 09:00 across the autumn change")
        << rule("2026-10-01", "09:00", R::Daily) << kNewYork << "2026-10-31 10:00"
        << "2026-11-01 09:00";
    QTest::newRow("chosen in Berlin, now in New York: 09:00 there")
        << rule("2026-12-01", "09:00", R::Daily) << kNewYork << "2026-12-08 10:00"
        << "2026-12-09 09:00";
}

void TestReminderRule::next()
{
    QFETCH(ReminderRule, rule);
    QFETCH(QByteArray, here);
    QFETCH(QString, after);
    QFETCH(QString, expected);
    const QDateTime next = nextReminder(rule, at(after, here), QTimeZone(here));
    if (expected.isEmpty()) {
        QVERIFY2(!next.isValid(), qPrintable(next.toString(Qt::ISODate)));
    } else {
        QCOMPARE(next.toUTC(), at(expected, here).toUTC());
        QCOMPARE(next.toTimeZone(QTimeZone(here)).time(), at(expected, here).time()); // the same on the clock
    }
}

void TestReminderRule::missed_data()
{
    QTest::addColumn<ReminderRule>("rule");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("expected");
    using R = ReminderRepeat;
    QTest::newRow("off over 09:00") << rule("2026-12-01", "09:00", R::Daily) << "2026-12-08 08:00"
                                    << "2026-12-08 12:00"
                                    << "2026-12-08 09:00";
    QTest::newRow("off for three days: the last one") << rule("2026-12-01", "09:00", R::Daily) << "2026-12-05 08:00"
                                                      << "2026-12-08 08:00"
                                                      << "2026-12-07 09:00";
    QTest::newRow("asleep over the weekend: Friday's") << rule("2026-12-01", "09:00", R::Weekdays) << "2026-12-11 08:00"
                                                       << "2026-12-14 08:00"
                                                       << "2026-12-11 09:00";
    QTest::newRow("nothing due while off") << rule("2026-12-01", "09:00", R::Daily) << "2026-12-08 10:00"
                                           << "2026-12-08 12:00"
                                           << "";
    QTest::newRow("a once reminder passed while off") << rule("2026-12-08", "09:00", R::Once) << "2026-12-07 20:00"
                                                      << "2026-12-08 12:00"
                                                      << "2026-12-08 09:00";
}

void TestReminderRule::missed()
{
    QFETCH(ReminderRule, rule);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, expected);
    const QDateTime last = lastReminderBetween(rule, at(from, kBerlin), at(to, kBerlin), QTimeZone(kBerlin));
    if (expected.isEmpty()) {
        QVERIFY(!last.isValid());
    } else {
        QCOMPARE(last.toUTC(), at(expected, kBerlin).toUTC());
    }
}

void TestReminderRule::storedAndReadBack_data()
{
    QTest::addColumn<ReminderRule>("rule");
    QTest::addColumn<QString>("repeatText");
    using R = ReminderRepeat;
    QTest::newRow("once") << rule("2026-12-15", "10:30", R::Once) << "once";
    QTest::newRow("weekly") << rule("2026-12-07", "07:45", R::Weekly, 0b0010101) << "weekly:1,3,5";
    QTest::newRow("yearly") << rule("2024-02-29", "09:00", R::Yearly) << "yearly";
}

void TestReminderRule::storedAndReadBack()
{
    QFETCH(ReminderRule, rule);
    QFETCH(QString, repeatText);
    const StoredReminder stored = storedReminder(rule);
    QCOMPARE(stored.repeat, repeatText);
    QVERIFY(stored.at.endsWith(QLatin1Char('Z'))); // in UTC
    QCOMPARE(stored.zone, QString::fromLatin1(kBerlin));
    QCOMPARE(reminderFromStored(stored), rule);
}

void TestReminderRule::oldReminderIsDaily()
{
    StoredReminder old;
    old.timeOfDay = QStringLiteral("9:15:00 AM");
    const ReminderRule rule = reminderFromStored(old);
    QVERIFY(rule.isValid());
    QCOMPARE(rule.repeat, ReminderRepeat::Daily);
    QCOMPARE(rule.time, QTime(9, 15));
    QCOMPARE(nextReminder(rule, at("2026-12-08 10:00", kBerlin), QTimeZone(kBerlin)).toUTC(),
             at("2026-12-09 09:15", kBerlin).toUTC());
}

void TestReminderRule::whenInWords()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    const QDateTime now = at("2026-12-08 10:00", kBerlin);
    QCOMPARE(reminderWhenText(at("2026-12-08 17:00", kBerlin), now), QStringLiteral("Today 17:00"));
    QCOMPARE(reminderWhenText(at("2026-12-09 09:00", kBerlin), now), QStringLiteral("Tomorrow 09:00"));
    QCOMPARE(reminderWhenText(at("2026-12-14 09:00", kBerlin), now), QStringLiteral("Mon 14 Dec 09:00"));
    QCOMPARE(reminderWhenText(at("2027-01-04 09:00", kBerlin), now), QStringLiteral("Mon 4 Jan 2027 09:00"));
}

QTEST_MAIN(TestReminderRule)
#include "tst_reminderrule.moc"
