// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// The trash without a screen: what goes in (a note closed with "No", one replaced by Reset; never an empty one),
// restoring a note as it was, emptying after a question, and the limits of time and number.
#include "fakedialogs.h"
#include "logcapture.h"
#include "note/noteboard.h"
#include "note/notetext.h"
#include "notes/notestore.h"
#include "notes/trash.h"
#include "samplenotes.h"
#include "search/trashlist.h"
#include "support/clock.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace jotlet;

class TestTrash : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void whatGoesIn_data();
    void whatGoesIn();
    void restoreBringsTheNoteBack();
    void emptyAsksFirst();
    void limits_data();
    void limits();
    void policy_data();
    void policy();
    void unreadableEntriesAreSetAside();
    void olderTrashFileIsTakenApart();
};

void TestTrash::init()
{
    QDir(Trash::defaultFolder()).removeRecursively();
    QFile::remove(Trash::legacyPath());
    QFile::remove(Trash::legacyPath() + QStringLiteral(".bad"));
    clearErrorLog();
    Clock::setSource({});
}

void TestTrash::whatGoesIn_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("kept");
    QTest::newRow("closed with No") << "call the plumber"
                                    << "no" << true;
    QTest::newRow("replaced by Reset") << "call the plumber"
                                       << "reset" << true;
    QTest::newRow("closed with Cancel: still open") << "call the plumber"
                                                    << "cancel" << false;
    QTest::newRow("empty, closed with No") << "  "
                                           << "no" << false;
}

void TestTrash::whatGoesIn()
{
    QFETCH(QString, text);
    QFETCH(QString, how);
    QFETCH(bool, kept);
    FakeDialogs dialogs;
    NoteBoard board;
    Note* note = board.createNote();
    note->setSaveNewNoteOnClose(true);
    note->text().setText(text);
    if (how == QLatin1String("reset")) {
        QVERIFY(note->run(Command::ResetNote));
    } else {
        dialogs.questionAnswers << (how == QLatin1String("no") ? Answer::No : Answer::Cancel);
        QCOMPARE(note->close(), how == QLatin1String("no"));
    }
    const NoteList trashed = Trash().notes(Clock::now());
    QCOMPARE(trashed.size(), kept ? 1 : 0);
    if (kept) {
        QVERIFY(trashed.first().data.contains(text));
        QVERIFY(qAbs(trashedAt(trashed.first()).secsTo(QDateTime::currentDateTime())) < 60);
    }
}

void TestTrash::restoreBringsTheNoteBack()
{
    FakeDialogs dialogs;
    NoteBoard board;
    Note* note = board.createNote();
    QVERIFY(note->setFromRecord(
        sampleNote(QStringLiteral("the only copy"), QStringLiteral("green"), QRect(2400, 1800, 3300, 2700)),
        QString()));
    note->setSaveNewNoteOnClose(true);
    note->text().setText(QStringLiteral("the only copy, edited"));
    dialogs.questionAnswers << Answer::No;
    QVERIFY(note->close());

    TrashList trash(board);
    QCOMPARE(trash.notes().size(), 1);
    QVERIFY(trash.entries().first().endsWith(QLatin1String("a note without a file\nthe only copy, edited")));
    Note* back = trash.restore(0);
    QVERIFY(back);
    QCOMPARE(back->text().text(), QStringLiteral("the only copy, edited"));
    QCOMPARE(back->colorText(), QStringLiteral("green"));
    QCOMPARE(back->geometry(), QRect(2400, 1800, 3300, 2700));
    QVERIFY(back->isUnsaved());
    QVERIFY(back->filePath().isEmpty());
    QVERIFY(trash.notes().isEmpty()); // out of the trash once it is open
    QVERIFY(QDir(Trash::defaultFolder()).entryList({QStringLiteral("*.not")}, QDir::Files).isEmpty());
}

void TestTrash::emptyAsksFirst()
{
    NoteBoard board;
    for (const QString& text : {QStringLiteral("one"), QStringLiteral("two")}) {
        QVERIFY(Trash().put(sampleNote(text), QString(), Clock::now()));
    }
    TrashList trash(board);
    FakeDialogs dialogs;
    dialogs.confirmAnswers << false << true;
    QVERIFY(!trash.emptyTrash());
    QCOMPARE(trash.notes().size(), 2);
    QVERIFY(trash.emptyTrash());
    QCOMPARE(trash.notes().size(), 0);
    QCOMPARE(dialogs.confirmations.size(), 2);
}

void TestTrash::limits_data()
{
    QTest::addColumn<int>("notes");
    QTest::addColumn<int>("minutesApart");
    QTest::addColumn<int>("left");
    QTest::addColumn<QString>("oldestLeft");
    QTest::newRow("within both") << 3 << 60 << 3 << "note 0";
    QTest::newRow("past the number: the oldest goes first")
        << TrashPolicy::kMaxNotes + 2 << 1 << TrashPolicy::kMaxNotes << "note 2";
    QTest::newRow("past the time") << 4 << 60 * 24 * 11 << 3 << "note 1"; // 0, 11, 22, 33 days old
}

void TestTrash::limits()
{
    QFETCH(int, notes);
    QFETCH(int, minutesApart);
    QFETCH(int, left);
    QFETCH(QString, oldestLeft);
    const QDateTime start = QDateTime::currentDateTime().addSecs(-qint64(notes) * minutesApart * 60);
    QDateTime now = start;
    Clock::setSource([&now] { return now; });
    NoteList batch;
    for (int i = 0; i < notes; ++i) {
        now = start.addSecs(qint64(i) * minutesApart * 60);
        QVERIFY(Trash().put(sampleNote(QStringLiteral("note %1").arg(i)), QString(), now));
    }
    const NoteList kept = Trash().notes(now);
    QCOMPARE(kept.size(), left);
    // What is past the limits is let go of as notes go in, not only left out of the list.
    QCOMPARE(QDir(Trash::defaultFolder()).entryList({QStringLiteral("*.not")}, QDir::Files).size(), left);
    QVERIFY2(kept.last().data.contains(oldestLeft + QStringLiteral("\\par")), qPrintable(kept.last().data));
    QVERIFY(kept.first().data.contains(QStringLiteral("note %1\\par").arg(notes - 1))); // newest first
}

void TestTrash::policy_data()
{
    QTest::addColumn<QList<int>>("megabytes"); // of each entry, newest first, a day apart
    QTest::addColumn<int>("kept");
    QTest::newRow("within the size") << QList<int> {3, 3, 3, 3, 3, 3} << 6;
    QTest::newRow("past the size: the oldest go") << QList<int> {100, 100, 50, 10, 1} << 3;
    QTest::newRow("the newest stays, however large") << QList<int> {400, 1, 1} << 1;
    QTest::newRow("past the days") << QList<int>(35, 1) << 31; // today and 30 days back
}

void TestTrash::policy()
{
    QFETCH(QList<int>, megabytes);
    QFETCH(int, kept);
    const QDateTime now(QDate(2026, 12, 8), QTime(12, 0), Qt::UTC);
    QList<TrashEntry> entries;
    for (int i = 0; i < megabytes.size(); ++i) {
        entries << TrashEntry {QString::number(i), now.addDays(-i), qint64(megabytes.at(i)) * 1024 * 1024};
    }
    std::reverse(entries.begin(), entries.end()); // in any order
    const QList<TrashEntry> past = pastTheLimits(entries, now);
    QCOMPARE(megabytes.size() - past.size(), kept);
    for (int i = 0; i < past.size(); ++i) { // the oldest first, and only the oldest
        QCOMPARE(past.at(i).path, QString::number(megabytes.size() - 1 - i));
    }
}

void TestTrash::unreadableEntriesAreSetAside()
{
    QVERIFY(Trash().put(sampleNote(QStringLiteral("readable")), QString(), QDateTime::currentDateTime()));
    const QString folder = Trash::defaultFolder();
    for (const auto& [name, bytes] :
         {std::pair {QStringLiteral("20261208-120000000-1.not"), QByteArray("<NOTES><NOTE>")},
          std::pair {QStringLiteral("no time.not"), QByteArray("<NOTES/>")}}) {
        QFile file(folder + QLatin1Char('/') + name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QCOMPARE(Trash().notes(QDateTime::currentDateTime()).size(), 1);
    // Never deleted: set aside, each with a line in the log.
    QCOMPARE(QDir(folder + QStringLiteral("/unreadable")).entryList(QDir::Files).size(), 2);
    QCOMPARE(errorLogLines().filter(QStringLiteral("it was set aside")).size(), 2);
    QVERIFY(Trash().put(sampleNote(QStringLiteral("later")), QString(), QDateTime::currentDateTime()));
    QCOMPARE(QDir(folder + QStringLiteral("/unreadable")).entryList(QDir::Files).size(), 2);
}

void TestTrash::olderTrashFileIsTakenApart()
{
    // The single file older versions kept the trash in: its notes become entries; one whose time cannot be read
    // keeps the file aside rather than being dropped.
    NoteList older;
    for (int i = 0; i < 3; ++i) {
        NoteRecord note = sampleNote(QStringLiteral("older %1").arg(i));
        note.trashed = {true, QDateTime::currentDateTimeUtc().addSecs(-60 * i).toString(Qt::ISODateWithMs), QString()};
        older << note;
    }
    older[2].trashed.when = QStringLiteral("yesterday");
    QVERIFY(saveNotesFile(older, Trash::legacyPath()));
    const NoteList notes = Trash().notes(QDateTime::currentDateTime());
    QCOMPARE(notes.size(), 2);
    QVERIFY(notes.first().data.contains(QLatin1String("older 0")));
    QVERIFY(!QFile::exists(Trash::legacyPath()));
    QVERIFY(QFile::exists(Trash::legacyPath() + QStringLiteral(".bad")));
    QVERIFY(loadNoteFile(Trash::legacyPath() + QStringLiteral(".bad")).at(2).data.contains(QLatin1String("older 2")));
}

QTEST_MAIN(TestTrash)
#include "tst_trash.moc"
