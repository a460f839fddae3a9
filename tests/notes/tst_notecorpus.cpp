// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// Note files in the older Windows program's byte layout: each reads field for field.
#include "logcapture.h"
#include "notes/notestore.h"
#include "rtf/reader.h"
#include "testdata.h"

#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>

using namespace jotlet;

namespace {

// A copy of the shared corpus's note files, kept with the tests so they run wherever the project is cloned.
QString corpusFile(const QString& name)
{
    return testDataPath(QStringLiteral("not/") + name);
}

QString fields(const NoteRecord& note)
{
    return QStringLiteral("%1|%2|%3,%4,%5,%6")
        .arg(note.color, note.timeDate)
        .arg(note.height)
        .arg(note.width)
        .arg(note.left)
        .arg(note.top);
}

QString plainText(const NoteRecord& note)
{
    return rtfToPlainText(note.data.toLatin1()).trimmed();
}

// The block whose text is the given text, read from a note's rich text.
QTextBlock blockWithText(const QTextDocument& doc, const QString& text)
{
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        if (block.text() == text) {
            return block;
        }
    }
    return {};
}

QTextCharFormat formatAt(const QTextBlock& block, int position)
{
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (fragment.position() - block.position() <= position
            && position < fragment.position() - block.position() + fragment.length()) {
            return fragment.charFormat();
        }
    }
    return {};
}

} // namespace

class TestNoteCorpus : public QObject
{
    Q_OBJECT

private slots:
    void init() { clearErrorLog(); }
    void readsFieldForField_data();
    void readsFieldForField();
    void richEdit1Formats();
    void richEdit2Formats();
};

void TestNoteCorpus::readsFieldForField_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("expectedFields");
    QTest::addColumn<QStringList>("expectedText");

    QTest::newRow("rich edit 1.0") << "legacy-one-note-richedit1.not"
                                   << QStringList {"yellow|12/6/2026 3:04:05 PM|2085,2325,4000,3000"}
                                   << QStringList {"Call the dentist at 9\ncaf\u00e9 \u20ac 5"};
    QTest::newRow("rich edit 2.0") << "legacy-one-note-richedit2.not"
                                   << QStringList {"16763955|12/6/2026 9:15:00 AM|2865,3345,120,60"}
                                   << QStringList {"Shopping:\n\u2022 eggs\n\u2022 bread & \"jam\" <2>\nDon't forget!"};
    QTest::newRow("appended twice") << "legacy-three-notes-appended.not"
                                    << QStringList {"yellow|12/1/2026 8:00:00 AM|2085,2325,1500,1500",
                                                    "green|12/2/2026 8:00:00 AM|2500,3000,-4500,1500",
                                                    "6275824|File: a&b.not|425,500,9000,7000"}
                                    << QStringList {"first note", "second note", "third note"};
    QTest::newRow("main note file in Windows-1252") << "legacy-main-note-file.dat"
                                                    << QStringList {"red|File: r\u00e9sum\u00e9.not|2085,2325,300,300",
                                                                    "purple|06/12/2026 15:04:05|2085,2325,600,600"}
                                                    << QStringList {"from the log-off", "second window"};
}

void TestNoteCorpus::readsFieldForField()
{
    QFETCH(QString, file);
    QFETCH(QStringList, expectedFields);
    QFETCH(QStringList, expectedText);

    REQUIRE_TEST_DATA(corpusFile(file));
    const NoteList notes = loadNoteFile(corpusFile(file));
    QStringList actualFields;
    QStringList actualText;
    for (const NoteRecord& note : notes) {
        actualFields << fields(note);
        actualText << plainText(note);
        QCOMPARE(note.fileName, corpusFile(file));
        QVERIFY(note.reminder.isEmpty());
    }
    QCOMPARE(actualFields, expectedFields);
    QCOMPARE(actualText, expectedText);
    QVERIFY(errorLogLines().isEmpty());
}

void TestNoteCorpus::richEdit1Formats()
{
    REQUIRE_TEST_DATA(corpusFile(QStringLiteral("legacy-one-note-richedit1.not")));
    const NoteList notes = loadNoteFile(corpusFile(QStringLiteral("legacy-one-note-richedit1.not")));
    QCOMPARE(notes.size(), 1);
    QTextDocument doc;
    QVERIFY(readRtf(notes.first().data.toLatin1(), &doc));
    const QTextBlock first = blockWithText(doc, QStringLiteral("Call the dentist at 9"));
    QVERIFY(first.isValid());
    QVERIFY(!formatAt(first, 0).font().bold());
    QVERIFY(formatAt(first, 9).font().bold());   // "dentist"
    QVERIFY(!formatAt(first, 17).font().bold()); // " at 9"
    const QTextBlock second = blockWithText(doc, QStringLiteral("caf\u00e9 \u20ac 5"));
    QVERIFY(second.isValid());
    QCOMPARE(formatAt(second, 0).foreground().color(), QColor(0, 0, 255));
}

void TestNoteCorpus::richEdit2Formats()
{
    REQUIRE_TEST_DATA(corpusFile(QStringLiteral("legacy-one-note-richedit2.not")));
    const NoteList notes = loadNoteFile(corpusFile(QStringLiteral("legacy-one-note-richedit2.not")));
    QCOMPARE(notes.size(), 1);
    QTextDocument doc;
    QVERIFY(readRtf(notes.first().data.toLatin1(), &doc));
    for (const QString& item : {QStringLiteral("eggs"), QStringLiteral("bread & \"jam\" <2>")}) {
        const QTextBlock block = blockWithText(doc, item);
        QVERIFY2(block.isValid() && block.textList(), qPrintable(item));
        QCOMPARE(block.textList()->format().style(), QTextListFormat::ListDisc);
    }
    const QTextBlock last = blockWithText(doc, QStringLiteral("Don't forget!"));
    QVERIFY(last.isValid());
    QVERIFY(!last.textList());
    QVERIFY(last.blockFormat().alignment() & Qt::AlignHCenter);
    const QTextCharFormat format = formatAt(last, 0);
    QVERIFY(format.font().bold() && format.font().italic());
    QCOMPARE(format.foreground().color(), QColor(255, 0, 0));
}

QTEST_GUILESS_MAIN(TestNoteCorpus)
#include "tst_notecorpus.moc"
