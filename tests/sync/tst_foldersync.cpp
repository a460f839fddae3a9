// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// The notes folder kept in step with the open notes, without a network: a file dropped in opens and stays, a file
// replaced by rename is reloaded, a change from outside during an unsaved edit keeps both texts, moving a note or
// keeping it on top writes nothing, a clock note writes nothing while it ticks, and a note closed with "No" goes to
// the folder's trash and comes back from it.
#include "fakedialogs.h"
#include "fakesysteminfo.h"
#include "note/noteboard.h"
#include "note/notetext.h"
#include "rtf/reader.h"
#include "samplenotes.h"
#include "search/trashlist.h"
#include "special/specialcontent.h"
#include "special/specialnotedriver.h"
#include "support/clock.h"
#include "sync/foldersync.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace jotlet;

namespace {

NoteRecord otherComputersNote(const QString& id, const QString& text)
{
    NoteRecord note = sampleNote(text, QStringLiteral("green"));
    note.identity = {id, QStringLiteral("2026-12-07T09:00:00.000Z"), QStringLiteral("laptop")};
    return note;
}

// Writes a note file the way sync engines do: a temporary file, then a rename over the old one.
void arriveByRename(const QString& folder, const NoteRecord& note)
{
    NotesFolder scratch(folder + QStringLiteral("/.incoming"));
    QVERIFY(scratch.write(note));
    QFile::remove(folder + QLatin1Char('/') + note.identity.id + QStringLiteral(".not"));
    QVERIFY(QFile::rename(scratch.fileFor(note.identity.id),
                          folder + QLatin1Char('/') + note.identity.id + QStringLiteral(".not")));
}

QString textOf(Note* note)
{
    return note ? note->text().text() : QStringLiteral("(no note)");
}

} // namespace

class TestFolderSync : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void fileDroppedInOpensAndStays();
    void fileReplacedByRenameIsReloaded();
    void outsideChangeDuringAnEditKeepsBoth();
    void placeAndOnTopWriteNothing();
    void clockNoteWritesNothing();
    void closedWithNoGoesToTheFoldersTrash();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<NoteBoard> m_board;
    std::unique_ptr<FolderSync> m_sync;
    QString m_folder;
};

void TestFolderSync::init()
{
    Clock::setSource({});
    m_dir = std::make_unique<QTemporaryDir>();
    m_folder = m_dir->filePath(QStringLiteral("Notes"));
    QDir().mkpath(m_folder);
    m_board = std::make_unique<NoteBoard>();
    m_sync = std::make_unique<FolderSync>(*m_board, m_folder, m_dir->filePath(QStringLiteral("places.ini")));
}

void TestFolderSync::cleanup()
{
    m_sync->finish();
    for (Note* note : m_board->notes()) {
        note->discard();
    }
    m_sync.reset();
    m_board.reset();
}

void TestFolderSync::fileDroppedInOpensAndStays()
{
    m_sync->start();
    QCOMPARE(m_board->count(), 0);
    arriveByRename(m_folder, otherComputersNote(QStringLiteral("aaaa"), QStringLiteral("from the laptop")));
    QTRY_VERIFY_WITH_TIMEOUT(m_sync->noteFor(QStringLiteral("aaaa")), 10000);
    Note* note = m_sync->noteFor(QStringLiteral("aaaa"));
    QCOMPARE(textOf(note), QStringLiteral("from the laptop"));
    QCOMPARE(note->colorText(), QStringLiteral("green"));
    QVERIFY(!note->isUnsaved());
    m_sync->finish();
    QVERIFY(QFile::exists(m_folder + QStringLiteral("/aaaa.not"))); // still there after the program ends
}

void TestFolderSync::fileReplacedByRenameIsReloaded()
{
    NotesFolder(m_folder).write(otherComputersNote(QStringLiteral("bbbb"), QStringLiteral("first version")));
    m_sync->start();
    Note* note = m_sync->noteFor(QStringLiteral("bbbb"));
    QCOMPARE(textOf(note), QStringLiteral("first version"));
    arriveByRename(m_folder, otherComputersNote(QStringLiteral("bbbb"), QStringLiteral("second version")));
    QTRY_COMPARE_WITH_TIMEOUT(textOf(note), QStringLiteral("second version"), 10000);
    QVERIFY(!note->isUnsaved());
    QCOMPARE(m_sync->conflicts().size(), 0);
}

void TestFolderSync::outsideChangeDuringAnEditKeepsBoth()
{
    NotesFolder(m_folder).write(otherComputersNote(QStringLiteral("cccc"), QStringLiteral("shared")));
    m_sync->start();
    Note* mine = m_sync->noteFor(QStringLiteral("cccc"));
    mine->text().setText(QStringLiteral("shared, edited here"));
    arriveByRename(m_folder, otherComputersNote(QStringLiteral("cccc"), QStringLiteral("shared, edited there")));
    QTRY_COMPARE_WITH_TIMEOUT(m_sync->conflicts().size(), 1, 10000);
    QCOMPARE(textOf(mine), QStringLiteral("shared, edited here"));
    QCOMPARE(textOf(m_sync->conflicts().first()), QStringLiteral("shared, edited there"));
    m_sync->flush();
    // Both on disk: the note's file is this computer's version, a conflict copy the other's.
    QStringList texts;
    for (const FolderNote& stored : NotesFolder(m_folder).scan()) {
        texts << rtfToPlainText(storedRtfBytes(stored.note.Data)).trimmed()
                     + (stored.conflictOf.isEmpty() ? QStringLiteral(" (own)") : QStringLiteral(" (copy)"));
    }
    texts.sort();
    QCOMPARE(texts, QStringList({"shared, edited here (own)", "shared, edited there (copy)"}));
    // Keeping both makes the other version a note of its own; the copy goes to the trash.
    m_sync->conflicts().first()->run(Command::ResolveConflict, 2);
    QCOMPARE(m_sync->conflicts().size(), 0);
    QCOMPARE(NotesFolder(m_folder).scan().size(), 2);
    QCOMPARE(QDir(m_folder + QStringLiteral("/.trash")).entryList(QDir::Files).size(), 1);
}

void TestFolderSync::placeAndOnTopWriteNothing()
{
    NotesFolder(m_folder).write(otherComputersNote(QStringLiteral("dddd"), QStringLiteral("stay put")));
    const QString file = m_folder + QStringLiteral("/dddd.not");
    const QByteArray before = [&file] {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    const QDateTime modified = QFileInfo(file).lastModified();
    m_sync->start();
    Note* note = m_sync->noteFor(QStringLiteral("dddd"));
    QTest::qWait(20);
    note->moveTo(QPoint(6000, 4000));
    note->setOnTop(false);
    m_sync->flush();
    QFile after(file);
    QVERIFY(after.open(QIODevice::ReadOnly));
    QCOMPARE(after.readAll(), before);
    QCOMPARE(QFileInfo(file).lastModified(), modified);
    // The place is this computer's: it comes back here.
    m_sync->finish();
    note->discard();
    FolderSync again(*m_board, m_folder, m_dir->filePath(QStringLiteral("places.ini")));
    again.start();
    QCOMPARE(again.noteFor(QStringLiteral("dddd"))->geometry().topLeft(), QPoint(6000, 4000));
    QVERIFY(!again.noteFor(QStringLiteral("dddd"))->isOnTop());
    again.finish();
}

void TestFolderSync::clockNoteWritesNothing()
{
    FakeSystemInfo system;
    QDateTime now(QDate(2026, 12, 7), QTime(15, 4, 5, 999));
    Clock::setSource([&now] { return now; });
    m_board->setSpecialNoteFactory(specialNoteFactory(specialContentFactory(), {}));
    m_sync->start();
    Note* note = m_board->createNote();
    m_sync->adopt(note);
    QVERIFY(note->run(Command::SpecialTime));
    m_sync->flush();
    const QString file = m_sync->folder().fileFor(note->folderId());
    const QDateTime written = QFileInfo(file).lastModified();
    QFile first(file);
    QVERIFY(first.open(QIODevice::ReadOnly));
    const QByteArray bytes = first.readAll();
    for (int second = 0; second < 60; ++second) { // a minute of ticks
        const QString shown = note->text().text();
        now = now.addSecs(1);
        QTRY_VERIFY(note->text().text() != shown);
        m_sync->flush();
    }
    QFile last(file);
    QVERIFY(last.open(QIODevice::ReadOnly));
    QCOMPARE(last.readAll(), bytes);
    QCOMPARE(QFileInfo(file).lastModified(), written);
    QVERIFY(bytes.contains("<SPECIALTYPE>")); // the kind is in the file
}

void TestFolderSync::closedWithNoGoesToTheFoldersTrash()
{
    m_sync->start();
    Note* note = m_board->createNote();
    note->setSaveNewNoteOnClose(true);
    m_sync->adopt(note);
    const QString id = note->folderId();
    note->text().setText(QStringLiteral("let go of"));
    FakeDialogs dialogs;
    dialogs.questionAnswers << Answer::No;
    QVERIFY(note->close());
    QVERIFY(!QFile::exists(m_sync->folder().fileFor(id)));
    const QString trashed = m_folder + QStringLiteral("/.trash/") + id + QStringLiteral(".not");
    QVERIFY(QFile::exists(trashed));
    // Restored from the trash window, it opens again, with what it showed when it was closed.
    TrashList trash(*m_board, m_dir->filePath(QStringLiteral("trash.dat")), m_folder + QStringLiteral("/.trash"));
    QCOMPARE(trash.notes().size(), 1);
    QVERIFY2(trash.entries().first().endsWith(QLatin1String("the notes folder\nlet go of")),
             qPrintable(trash.entries().first()));
    trash.restore(0);
    QVERIFY(!QFile::exists(trashed));
    QTRY_VERIFY_WITH_TIMEOUT(m_sync->noteFor(id), 10000);
    QCOMPARE(textOf(m_sync->noteFor(id)), QStringLiteral("let go of"));
}

QTEST_MAIN(TestFolderSync)
#include "tst_foldersync.moc"
