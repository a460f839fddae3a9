// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// The notes folder without a program around it: the sync engines' conflict copies known by name and by ID, other
// files left alone, unreadable files moved aside with one log line, writes only when the bytes change, and the
// folder's trash.
#include "logcapture.h"
#include "notes/notestore.h"
#include "samplenotes.h"
#include "sync/notesfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace jotlet;

namespace {

NoteRecord folderNote(const QString& id, const QString& text)
{
    NoteRecord note = sampleNote(text);
    note.identity = {id, QStringLiteral("2026-12-07T10:00:00.000Z"), QStringLiteral("desk")};
    return note;
}

} // namespace

class TestNotesFolder : public QObject
{
    Q_OBJECT

private slots:
    void init() { clearErrorLog(); }
    void conflictNames_data();
    void conflictNames();
    void scanLinksConflictCopies();
    void unreadableGoesAside();
    void writesOnlyChanges();
    void trashKeepsEveryCopy();
};

void TestNotesFolder::conflictNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("original");
    QTest::newRow("Syncthing") << "4b1c.sync-conflict-20261207-101500-ABCDEFG.not"
                               << "4b1c.not";
    QTest::newRow("Syncthing, older (no device)") << "4b1c.sync-conflict-20261207-101500.not"
                                                  << "4b1c.not";
    QTest::newRow("Nextcloud") << "4b1c (conflicted copy 2026-12-07 101500).not"
                               << "4b1c.not";
    QTest::newRow("ownCloud, with a user") << "4b1c (conflicted copy anna 2026-12-07 101500).not"
                                           << "4b1c.not";
    QTest::newRow("Dropbox") << "4b1c (Anna's conflicted copy 2026-12-07).not"
                             << "4b1c.not";
    QTest::newRow("a note's own file") << "4b1c.not"
                                       << "";
    QTest::newRow("a name that only looks like one") << "conflicted copy.not"
                                                     << "";
    QTest::newRow("another extension") << "4b1c.sync-conflict-20261207-101500-ABCDEFG.txt"
                                       << "";
}

void TestNotesFolder::conflictNames()
{
    QFETCH(QString, name);
    QFETCH(QString, original);
    QCOMPARE(conflictOriginalName(name), original);
}

void TestNotesFolder::scanLinksConflictCopies()
{
    QTemporaryDir dir;
    NotesFolder folder(dir.path());
    const auto put
        = [&dir](const QString& name, const NoteRecord& note) { QVERIFY(saveNotesFile({note}, dir.filePath(name))); };
    put(QStringLiteral("aaaa.not"), folderNote(QStringLiteral("aaaa"), QStringLiteral("mine")));
    put(QStringLiteral("aaaa.sync-conflict-20261207-101500-ABCDEFG.not"),
        folderNote(QStringLiteral("aaaa"), QStringLiteral("theirs, Syncthing")));
    put(QStringLiteral("aaaa (conflicted copy 2026-12-07 101500).not"),
        folderNote(QStringLiteral("aaaa"), QStringLiteral("theirs, Nextcloud")));
    put(QStringLiteral("aaaa (Bob's conflicted copy 2026-12-07).not"),
        folderNote(QStringLiteral("aaaa"), QStringLiteral("theirs, Dropbox")));
    put(QStringLiteral("copied by hand.not"), folderNote(QStringLiteral("aaaa"), QStringLiteral("same id")));
    put(QStringLiteral("bbbb.not"), folderNote(QStringLiteral("bbbb"), QStringLiteral("another note")));
    put(QStringLiteral("bbbb (conflicted copy 2026-12-07 101500).not"),
        folderNote(QStringLiteral("cccc"), QStringLiteral("a copy with a new id")));
    for (const char* ignored : {".syncthing.aaaa.not.tmp", "aaaa.not.part", ".~lock.aaaa.not#", "notes.txt"}) {
        QFile other(dir.filePath(QString::fromLatin1(ignored)));
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.write("not a note");
    }
    QStringList seen;
    for (const FolderNote& note : folder.scan()) {
        seen << QFileInfo(note.path).fileName() + QStringLiteral(" -> ")
                    + (note.conflictOf.isEmpty() ? QStringLiteral("own") : note.conflictOf);
    }
    seen.sort();
    QCOMPARE(seen,
             QStringList({"aaaa (Bob's conflicted copy 2026-12-07).not -> aaaa",
                          "aaaa (conflicted copy 2026-12-07 101500).not -> aaaa",
                          "aaaa.not -> own",
                          "aaaa.sync-conflict-20261207-101500-ABCDEFG.not -> aaaa",
                          "bbbb (conflicted copy "
                          "2026-12-07 101500).not -> bbbb",
                          "bbbb.not -> own",
                          "copied by hand.not -> aaaa"}));
    QVERIFY(errorLogLines().isEmpty());
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral(".syncthing.aaaa.not.tmp")))); // never touched
}

void TestNotesFolder::unreadableGoesAside()
{
    QTemporaryDir dir;
    NotesFolder folder(dir.path());
    QFile broken(dir.filePath(QStringLiteral("broken.not")));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("<?xml version=\"1.0\"?><JOTLET><NOTE>");
    broken.close();
    QVERIFY(folder.scan().isEmpty());
    QVERIFY(!QFile::exists(broken.fileName()));
    QVERIFY(QFile::exists(folder.unreadablePath() + QStringLiteral("/broken.not")));
    QCOMPARE(errorLogLines().size(), 1);
    QVERIFY(folder.scan().isEmpty());
    QCOMPARE(errorLogLines().size(), 1); // once
}

void TestNotesFolder::writesOnlyChanges()
{
    QTemporaryDir dir;
    NotesFolder folder(dir.path());
    const NoteRecord note = folderNote(QStringLiteral("dddd"), QStringLiteral("steady"));
    bool written = false;
    QVERIFY(folder.write(note, &written));
    QVERIFY(written);
    const QDateTime first = QFileInfo(folder.fileFor(QStringLiteral("dddd"))).lastModified();
    QTest::qWait(20);
    QVERIFY(folder.write(note, &written));
    QVERIFY(!written);
    QCOMPARE(QFileInfo(folder.fileFor(QStringLiteral("dddd"))).lastModified(), first);
    const QList<FolderNote> scanned = folder.scan();
    QCOMPARE(scanned.size(), 1);
    QCOMPARE(scanned.first().note.identity.device, QStringLiteral("desk"));
    QCOMPARE(scanned.first().note.identity.modified, QStringLiteral("2026-12-07T10:00:00.000Z"));
}

void TestNotesFolder::trashKeepsEveryCopy()
{
    QTemporaryDir dir;
    NotesFolder folder(dir.path());
    QStringList trashed;
    for (int i = 0; i < 2; ++i) {
        QVERIFY(folder.write(folderNote(QStringLiteral("eeee"), QStringLiteral("version %1").arg(i))));
        trashed << folder.moveToTrash(folder.fileFor(QStringLiteral("eeee")));
    }
    QCOMPARE(trashed.size(), 2);
    QVERIFY(!trashed.contains(QString()) && trashed.first() != trashed.last());
    QVERIFY(folder.scan().isEmpty());
    folder.purgeTrash(QDateTime::currentDateTime().addDays(NotesFolder::kTrashDays - 1));
    QCOMPARE(QDir(folder.trashPath()).entryList(QDir::Files).size(), 2);
    folder.purgeTrash(QDateTime::currentDateTime().addDays(NotesFolder::kTrashDays + 1));
    QCOMPARE(QDir(folder.trashPath()).entryList(QDir::Files).size(), 0);
}

QTEST_GUILESS_MAIN(TestNotesFolder)
#include "tst_notesfolder.moc"
