// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// The clipboard viewer and log with a clipboard the test copies to: what each shows for texts, pictures, repeated
// and secret copies, long texts, many copies and bursts of changes.
#include "fakeclipboard.h"
#include "note/noteboard.h"
#include "note/notetext.h"
#include "special/clipboardnotes.h"
#include "special/specialcontent.h"
#include "special/specialnotedriver.h"
#include "support/clock.h"
#include "support/errorlog.h"

#include <QTest>

using namespace jotlet;

Q_DECLARE_METATYPE(QList<jotlet::ClipboardContent>)

namespace {

const QDateTime kNow(QDate(2026, 12, 7), QTime(9, 30, 0));
const ClipboardContent kPicture {false, {}, false};

struct ClipboardBoard
{
    ClipboardBoard()
    {
        board.setSpecialNoteFactory(specialNoteFactory(specialContentFactory({nullptr, &clipboard}), {}));
    }
    Note* note(Command kind)
    {
        Note* created = board.createNote();
        created->run(kind);
        return created;
    }
    FakeClipboard clipboard;
    NoteBoard board;
};

// Copies, and has the note read each copy as a change would.
void copyAll(ClipboardBoard& fixture, const QList<ClipboardContent>& copies, const QList<Note*>& notes)
{
    for (const ClipboardContent& copy : copies) {
        fixture.clipboard.current = copy;
        for (Note* note : notes) {
            specialDriverOf(*note)->display(specialDriverOf(*note)->kind());
        }
    }
}

QString logEntry(const QString& text)
{
    return generalDateTimeText(kNow) + QStringLiteral(": ") + text + QStringLiteral("\r\n");
}

} // namespace

class TestClipboard : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        Clock::setSource([] { return kNow; });
    }
    void cleanup() { Clock::setSource({}); }
    void viewerAndLog_data();
    void viewerAndLog();
    void longTextIsCut();
    void logKeepsTheLatestEntries();
    void burstIsReadOnce();
    void stoppedNoteNoLongerFollows();
};

void TestClipboard::viewerAndLog_data()
{
    QTest::addColumn<QList<ClipboardContent>>("copies");
    QTest::addColumn<QString>("viewer");
    QTest::addColumn<QStringList>("logged");
    QTest::newRow("text") << QList<ClipboardContent> {FakeClipboard::text(QStringLiteral("milk\r\neggs"))}
                          << "Clipboard Viewer:\r\nmilk\r\neggs" << QStringList {"milk\r\neggs"};
    QTest::newRow("a picture only") << QList<ClipboardContent> {kPicture} << "Clipboard Viewer:\r\n" << QStringList();
    QTest::newRow("the same text again, in another case")
        << QList<ClipboardContent> {FakeClipboard::text(QStringLiteral("Hello")),
                                    FakeClipboard::text(QStringLiteral("hello")),
                                    kPicture,
                                    FakeClipboard::text(QStringLiteral("HELLO")),
                                    FakeClipboard::text(QStringLiteral("world"))}
        << "Clipboard Viewer:\r\nworld" << QStringList {"Hello", "world"};
    QTest::newRow("a password") << QList<ClipboardContent> {FakeClipboard::text(QStringLiteral("s3cret"), true)}
                                << "Clipboard Viewer:\r\n(hidden: copied from a password manager)" << QStringList();
}

void TestClipboard::viewerAndLog()
{
    QFETCH(QList<ClipboardContent>, copies);
    QFETCH(QString, viewer);
    QFETCH(QStringList, logged);
    ClipboardBoard fixture;
    Note* viewerNote = fixture.note(Command::SpecialClipboardViewer);
    Note* logNote = fixture.note(Command::SpecialClipboardLog);
    copyAll(fixture, copies, {viewerNote, logNote});
    QCOMPARE(viewerNote->text().text(), viewer);
    QString log = QStringLiteral("Clipboard Log:\r\n");
    for (const QString& entry : logged) {
        log += logEntry(entry);
    }
    QCOMPARE(logNote->text().text(), log);
    QVERIFY(!specialDriverOf(*viewerNote)->isRefreshing()
            && !specialDriverOf(*logNote)->isRefreshing()); // they follow changes, not a timer
}

void TestClipboard::longTextIsCut()
{
    ClipboardBoard fixture;
    Note* viewer = fixture.note(Command::SpecialClipboardViewer);
    copyAll(fixture, {FakeClipboard::text(QString(200 * 1024, QLatin1Char('x')))}, {viewer});
    QCOMPARE(viewer->text().text().size(), 19 + kMaxClipboardCharacters + 1);
    QVERIFY(viewer->text().text().endsWith(QChar(0x2026)));
}

void TestClipboard::logKeepsTheLatestEntries()
{
    ClipboardBoard fixture;
    Note* log = fixture.note(Command::SpecialClipboardLog);
    QList<ClipboardContent> copies;
    for (int i = 0; i < kMaxClipboardLogEntries + 5; ++i) {
        copies << FakeClipboard::text(QStringLiteral("copy %1\r\nsecond line").arg(i));
    }
    copyAll(fixture, copies, {log});
    const QString text = log->text().text();
    QVERIFY(text.startsWith(QStringLiteral("Clipboard Log:\r\n") + logEntry(QStringLiteral("copy 5\r\nsecond line"))));
    QVERIFY(text.endsWith(logEntry(QStringLiteral("copy 1004\r\nsecond line"))));
    QCOMPARE(text.count(QStringLiteral("copy ")), kMaxClipboardLogEntries);
}

void TestClipboard::burstIsReadOnce()
{
    ClipboardBoard fixture;
    Note* first = fixture.note(Command::SpecialClipboardLog);
    Note* second = fixture.note(Command::SpecialClipboardLog);
    const int readsAtStart = fixture.clipboard.reads;
    for (int i = 0; i < 20; ++i) {
        fixture.clipboard.copy(FakeClipboard::text(QStringLiteral("selecting %1").arg(i)));
    }
    const QString expected = QStringLiteral("Clipboard Log:\r\n") + logEntry(QStringLiteral("selecting 19"));
    QTRY_COMPARE(first->text().text(), expected);
    QTRY_COMPARE(second->text().text(), expected); // both notes follow
    QCOMPARE(fixture.clipboard.reads - readsAtStart, 2);
}

void TestClipboard::stoppedNoteNoLongerFollows()
{
    ClipboardBoard fixture;
    Note* viewer = fixture.note(Command::SpecialClipboardViewer);
    Note* switched = fixture.note(Command::SpecialClipboardLog);
    viewer->run(Command::StopSpecialNote);
    switched->run(Command::SpecialTime);
    const QString stopped = viewer->text().text();
    const int reads = fixture.clipboard.reads;
    fixture.clipboard.copy(FakeClipboard::text(QStringLiteral("later")));
    QTest::qWait(kClipboardSettleMs * 3);
    QCOMPARE(viewer->text().text(), stopped);
    QVERIFY(!switched->text().text().contains(QLatin1String("later")));
    QCOMPARE(fixture.clipboard.reads, reads);
}

QTEST_MAIN(TestClipboard)
#include "tst_clipboard.moc"
