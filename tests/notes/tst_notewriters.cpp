// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "filefaults.h"
#include "logcapture.h"
#include "notes/notefile.h"
#include "notes/notestore.h"
#include "support/appinfo.h"
#include "support/codepage.h"
#include "support/files.h"
#include "support/settings.h"
#include "testdata.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace jotlet;

namespace {

NoteRecord makeNote(const QString& text, const QString& color = QStringLiteral("yellow"))
{
    NoteRecord note;
    note.color = color;
    note.data = QStringLiteral("{\\rtf1\\ansi %1\\par\r\n}").arg(text);
    note.timeDate = QStringLiteral("12/6/2026 3:04:05 PM");
    note.height = 2085;
    note.width = 2325;
    note.left = -4500;
    note.top = 1500;
    note.alpha = 128; // not stored: must not come back
    note.isOnTop = true;
    return note;
}

QStringList colors(const NoteList& notes)
{
    QStringList result;
    for (const NoteRecord& note : notes) {
        result << note.color;
    }
    return result;
}

// Data read back has LF where CR LF was written (XML line-end handling); the RTF means the same.
QString written(const QString& data)
{
    return QString(data).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

class TestNoteWriters : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void oneNoteLayout();
    void saveNoteReplacesThreeNotes();
    void roundTrip_data();
    void roundTrip();
    void appendTwiceKeepsOrderAndBytes();
    void appendCreatesMissingFile();
    void appendToLegacyAnsiFile();
    void appendToEmptyRoot();
    void appendToBrokenFileChangesNothing();
    void saveMainNoteThreeTimes();
    void keptNotesHoldMoreThanANoteFile();
    void failuresKeepTheOldFile_data();
    void failuresKeepTheOldFile();
    void fullDiskKeepsTheOldFile_data();
    void fullDiskKeepsTheOldFile();

private:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

void TestNoteWriters::init()
{
    QVERIFY(m_dir.isValid());
    clearErrorLog();
}

void TestNoteWriters::cleanup()
{
    QDir(m_dir.path()).removeRecursively();
    QDir().mkpath(m_dir.path());
    QFile::remove(mainNoteFilePath());
}

void TestNoteWriters::oneNoteLayout()
{
    NoteRecord note = makeNote(QStringLiteral("a&b"));
    note.timeDate = QStringLiteral("File: a&b.not");
    note.color = QStringLiteral("<odd>");
    const QString target = path(QStringLiteral("one.not"));
    QVERIFY(saveNoteFile(note, target));

    const QString version = programVersion();
    QCOMPARE(version.split(QLatin1Char('.')).value(2), QStringLiteral("0"));
    const QByteArray expected
        = "<?xml version=\"1.0\" standalone=\"yes\"?>\r\n<NOTES version=\"" + version.toLatin1()
          + "\">\r\n<NOTE>\r\n<COLOR>&lt;odd&gt;</COLOR>\r\n<DATA>{\\rtf1\\ansi a&amp;b\\par\r\n}</DATA>\r\n"
            "<TIMEDATE>File: a&amp;b.not</TIMEDATE>\r\n<HEIGHT>2085</HEIGHT>\r\n<WIDTH>2325</WIDTH>\r\n"
            "<LEFT>-4500</LEFT>\r\n<TOP>1500</TOP>\r\n</NOTE>\r\n</NOTES>\r\n";
    QCOMPARE(fileBytes(target), expected);
}

void TestNoteWriters::saveNoteReplacesThreeNotes()
{
    const QString target = path(QStringLiteral("three.not"));
    QVERIFY(saveNoteFile(makeNote(QStringLiteral("1"), QStringLiteral("a")), target));
    QVERIFY(appendToNoteFile(makeNote(QStringLiteral("2"), QStringLiteral("b")), target));
    QVERIFY(appendToNoteFile(makeNote(QStringLiteral("3"), QStringLiteral("c")), target));
    QCOMPARE(loadNoteFile(target).size(), 3);

    QVERIFY(saveNoteFile(makeNote(QStringLiteral("only"), QStringLiteral("d")), target));
    const NoteList notes = loadNoteFile(target);
    QCOMPARE(colors(notes), QStringList {QStringLiteral("d")});
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), QStringList {QStringLiteral("three.not")});
}

void TestNoteWriters::roundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected"); // what comes back, when not the text itself
    QTest::newRow("markup characters") << "& < > \" ' &amp; ]]>" << QString();
    QTest::newRow("non-ASCII") << "caf\u00e9 \u20ac \u4e2d\u6587 \U0001F600" << QString();
    QTest::newRow("control characters left out") << "a\x01"
                                                    "b\x1f"
                                                    "c\tend"
                                                 << "abc\tend";
    QTest::newRow("unpaired surrogate left out") << QStringLiteral("x") + QChar(0xD800) + QStringLiteral("y") << "xy";
}

void TestNoteWriters::roundTrip()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    if (expected.isNull()) {
        expected = text;
    }
    NoteRecord note = makeNote(text, text);
    note.timeDate = text;
    const QString target = path(QStringLiteral("round.not"));
    QVERIFY(saveNoteFile(note, target));
    QVERIFY(appendToNoteFile(note, target));

    const NoteList notes = loadNoteFile(target);
    QCOMPARE(notes.size(), 2);
    for (const NoteRecord& back : notes) {
        QCOMPARE(back.color, expected);
        QCOMPARE(back.timeDate, expected);
        QCOMPARE(written(back.data), written(makeNote(expected).data));
        QCOMPARE(back.left, -4500);
        QCOMPARE(back.alpha, 0);
        QCOMPARE(back.isOnTop, false);
    }
    QVERIFY(errorLogLines().isEmpty());
}

void TestNoteWriters::appendTwiceKeepsOrderAndBytes()
{
    const QString target = path(QStringLiteral("a.not"));
    QVERIFY(saveNoteFile(makeNote(QStringLiteral("first"), QStringLiteral("first")), target));
    const QByteArray before = fileBytes(target);
    QVERIFY(appendToNoteFile(makeNote(QStringLiteral("second"), QStringLiteral("second")), target));
    QVERIFY(appendToNoteFile(makeNote(QStringLiteral("third"), QStringLiteral("third")), target));

    const QByteArray after = fileBytes(target);
    const qsizetype rootEnd = before.lastIndexOf("</NOTES>");
    QCOMPARE(after.left(rootEnd), before.left(rootEnd)); // what was there is kept byte for byte
    QVERIFY(after.endsWith("</NOTE>\r\n</NOTES>\r\n"));
    QCOMPARE(colors(loadNoteFile(target)),
             (QStringList {QStringLiteral("first"), QStringLiteral("second"), QStringLiteral("third")}));
}

void TestNoteWriters::appendCreatesMissingFile()
{
    const QString chosen = path(QStringLiteral("new.not"));
    QVERIFY(appendToNoteFile(makeNote(QStringLiteral("x"), QStringLiteral("green")), chosen));
    QCOMPARE(colors(loadNoteFile(chosen)), QStringList {QStringLiteral("green")});
}

void TestNoteWriters::appendToLegacyAnsiFile()
{
    const QString target = path(QStringLiteral("legacy.not"));
    QFile f(target);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(
        "<?xml version=\"1.0\" standalone=\"yes\"?>\r\n<NOTES version=\"4.5.0.4\">\r\n<NOTE>\r\n<COLOR>red</COLOR>\r\n"
        "<TIMEDATE>File: r\xe9sum\xe9.not</TIMEDATE>\r\n</NOTE>\r\n</NOTES>\r\n");
    f.close();

    NoteRecord note = makeNote(QStringLiteral("new"), QStringLiteral("blue"));
    note.timeDate = QStringLiteral("\u00fcber \U0001F600");
    QVERIFY(appendToNoteFile(note, target));

    QVERIFY(isValidUtf8(fileBytes(target)));
    const NoteList notes = loadNoteFile(target);
    QCOMPARE(notes.size(), 2);
    QCOMPARE(notes.at(0).timeDate, QStringLiteral("File: r\u00e9sum\u00e9.not"));
    QCOMPARE(notes.at(1).timeDate, note.timeDate);
}

void TestNoteWriters::appendToEmptyRoot()
{
    const QString target = path(QStringLiteral("empty.not"));
    QFile f(target);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n<NOTES version=\"1.0.0.1\"/>\r\n");
    f.close();
    QVERIFY(appendToNoteFile(makeNote(QStringLiteral("x"), QStringLiteral("tang")), target));
    QCOMPARE(colors(loadNoteFile(target)), QStringList {QStringLiteral("tang")});
    QVERIFY(!fileBytes(target).contains("encoding"));
}

void TestNoteWriters::appendToBrokenFileChangesNothing()
{
    const QString target = path(QStringLiteral("broken.not"));
    QFile f(target);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("<NOTES><NOTE><DATA>half a file");
    f.close();
    const QByteArray before = fileBytes(target);
    QVERIFY(!appendToNoteFile(makeNote(QStringLiteral("x")), target));
    QCOMPARE(fileBytes(target), before);
    const QStringList log = errorLogLines();
    QCOMPARE(log.size(), 1);
    QVERIFY(log.first().contains(QStringLiteral("modNote: AppendNote")));
}

void TestNoteWriters::saveMainNoteThreeTimes()
{
    QVERIFY(!QFile::exists(mainNoteFilePath()));
    QVERIFY(addToMainNoteFile(makeNote(QStringLiteral("1"), QStringLiteral("one"))));
    QVERIFY(QFile::exists(mainNoteFilePath()));
    QVERIFY(addToMainNoteFile(makeNote(QStringLiteral("2"), QStringLiteral("two"))));
    QVERIFY(addToMainNoteFile(makeNote(QStringLiteral("3"), QStringLiteral("three"))));
    const NoteList notes = loadMainNoteFile();
    QCOMPARE(colors(notes), (QStringList {QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three")}));
    QCOMPARE(notes.first().fileName, mainNoteFilePath());
}

void TestNoteWriters::keptNotesHoldMoreThanANoteFile()
{
    // Notes with pictures open at the end of a session can come to more than a note file may hold: the main note
    // file and the recovery journal take them, and give them back.
    const NoteRecord big = makeNote(QString(int(kMaxNoteFileBytes) + 1, QLatin1Char('x')), QStringLiteral("big"));
    QVERIFY(addToMainNoteFile(big));
    QCOMPARE(colors(loadMainNoteFile()), QStringList {QStringLiteral("big")});
    QVERIFY(QFile::rename(mainNoteFilePath(), recoveryJournalPath()));
    bool damaged = true;
    QCOMPARE(colors(loadNoteFileLeniently(recoveryJournalPath(), &damaged)), QStringList {QStringLiteral("big")});
    QVERIFY(!damaged);
    QVERIFY(!saveNoteFile(big, path(QStringLiteral("other.not")))); // a note file of its own may not
}

void TestNoteWriters::failuresKeepTheOldFile_data()
{
    QTest::addColumn<QString>("writer");
    QTest::addColumn<QString>("fault");
    for (const char* writer : {"SaveNote", "AppendNote", "SaveMainNote"}) {
        for (const char* fault :
             {"full disk", "read-only folder", "target is a folder", "more than a note file holds"}) {
            if (qstrcmp(writer, "SaveMainNote") == 0 && qstrcmp(fault, "more than a note file holds") == 0) {
                continue; // the kept notes may hold more (keptNotesHoldMoreThanANoteFile)
            }
            QTest::addRow("%s, %s", writer, fault) << QString::fromLatin1(writer) << QString::fromLatin1(fault);
        }
    }
}

void TestNoteWriters::failuresKeepTheOldFile()
{
    QFETCH(QString, writer);
    QFETCH(QString, fault);
    const bool main = writer == QLatin1String("SaveMainNote");
    QString target = main ? mainNoteFilePath() : path(QStringLiteral("keep.not"));
    QVERIFY(saveNoteFile(makeNote(QStringLiteral("old"), QStringLiteral("old")), target));
    if (fault == QLatin1String("target is a folder")) {
        QVERIFY(QFile::remove(target) && QDir().mkpath(target + QStringLiteral("/inside")));
    }
    // The log lives in the data folder, where the main note file is: it exists before the fault, as it would after
    // a day's use, so that the failure can be written to it.
    QFile logFile(errorLogPath());
    QVERIFY(logFile.open(QIODevice::Append));
    logFile.close();
    const QByteArray before = fileBytes(target);
    const QStringList filesBefore = QDir(folderPart(target)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

    // A note larger than the size limit below, so that a write cannot fit; or larger than a note file may be (it
    // could not be read back).
    const bool tooLarge = fault == QLatin1String("more than a note file holds");
    const NoteRecord big
        = makeNote(QString(tooLarge ? int(kMaxNoteFileBytes) + 1 : 20000, QLatin1Char('x')), QStringLiteral("new"));
    bool saved = false;
    {
        std::unique_ptr<FileSizeLimit> limit;
        std::unique_ptr<ReadOnlyFolder> readOnly;
        if (fault == QLatin1String("full disk")) {
            limit = std::make_unique<FileSizeLimit>(8192);
        } else if (fault == QLatin1String("read-only folder")) {
            readOnly = std::make_unique<ReadOnlyFolder>(folderPart(target));
        }
        if (writer == QLatin1String("SaveNote")) {
            saved = saveNoteFile(big, target);
        } else if (writer == QLatin1String("AppendNote")) {
            saved = appendToNoteFile(big, target);
        } else {
            saved = addToMainNoteFile(big);
        }
    }
    QVERIFY(!saved);
    QCOMPARE(fileBytes(target), before);
    QCOMPARE(QDir(folderPart(target)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), filesBefore);
    const QStringList log = errorLogLines();
    QCOMPARE(log.size(), 1);
    QVERIFY2(log.first().contains(QStringLiteral("modNote: ")), qPrintable(log.first()));
    if (fault != QLatin1String("target is a folder")) {
        QCOMPARE(colors(loadNoteFile(target)), QStringList {QStringLiteral("old")});
    }
    QDir(target).removeRecursively();
}

void TestNoteWriters::fullDiskKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("writer");
    QTest::addColumn<int>("noteBytes");
    QTest::addColumn<int>("freeBytes");
    // Under 16 KB a write sits in the file's buffer until the end: that is where a full disk used to go unseen.
    for (const char* writer : {"SaveNote", "AppendNote", "SaveMainNote"}) {
        for (const int bytes : {300, 15 * 1024, 20 * 1024}) {
            QTest::addRow("%s, %d bytes, disk full", writer, bytes) << QString::fromLatin1(writer) << bytes << 0;
        }
        QTest::addRow("%s, 15 KB, 8 KB free", writer) << QString::fromLatin1(writer) << 15 * 1024 << 8192;
    }
}

void TestNoteWriters::fullDiskKeepsTheOldFile()
{
    QFETCH(QString, writer);
    QFETCH(int, noteBytes);
    QFETCH(int, freeBytes);
    SmallFileSystem disk(256 * 1024);
    if (!disk.isMounted()) {
        QSKIP(qPrintable(disk.reason()));
    }
    const QByteArray home = qgetenv("JOTLET_HOME");
    const bool main = writer == QLatin1String("SaveMainNote");
    if (main) {
        qputenv("JOTLET_HOME", QFile::encodeName(disk.path()));
    }
    const auto restoreHome = qScopeGuard([&] { qputenv("JOTLET_HOME", home); });
    const QString target = main ? mainNoteFilePath() : disk.filePath(QStringLiteral("keep.not"));
    QVERIFY(saveNoteFile(makeNote(QStringLiteral("old"), QStringLiteral("old")), target));
    QFile logFile(errorLogPath()); // in use already, as after a day's work, so its entry still has room
    QVERIFY(logFile.open(QIODevice::Append) && logFile.write("\r\n") == 2);
    logFile.close();
    const QByteArray before = fileBytes(target);
    disk.fillLeaving(freeBytes);
    const QStringList filesBefore = QDir(disk.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

    const NoteRecord note = makeNote(QString(noteBytes - 300, QLatin1Char('x')), QStringLiteral("new"));
    Problem failure;
    bool saved = false;
    if (writer == QLatin1String("SaveNote")) {
        saved = saveNoteFile(note, target, &failure);
    } else if (writer == QLatin1String("AppendNote")) {
        saved = appendToNoteFile(note, target, &failure);
    } else {
        saved = addToMainNoteFile(note, &failure);
    }
    QVERIFY(!saved);
    QCOMPARE(fileBytes(target), before);
    QCOMPARE(QDir(disk.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), filesBefore);
    QVERIFY2(failure.english().contains(QLatin1String("No space left on device")), qPrintable(failure.english()));
    const QStringList log = errorLogLines();
    QCOMPARE(log.size(), 1);
    QVERIFY2(log.first().contains(QStringLiteral("modNote: ")) && log.first().contains(failure.english()),
             qPrintable(log.first()));
}

QTEST_GUILESS_MAIN(TestNoteWriters)
#include "tst_notewriters.moc"
