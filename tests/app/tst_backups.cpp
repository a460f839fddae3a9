// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// The daily snapshots: which days are kept, a snapshot taken when the test clock passes midnight holding every kept
// note (kept notes, journal, trash, notes folder) once, a damaged snapshot said so and left in place, and a note of a
// snapshot restored as a new note without touching what is there.
#include "app/backupschedule.h"
#include "freshfolders.h"
#include "manager/backupwindow.h"
#include "note/noteboard.h"
#include "note/notetext.h"
#include "notes/notestore.h"
#include "notes/trash.h"
#include "rtf/reader.h"
#include "samplenotes.h"
#include "support/appinfo.h"
#include "support/clock.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace jotlet;

class TestBackups : public QObject
{
    Q_OBJECT

private slots:
    void init() { startFromEmptyFolders(); }
    void cleanup() { Clock::setSource({}); }
    void keepsSevenDaysAndFourWeeks_data();
    void keepsSevenDaysAndFourWeeks();
    void snapshotAtMidnightHoldsEveryNote();
    void damagedSnapshotStays();
    void restoreAddsNewNotes();
};

namespace {

QList<QDate> days(const QDate& today, const QList<int>& ages)
{
    QList<QDate> list;
    for (int age : ages) {
        list << today.addDays(-age);
    }
    return list;
}

QStringList texts(const NoteList& notes)
{
    QStringList list;
    for (const NoteRecord& note : notes) {
        list << rtfToPlainText(storedRtfBytes(note.data)).trimmed();
    }
    list.sort();
    return list;
}

} // namespace

void TestBackups::keepsSevenDaysAndFourWeeks_data()
{
    QTest::addColumn<QList<int>>("ages"); // days before today
    QTest::addColumn<QList<int>>("removed");
    QTest::newRow("a week of days") << QList<int> {0, 1, 2, 3, 4, 5, 6} << QList<int> {};
    QTest::newRow("the eighth day starts the weeks") << QList<int> {0, 1, 2, 3, 4, 5, 6, 7} << QList<int> {};
    QTest::newRow("one a week: the newest of each") << QList<int> {0, 7, 8, 9, 14, 15} << QList<int> {8, 9, 15};
    QTest::newRow("nothing past four weeks") << QList<int> {0, 7, 14, 21, 28, 35, 60} << QList<int> {35, 60};
    QTest::newRow("a gap of a month") << QList<int> {40, 41} << QList<int> {40, 41};
    QTest::newRow("a day to come is kept") << QList<int> {-1, 0} << QList<int> {};
}

void TestBackups::keepsSevenDaysAndFourWeeks()
{
    QFETCH(QList<int>, ages);
    QFETCH(QList<int>, removed);
    const QDate today(2026, 3, 1);
    QList<QDate> got = Backups::daysToRemove(days(today, ages), today);
    std::sort(got.begin(), got.end());
    QList<QDate> expected = days(today, removed);
    std::sort(expected.begin(), expected.end());
    QCOMPARE(got, expected);
}

void TestBackups::snapshotAtMidnightHoldsEveryNote()
{
    QTemporaryDir notesFolder;
    QVERIFY(
        writeMainNoteFile({sampleNote(QStringLiteral("kept at log-off")), sampleNote(QStringLiteral("journalled"))}));
    QVERIFY(saveNotesFile({sampleNote(QStringLiteral("journalled"))}, recoveryJournalPath())); // the same note
    QVERIFY(Trash().put(sampleNote(QStringLiteral("in the trash")), QString(), QDateTime::currentDateTime()));
    QVERIFY(
        saveNotesFile({sampleNote(QStringLiteral("in the folder"))}, notesFolder.filePath(QStringLiteral("a.not"))));
    QDateTime now(QDate(2026, 5, 31), QTime(23, 59, 58));
    Clock::setSource([&now] { return now; });
    BackupSchedule schedule([&notesFolder] { return NotePlaces {dataFolder(), notesFolder.path()}; });
    QSignalSpy taken(&schedule, &BackupSchedule::taken);
    schedule.look();
    QVERIFY(taken.wait(10000));
    Backups backups(Backups::folderIn(dataFolder()));
    QVERIFY(backups.has(QDate(2026, 5, 31)));
    now = QDateTime(QDate(2026, 6, 1), QTime(0, 0, 5));
    schedule.look();
    QVERIFY(taken.wait(10000));
    QCOMPARE(taken.last().at(0).toBool(), true);
    QVERIFY(backups.has(QDate(2026, 6, 1)));
    Problem problem;
    const NoteList notes = Backups::read(backups.pathFor(QDate(2026, 6, 1)), &problem);
    QVERIFY(problem.isEmpty());
    QCOMPARE(texts(notes),
             QStringList({QStringLiteral("in the folder"),
                          QStringLiteral("in the trash"),
                          QStringLiteral("journalled"),
                          QStringLiteral("kept at log-off")}));
    schedule.look(); // the day has its snapshot: nothing more is written
    QVERIFY(!taken.wait(500));
    QVERIFY(!QDir(notesFolder.path()).exists(QStringLiteral("backups")));
}

void TestBackups::damagedSnapshotStays()
{
    Backups backups(Backups::folderIn(dataFolder()));
    QVERIFY(QDir().mkpath(backups.folder()));
    const QString path = backups.pathFor(QDate(2026, 1, 2));
    QFile damaged(path);
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write("\x1f\x8b not really compressed");
    damaged.close();
    Problem problem;
    QVERIFY(Backups::read(path, &problem).isEmpty());
    QVERIFY(problem.english().contains(QLatin1String("damaged")));
    QVERIFY(QFileInfo::exists(path));
}

void TestBackups::restoreAddsNewNotes()
{
    NoteBoard board;
    Note* open = board.createNote();
    open->text().setText(QStringLiteral("already open"));
    NoteRecord kept = sampleNote(QStringLiteral("from the backup"));
    kept.identity.id = QStringLiteral("7d1f0c4e-1111-4222-8333-944455556666");
    kept.fileName = QStringLiteral("/somewhere/else.not");
    Note* restored = restoreFromBackup(board, kept);
    QVERIFY(restored);
    QCOMPARE(board.count(), 2);
    QCOMPARE(open->text().text(), QStringLiteral("already open"));
    QCOMPARE(restored->text().text().trimmed(), QStringLiteral("from the backup"));
    QVERIFY(restored->filePath().isEmpty()); // tied to no file, and to no note of the notes folder
    QVERIFY(restored->record().identity.id.isEmpty());
}

QTEST_MAIN(TestBackups)
#include "tst_backups.moc"
