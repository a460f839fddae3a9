// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// The notes folder without a program around it: the sync engines' conflict copies known by name and by ID, other
// files left alone, unreadable files moved aside once, writes only over the version read and only into a marked
// folder, links never followed, large files never read, temporary files the engines skip, and the folder's trash.
#include "logcapture.h"
#include "notes/notefile.h"
#include "notes/notestore.h"
#include "notes/trash.h"
#include "samplenotes.h"
#include "sync/notesfolder.h"
#include "sync/versionstore.h"

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

QByteArray noteBytes(const NoteRecord& note)
{
    return noteFileText({note}, QStringLiteral("1.0.0.1")).toUtf8();
}

void setModified(const QString& path, const QDateTime& when)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(when, QFileDevice::FileModificationTime));
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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
    void writesOnlyOverWhatWasRead();
    void neverFollowsLinks();
    void largeFilesAreNotRead();
    void staleTemporaryFilesGo();
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
    FolderScanCache cache;
    for (const FolderNote& note : folder.scan(&cache).notes) {
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
    FolderScanCache cache;
    const FolderScan first = folder.scan(&cache);
    QVERIFY(first.notes.isEmpty());
    QCOMPARE(first.setAside.size(), 1);
    QVERIFY(!QFile::exists(broken.fileName()));
    QVERIFY(QFile::exists(folder.unreadablePath() + QStringLiteral("/broken.not")));
    QVERIFY(folder.scan(&cache).setAside.isEmpty()); // once
}

void TestNotesFolder::writesOnlyOverWhatWasRead()
{
    QTemporaryDir dir;
    NotesFolder folder(dir.path());
    Problem failure;
    const QString path = folder.fileFor(QStringLiteral("dddd"));
    const QByteArray first = noteBytes(folderNote(QStringLiteral("dddd"), QStringLiteral("steady")));
    // Not marked: an empty mount point where the folder should be is never written.
    QCOMPARE(folder.write(path, first, {}, &failure), NotesFolder::Write::Failed);
    QVERIFY2(failure.english().contains(NotesFolder::kMarkName), qPrintable(failure.english()));
    QVERIFY(folder.mark(&failure));
    QCOMPARE(folder.write(path, first, {}, &failure), NotesFolder::Write::Written);
    const QDateTime written = QFileInfo(path).lastModified();
    QTest::qWait(20);
    QCOMPARE(folder.write(path, first, VersionStore::versionOf(first), &failure), NotesFolder::Write::Written);
    QCOMPARE(QFileInfo(path).lastModified(), written); // the same bytes are not written again
    // A version it has not read is never replaced.
    const QByteArray second = noteBytes(folderNote(QStringLiteral("dddd"), QStringLiteral("changed")));
    QCOMPARE(folder.write(path, second, {}, &failure), NotesFolder::Write::ChangedOutside);
    QCOMPARE(folder.write(path, second, VersionStore::versionOf("other"), &failure),
             NotesFolder::Write::ChangedOutside);
    QCOMPARE(folder.write(path, second, VersionStore::versionOf(first), &failure), NotesFolder::Write::Written);
    QCOMPARE(readAll(path), second);
    // Nothing but the note's file is left: the temporary file went into its place.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({NotesFolder::kMarkName, "dddd.not"}));
    // More than a note file may hold is refused, and the file stays as it was.
    const QByteArray huge(kMaxNoteFileBytes + 1, 'x');
    QCOMPARE(folder.write(path, huge, VersionStore::versionOf(second), &failure), NotesFolder::Write::Failed);
    QVERIFY2(failure.english().contains(QLatin1String("32 MB")), qPrintable(failure.english()));
    QCOMPARE(readAll(path), second);
}

void TestNotesFolder::neverFollowsLinks()
{
    QTemporaryDir dir;
    QTemporaryDir outside;
    NotesFolder folder(dir.filePath(QStringLiteral("Notes")));
    Problem failure;
    QVERIFY(folder.mark(&failure));
    const QString target = outside.filePath(QStringLiteral("secret.not"));
    const QByteArray secret = noteBytes(folderNote(QStringLiteral("ffff"), QStringLiteral("outside the folder")));
    QFile file(target);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(secret) == secret.size());
    file.close();
    setModified(target, QDateTime(QDate(2020, 1, 1), QTime(12, 0)));
    const QDateTime before = QFileInfo(target).lastModified();
    const QString link = folder.fileFor(QStringLiteral("ffff"));
    QVERIFY(QFile::link(target, link));
    FolderScanCache cache;
    const FolderScan scan = folder.scan(&cache);
    QVERIFY(scan.notes.isEmpty());
    QCOMPARE(scan.refused.size(), 1);
    QVERIFY(!scan.refused.first().tooLarge);
    const QByteArray mine = noteBytes(folderNote(QStringLiteral("ffff"), QStringLiteral("mine")));
    QCOMPARE(folder.write(link, mine, VersionStore::versionOf(secret), &failure), NotesFolder::Write::Failed);
    QVERIFY(folder.moveToTrash(link, QDateTime::currentDateTimeUtc()).isEmpty());
    QCOMPARE(readAll(target), secret);
    QCOMPARE(QFileInfo(target).lastModified(), before);
    QVERIFY(QFileInfo(link).isSymLink());
}

void TestNotesFolder::largeFilesAreNotRead()
{
    QTemporaryDir dir;
    NotesFolder folder(dir.path());
    QFile big(folder.fileFor(QStringLiteral("big")));
    QVERIFY(big.open(QIODevice::WriteOnly));
    QVERIFY(big.resize(qint64(1) << 30)); // a gigabyte, sparse: reading it would take one
    big.close();
    FolderScanCache cache;
    const FolderScan scan = folder.scan(&cache);
    QVERIFY(scan.notes.isEmpty());
    QCOMPARE(scan.refused.size(), 1);
    QVERIFY(scan.refused.first().tooLarge);
    QVERIFY(QFile::exists(big.fileName())); // left where it is
    QByteArray bytes;
    QVERIFY(!folder.readNote(big.fileName(), &bytes));
    QVERIFY(bytes.isEmpty());
}

void TestNotesFolder::staleTemporaryFilesGo()
{
    QTemporaryDir dir;
    NotesFolder folder(dir.path());
    const QStringList names = {"~syncthing~aaaa.not.~jotlet-old.tmp",
                               "~syncthing~bbbb.not.~jotlet-new.tmp",
                               "~syncthing~cccc.not.tmp", // Syncthing's own
                               "aaaa.not"};
    for (const QString& name : names) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(!isFolderNoteName(name) || name == QLatin1String("aaaa.not"));
    }
    setModified(dir.filePath(names.first()), QDateTime::currentDateTime().addSecs(-3600));
    folder.removeStaleTemporaryFiles(QDateTime::currentDateTimeUtc());
    QStringList left = names.mid(1);
    left.sort();
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files, QDir::Name), left);
}

void TestNotesFolder::trashKeepsEveryCopy()
{
    QTemporaryDir dir;
    NotesFolder folder(dir.path());
    Problem failure;
    QVERIFY(folder.mark(&failure));
    QStringList trashed;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (int i = 0; i < 2; ++i) {
        const QByteArray bytes = noteBytes(folderNote(QStringLiteral("eeee"), QStringLiteral("version %1").arg(i)));
        QCOMPARE(folder.write(folder.fileFor(QStringLiteral("eeee")), bytes, {}, &failure),
                 NotesFolder::Write::Written);
        trashed << folder.moveToTrash(folder.fileFor(QStringLiteral("eeee")), now.addDays(-i));
    }
    QCOMPARE(trashed.size(), 2);
    QVERIFY(!trashed.contains(QString()) && trashed.first() != trashed.last());
    FolderScanCache cache;
    QVERIFY(folder.scan(&cache).notes.isEmpty());
    // Their time in the trash counts from when they went there (the clock given), not from when they were written.
    folder.purgeTrash(now.addDays(TrashPolicy::kMaxDays - 1));
    QCOMPARE(QDir(folder.trashPath()).entryList(QDir::Files).size(), 2);
    folder.purgeTrash(now.addDays(TrashPolicy::kMaxDays).addSecs(-12 * 3600));
    QCOMPARE(QDir(folder.trashPath()).entryList(QDir::Files).size(), 1);
    folder.purgeTrash(now.addDays(TrashPolicy::kMaxDays + 1));
    QCOMPARE(QDir(folder.trashPath()).entryList(QDir::Files).size(), 0);
}

QTEST_GUILESS_MAIN(TestNotesFolder)
#include "tst_notesfolder.moc"
