// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// Notes of other programs read from their own files (tests/data/import, and a plum.sqlite and text folders made
// here): texts, formats, colours, sizes and places; damaged files named and the rest read; a second import adding
// nothing; and notes exported to Markdown coming back with their formats.
#include "import/bringin.h"
#include "import/readers.h"
#include "note/checklist.h"
#include "note/noteboard.h"
#include "note/noteexport.h"
#include "rtf/pictures.h"
#include "rtf/reader.h"
#include "rtf/writer.h"
#include "testdata.h"

#include <QDir>
#include <QImage>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

using namespace jotlet;

class TestNoteImport : public QObject
{
    Q_OBJECT

private slots:
    void readsEachProgram_data();
    void readsEachProgram();
    void keepsFormats_data();
    void keepsFormats();
    void secondImportAddsNothing();
    void markdownExportComesBack();
    void exportNeverReplacesAFile();
    void exportedPicturesAreFilesBeside();
};

namespace {

// The words of a note, paragraph by paragraph.
QString textOf(const NoteRecord& note)
{
    QTextDocument doc;
    readRtf(storedRtfBytes(note.data), &doc);
    return doc.toPlainText();
}

// A plum.sqlite as Microsoft Sticky Notes keeps it: two notes and one deleted.
QString makePlum(const QString& folder)
{
    const QString path = folder + QStringLiteral("/plum.sqlite");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("plum"));
        db.setDatabaseName(path);
        db.open();
        QSqlQuery query(db);
        query.exec(QStringLiteral("CREATE TABLE Note (Text TEXT, WindowPosition TEXT, IsOpen INTEGER, "
                                  "IsAlwaysOnTop INTEGER, Theme TEXT, Id TEXT PRIMARY KEY, CreatedAt INTEGER, "
                                  "DeletedAt INTEGER, UpdatedAt INTEGER)"));
        query.exec(
            QStringLiteral("INSERT INTO Note VALUES ('\\id=a1b2c3d4-0000-4000-8000-000000000001 Renew passport\n"
                           "\\id=a1b2c3d4-0000-4000-8000-000000000002 before March', "
                           "'ManagedPosition=DeviceId:\\\\?\\DISPLAY#1;Position=300,200;Size=320,240', 1, 1, 'Blue', "
                           "'n1', 638690000000000000, NULL, 638690000000000000)"));
        query.exec(QStringLiteral("INSERT INTO Note VALUES ('\\id=a1b2c3d4-0000-4000-8000-000000000003 Water plants', "
                                  "'Position=10,10;Size=200,200', 0, 0, 'Pink', 'n2', 0, NULL, 0)"));
        query.exec(QStringLiteral("INSERT INTO Note VALUES ('\\id=a1b2c3d4-0000-4000-8000-000000000004 gone', "
                                  "'', 0, 0, 'Gray', 'n3', 0, 638690000000000000, 0)"));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("plum"));
    return path;
}

QString makeTextFolder(const QString& folder)
{
    QDir(folder).mkpath(QStringLiteral("texts/sub"));
    QFile plain(folder + QStringLiteral("/texts/a plain note.txt"));
    plain.open(QIODevice::WriteOnly);
    plain.write("Pick up the parcel\nat the post office\n");
    QFile markdown(folder + QStringLiteral("/texts/sub/list.md"));
    markdown.open(QIODevice::WriteOnly);
    markdown.write("---\ncolor: \"#ccffab\"\n---\n\n**Packing**\n\n- [x] tent\n- [ ] stove\n");
    return folder + QStringLiteral("/texts");
}

} // namespace

void TestNoteImport::readsEachProgram_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("firstText");
    QTest::addColumn<QString>("color");
    QTest::addColumn<int>("widthPixels");
    QTest::addColumn<int>("leftPixels");
    QTest::addColumn<int>("problems");
    QTest::newRow("xpad") << int(ImportKind::Xpad) << testDataPath(QStringLiteral("import/xpad")) << 2
                          << QStringLiteral("Buy milk\nCall Anna at 5\nThird line ü") << QStringLiteral("yellow") << 377
                          << 490 << 0;
    QTest::newRow("mint") << int(ImportKind::MintSticky) << testDataPath(QStringLiteral("import/mint/notes.json")) << 3
                          << QStringLiteral("Groceries\nmilk\neggs\nbread and #jam") << QStringLiteral("green") << 250
                          << 120 << 0;
    QTest::newRow("gnome, one file damaged")
        << int(ImportKind::GnomeSticky) << testDataPath(QStringLiteral("import/gnome")) << 1
        << QStringLiteral("Book the train\nto Leipzig on Friday") << QStringLiteral("red") << 300 << 0 << 1;
    QTest::newRow("knotes, one file not a note")
        << int(ImportKind::KNotes) << testDataPath(QStringLiteral("import/knotes")) << 2
        << QStringLiteral("Shopping list\nApples, pears\nKäse und Brot") << QStringLiteral("yellow") << 0 << 0 << 1;
    QTest::newRow("microsoft, deleted note left out")
        << int(ImportKind::MicrosoftSticky) << QString() << 2 << QStringLiteral("Renew passport\nbefore March")
        << QStringLiteral("blue") << 320 << 300 << 0;
    QTest::newRow("text folder") << int(ImportKind::TextFolder) << QString() << 2
                                 << QStringLiteral("Pick up the parcel\nat the post office") << QStringLiteral("yellow")
                                 << 0 << 0 << 0;
}

void TestNoteImport::readsEachProgram()
{
    QFETCH(int, kind);
    QFETCH(QString, path);
    QFETCH(int, count);
    QFETCH(QString, firstText);
    QFETCH(QString, color);
    QFETCH(int, widthPixels);
    QFETCH(int, leftPixels);
    QFETCH(int, problems);
    QTemporaryDir scratch;
    if (ImportKind(kind) == ImportKind::MicrosoftSticky) {
        path = makePlum(scratch.path());
    } else if (ImportKind(kind) == ImportKind::TextFolder) {
        path = makeTextFolder(scratch.path());
    }
    REQUIRE_TEST_DATA(path);
    const QByteArray before = ImportKind(kind) == ImportKind::MicrosoftSticky ? fileBytes(path) : QByteArray();
    const ImportSource source = readImportSource(ImportKind(kind), path);
    QCOMPARE(source.problems.size(), problems);
    QCOMPARE(source.notes.size(), count);
    const NoteRecord& first = source.notes.first().record;
    QCOMPARE(textOf(first).trimmed(), firstText);
    QCOMPARE(first.color, color);
    QCOMPARE(first.width, widthPixels * 15);
    QCOMPARE(first.left, leftPixels * 15);
    if (!before.isEmpty()) {
        QCOMPARE(fileBytes(path), before); // only read
    }
}

void TestNoteImport::keepsFormats_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("note");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("format"); // bold, italic, underline, ticked, unticked, bullet
    QTest::newRow("mint bold") << int(ImportKind::MintSticky) << QStringLiteral("import/mint/notes.json") << 0
                               << QStringLiteral("bread") << QStringLiteral("bold");
    QTest::newRow("mint ticked") << int(ImportKind::MintSticky) << QStringLiteral("import/mint/notes.json") << 0
                                 << QStringLiteral("milk") << QStringLiteral("ticked");
    QTest::newRow("mint unticked") << int(ImportKind::MintSticky) << QStringLiteral("import/mint/notes.json") << 0
                                   << QStringLiteral("eggs") << QStringLiteral("unticked");
    QTest::newRow("mint bullet") << int(ImportKind::MintSticky) << QStringLiteral("import/mint/notes.json") << 1
                                 << QStringLiteral("second point") << QStringLiteral("bullet");
    QTest::newRow("mint italic") << int(ImportKind::MintSticky) << QStringLiteral("import/mint/notes.json") << 1
                                 << QStringLiteral("slanted") << QStringLiteral("italic");
    QTest::newRow("gnome bold") << int(ImportKind::GnomeSticky) << QStringLiteral("import/gnome") << 0
                                << QStringLiteral("Book") << QStringLiteral("bold");
    QTest::newRow("gnome underline") << int(ImportKind::GnomeSticky) << QStringLiteral("import/gnome") << 0
                                     << QStringLiteral("Leipzig") << QStringLiteral("underline");
    QTest::newRow("knotes rich text") << int(ImportKind::KNotes) << QStringLiteral("import/knotes") << 1
                                      << QStringLiteral("Oma") << QStringLiteral("bold");
    QTest::newRow("knotes encoded title") << int(ImportKind::KNotes) << QStringLiteral("import/knotes") << 1
                                          << QStringLiteral("Grüße") << QStringLiteral("bold");
}

void TestNoteImport::keepsFormats()
{
    QFETCH(int, kind);
    QFETCH(QString, path);
    QFETCH(int, note);
    QFETCH(QString, word);
    QFETCH(QString, format);
    const ImportSource source = readImportSource(ImportKind(kind), testDataPath(path));
    QVERIFY(note < source.notes.size());
    QTextDocument doc;
    readRtf(storedRtfBytes(source.notes.at(note).record.data), &doc);
    const QTextCursor found = doc.find(word);
    QVERIFY2(!found.isNull(), qPrintable(doc.toPlainText()));
    QTextCursor inside(&doc);
    inside.setPosition(found.selectionStart() + 1);
    const QTextCharFormat chars = inside.charFormat();
    const QTextBlock block = found.block();
    if (format == QLatin1String("bold")) {
        QVERIFY(chars.fontWeight() >= QFont::DemiBold);
    } else if (format == QLatin1String("italic")) {
        QVERIFY(chars.fontItalic());
    } else if (format == QLatin1String("underline")) {
        QVERIFY(chars.fontUnderline());
    } else if (format == QLatin1String("bullet")) {
        QVERIFY(block.textList() && !isCheckItem(block));
    } else {
        QVERIFY(isCheckItem(block));
        QCOMPARE(block.blockFormat().marker() == QTextBlockFormat::MarkerType::Checked,
                 format == QLatin1String("ticked"));
    }
}

void TestNoteImport::secondImportAddsNothing()
{
    QTemporaryDir scratch;
    NoteBoard board;
    ImportMemory memory(scratch.filePath(QStringLiteral("imported.txt")));
    const ImportSource source
        = readImportSource(ImportKind::MintSticky, testDataPath(QStringLiteral("import/mint/notes.json")));
    const BringInOutcome first = bringIn(board, source, {}, memory);
    QCOMPARE(first.added, 3);
    QCOMPARE(board.count(), 3);
    ImportMemory later(scratch.filePath(QStringLiteral("imported.txt"))); // a later run of the program
    const BringInOutcome second = bringIn(board, source, {}, later);
    QCOMPARE(second.added, 0);
    QCOMPARE(second.known, 3);
    QCOMPARE(board.count(), 3);
}

void TestNoteImport::markdownExportComesBack()
{
    QTextDocument doc;
    QTextCursor cursor(&doc);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.insertText(QStringLiteral("Trip"), bold);
    cursor.insertText(QStringLiteral(" plans "), QTextCharFormat());
    QTextCharFormat italic;
    italic.setFontItalic(true);
    cursor.insertText(QStringLiteral("soon"), italic);
    cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
    cursor.insertText(QStringLiteral("tent"));
    toggleChecklist(cursor);
    cursor.insertBlock();
    cursor.insertText(QStringLiteral("stove"));
    toggleCheckItem(cursor.block().previous());
    NoteRecord note;
    note.data = QString::fromLatin1(writeRtf(doc));
    note.color = QStringLiteral("green");
    QTemporaryDir folder;
    const ExportOutcome outcome = exportNotes({note}, folder.path(), ExportFormat::Markdown);
    QCOMPARE(outcome.written.size(), 1);
    const QString markdown = QString::fromUtf8(fileBytes(outcome.written.first()));
    QVERIFY2(markdown.contains(QLatin1String("- [x] tent")) && markdown.contains(QLatin1String("- [ ] stove")),
             qPrintable(markdown));
    const ImportSource back = readImportSource(ImportKind::TextFolder, folder.path());
    QCOMPARE(back.notes.size(), 1);
    QCOMPARE(back.notes.first().record.color, QStringLiteral("green"));
    QTextDocument again;
    readRtf(storedRtfBytes(back.notes.first().record.data), &again);
    QCOMPARE(again.toPlainText(), doc.toPlainText());
    QTextCursor at(&again);
    at.setPosition(again.find(QStringLiteral("Trip")).selectionStart() + 1);
    QVERIFY(at.charFormat().fontWeight() >= QFont::DemiBold);
    at.setPosition(again.find(QStringLiteral("soon")).selectionStart() + 1);
    QVERIFY(at.charFormat().fontItalic());
    const QTextBlock tent = again.find(QStringLiteral("tent")).block();
    const QTextBlock stove = again.find(QStringLiteral("stove")).block();
    QVERIFY(isCheckItem(tent) && isCheckItem(stove));
    QVERIFY(tent.blockFormat().marker() == QTextBlockFormat::MarkerType::Checked);
    QVERIFY(stove.blockFormat().marker() == QTextBlockFormat::MarkerType::Unchecked);
}

void TestNoteImport::exportNeverReplacesAFile()
{
    QTextDocument doc;
    doc.setPlainText(QStringLiteral("Ideas: a/b? \"quoted\""));
    NoteRecord note;
    note.data = QString::fromLatin1(writeRtf(doc));
    QTemporaryDir folder;
    QFile mine(folder.filePath(QStringLiteral("Ideas ab quoted.txt")));
    QVERIFY(mine.open(QIODevice::WriteOnly));
    mine.write("the user's own file");
    mine.close();
    const ExportOutcome outcome = exportNotes({note, note}, folder.path(), ExportFormat::Text);
    QCOMPARE(outcome.failed, QStringList());
    QCOMPARE(QFileInfo(outcome.written.value(0)).fileName(), QStringLiteral("Ideas ab quoted (2).txt"));
    QCOMPARE(QFileInfo(outcome.written.value(1)).fileName(), QStringLiteral("Ideas ab quoted (3).txt"));
    QCOMPARE(fileBytes(mine.fileName()), QByteArray("the user's own file"));
}

void TestNoteImport::exportedPicturesAreFilesBeside()
{
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::red);
    QTextDocument doc;
    QTextCursor cursor(&doc);
    cursor.insertText(QStringLiteral("a red box "));
    insertPicture(cursor, image, image.size(), pictureForStorage(image, false));
    NoteRecord note;
    note.data = QString::fromLatin1(writeRtf(doc));
    QTemporaryDir folder;
    const ExportOutcome outcome = exportNotes({note}, folder.path(), ExportFormat::Markdown);
    QCOMPARE(outcome.written.size(), 1);
    const QString markdown = QString::fromUtf8(fileBytes(outcome.written.first()));
    QVERIFY2(markdown.contains(QLatin1String("(a_red_box-1.png)")), qPrintable(markdown));
    const QImage written(folder.filePath(QStringLiteral("a_red_box-1.png")));
    QCOMPARE(written.size(), image.size());
    QCOMPARE(written.pixelColor(5, 5), QColor(Qt::red));
    // Imported again, the picture comes back into the note.
    const ImportSource back = readImportSource(ImportKind::TextFolder, folder.path());
    QCOMPARE(back.notes.size(), 1);
    QVERIFY(back.notes.first().record.data.contains(QLatin1String("\\pngblip")));
}

QTEST_MAIN(TestNoteImport)
#include "tst_noteimport.moc"
