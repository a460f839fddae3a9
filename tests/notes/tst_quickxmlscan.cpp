// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// The quick scan may answer "unsure" whenever it likes, but "well-formed" only for a document Qt's parser accepts,
// and then with the same end of the root element. A well-formed file read without its notes' texts, which are put
// back afterwards, gives the notes the parser gives.
#include "notes/datatexts.h"
#include "notes/notefile.h"
#include "notes/quickxmlscan.h"
#include "support/codepage.h"

#include <QDomDocument>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>
#include <QXmlStreamReader>

using namespace jotlet;

namespace {

// The root's end as the full parser finds it: -1 when the document is not well-formed.
qsizetype parserRootEnd(const QByteArray& bytes)
{
    QXmlStreamReader reader(bytes);
    int depth = 0;
    qsizetype end = -1;
    while (!reader.atEnd()) {
        const auto token = reader.readNext();
        if (token == QXmlStreamReader::StartElement) {
            ++depth;
        } else if (token == QXmlStreamReader::EndElement && --depth == 0) {
            const qsizetype after = qsizetype(reader.characterOffset());
            end = bytes.mid(after - 2, 2) == "/>" ? after - 2 : bytes.lastIndexOf("</", after - 1);
        }
    }
    return reader.hasError() ? -1 : end;
}

const QByteArray kNoteFile = "<?xml version=\"1.0\" standalone=\"yes\"?>\r\n<NOTES version=\"1.0.0.1\">\r\n<NOTE>\r\n"
                             "<COLOR>yellow</COLOR>\r\n<DATA>{\\rtf1\\ansi caf\\&apos;e9 &amp; &lt;b&gt; &#233;&#x20AC;"
                             "\\par\r\n}</DATA>\r\n<TIMEDATE>12/6/2026</TIMEDATE>\r\n<HEIGHT>2085</HEIGHT>\r\n"
                             "</NOTE><!-- kept --><NOTE><![CDATA[<raw> & ]]></NOTE>\r\n</NOTES>\r\n";

// A note file without comments or CDATA, whose texts are taken out before it is parsed.
const QByteArray kPlainNoteFile
    = "<?xml version=\"1.0\" standalone=\"yes\"?>\r\n<NOTES version=\"1.0.0.1\">\r\n<NOTE>\r\n<COLOR>yellow</COLOR>\r\n"
      "<DATA>{\\rtf1 caf\\'e9 &amp; &lt;b&gt; &#233;&#x1F600;&#13;\r\nline\rend\\par\r\n}</DATA>\r\n"
      "<HEIGHT>2085</HEIGHT>\r\n</NOTE>\r\n<NOTE><DATA> \r\n\t</DATA><DATAX>x</DATAX></NOTE>\r\n</NOTES>\r\n";

// The notes' texts as the parser reads the whole file; "failed" when it does not.
QStringList parserTexts(const QByteArray& bytes)
{
    QDomDocument document;
    NoteList notes;
    NoteFileError error;
    if (!parseNoteDocument(decodeNoteFileBytes(bytes), &document, &error)
        || !processNoteDocument(document, QStringLiteral("n.not"), &notes, &error)) {
        return {QStringLiteral("failed")};
    }
    QStringList texts;
    for (const NoteRecord& note : notes) {
        texts << note.data;
    }
    return texts;
}

QStringList readTexts(const QByteArray& bytes)
{
    NoteList notes;
    NoteFileError error;
    if (!readNoteFileContent(bytes, QStringLiteral("n.not"), &notes, &error)) {
        return {QStringLiteral("failed")};
    }
    QStringList texts;
    for (const NoteRecord& note : notes) {
        texts << note.data;
    }
    return texts;
}

} // namespace

class TestQuickXmlScan : public QObject
{
    Q_OBJECT

private slots:
    void documents_data();
    void documents();
    void mutationsNeverFoolIt();
    void textsTakenOutReadAsTheParserReads_data();
    void textsTakenOutReadAsTheParserReads();
    void textsTakenOutOfDamagedFiles();
};

void TestQuickXmlScan::documents_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("wellFormed"); // what the quick scan answers
    QTest::newRow("a note file") << kNoteFile << true;
    QTest::newRow("no declaration, empty root") << QByteArray("<NOTES/>") << true;
    QTest::newRow("byte order mark") << ("\xEF\xBB\xBF" + kNoteFile) << true;
    QTest::newRow("single-quoted attributes") << QByteArray("<NOTES a='1' b=\"2\"><NOTE/></NOTES>") << true;
    QTest::newRow("comment after the root") << (kNoteFile + "<!-- end -->\r\n") << true;
    QTest::newRow("unclosed root") << kNoteFile.left(kNoteFile.size() - 10) << false;
    QTest::newRow("mismatched end tag") << QByteArray("<NOTES><NOTE></NOTES></NOTE>") << false;
    QTest::newRow("two roots") << QByteArray("<NOTES/><NOTES/>") << false;
    QTest::newRow("text outside the root") << QByteArray("hello<NOTES/>") << false;
    QTest::newRow("duplicate attribute") << QByteArray("<NOTES a=\"1\" a=\"2\"/>") << false;
    QTest::newRow("attributes run together") << QByteArray("<NOTES a=\"1\"b=\"2\"/>") << false;
    QTest::newRow("'<' in an attribute") << QByteArray("<NOTES a=\"<\"/>") << false;
    QTest::newRow("undeclared entity") << QByteArray("<NOTES>&nbsp;</NOTES>") << false;
    QTest::newRow("reference to NUL") << QByteArray("<NOTES>&#0;</NOTES>") << false;
    QTest::newRow("control character") << QByteArray("<NOTES>a\x01</NOTES>") << false;
    QTest::newRow("U+FFFE") << QByteArray("<NOTES>\xEF\xBF\xBE</NOTES>") << false;
    QTest::newRow("]]> in text") << QByteArray("<NOTES>a]]>b</NOTES>") << false;
    QTest::newRow("-- in a comment") << QByteArray("<NOTES><!-- a -- b --></NOTES>") << false;
    QTest::newRow("document type: left to the parser") << QByteArray("<!DOCTYPE NOTES><NOTES/>") << false;
    QTest::newRow("processing instruction: left to the parser") << QByteArray("<NOTES><?pi x?></NOTES>") << false;
    QTest::newRow("another encoding: left to the parser")
        << QByteArray("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><NOTES/>") << false;
    QTest::newRow("prefixed name: left to the parser") << QByteArray("<a:NOTES xmlns:a=\"u\"/>") << false;
}

void TestQuickXmlScan::documents()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, wellFormed);
    const QuickXmlScan scan = quickScanXml(bytes);
    QCOMPARE(scan.wellFormed, wellFormed);
    if (scan.wellFormed) {
        QCOMPARE(scan.rootEnd, parserRootEnd(bytes));
    }
}

void TestQuickXmlScan::mutationsNeverFoolIt()
{
    // Thousands of damaged copies of a note file: one to three bytes changed, removed or doubled each.
    QRandomGenerator random(20261207);
    const QByteArray alphabet("<>/&;#x!-[]?=\"' \r\n\t\x01\xEF\xBF\xBE"
                              "aZ09");
    int quickAnswers = 0;
    for (int round = 0; round < 20000; ++round) {
        QByteArray bytes = kNoteFile;
        const int edits = 1 + random.bounded(3);
        for (int e = 0; e < edits; ++e) {
            const int at = random.bounded(bytes.size());
            switch (random.bounded(3)) {
            case 0:
                bytes[at] = alphabet.at(random.bounded(alphabet.size()));
                break;
            case 1:
                bytes.remove(at, 1 + random.bounded(4));
                break;
            default:
                bytes.insert(at, bytes.mid(at, 1 + random.bounded(4)));
                break;
            }
        }
        if (!isValidUtf8(bytes)) {
            continue; // the quick scan is only ever given UTF-8
        }
        const QuickXmlScan scan = quickScanXml(bytes);
        if (scan.wellFormed) {
            ++quickAnswers;
            QVERIFY2(parserRootEnd(bytes) == scan.rootEnd, bytes.toPercentEncoding().constData());
        }
    }
    QVERIFY(quickAnswers > 100); // it does answer for harmless changes
}

void TestQuickXmlScan::textsTakenOutReadAsTheParserReads_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("taken"); // whether the texts are taken out, or the parser reads the file whole
    const auto file = [](const QByteArray& notes) { return "<NOTES>\r\n" + notes + "\r\n</NOTES>\r\n"; };
    QTest::newRow("line ends, references, white space only, DATAX") << kPlainNoteFile << true;
    QTest::newRow("a reference to a space only") << file("<NOTE><DATA>&#32;&#x9;</DATA></NOTE>") << true;
    QTest::newRow("empty") << file("<NOTE><DATA></DATA></NOTE>") << true;
    QTest::newRow("DATA deeper down") << file("<NOTE><X><DATA>a</DATA></X><DATA>b</DATA></NOTE>") << true;
    QTest::newRow("written <DATA/>") << file("<NOTE><DATA/></NOTE>") << false;
    QTest::newRow("DATA with an attribute") << file("<NOTE><DATA a=\"1\">a</DATA></NOTE>") << false;
    QTest::newRow("<DATA> in a comment") << file("<NOTE><!-- <DATA>x</DATA> --><DATA>a</DATA></NOTE>") << false;
    QTest::newRow("CDATA in DATA") << file("<NOTE><DATA><![CDATA[<b>]]></DATA></NOTE>") << false;
    QTest::newRow("not well-formed") << file("<NOTE><DATA>a &nbsp;</DATA></NOTE>") << false;
}

void TestQuickXmlScan::textsTakenOutReadAsTheParserReads()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, taken);
    QCOMPARE(quickScanXml(bytes).wellFormed && takeDataTexts(decodeNoteFileBytes(bytes)).has_value(), taken);
    QCOMPARE(readTexts(bytes), parserTexts(bytes));
}

void TestQuickXmlScan::textsTakenOutOfDamagedFiles()
{
    QRandomGenerator random(20261209);
    const QByteArray alphabet("<>/&;#x!-[]?=\"' \r\n\tDAT\x01");
    int taken = 0;
    for (int round = 0; round < 5000; ++round) {
        QByteArray bytes = kPlainNoteFile;
        for (int e = 1 + random.bounded(3); e > 0; --e) {
            const int at = random.bounded(bytes.size());
            if (random.bounded(2) == 0) {
                bytes[at] = alphabet.at(random.bounded(alphabet.size()));
            } else {
                bytes.remove(at, 1 + random.bounded(4));
            }
        }
        taken += quickScanXml(bytes).wellFormed && takeDataTexts(decodeNoteFileBytes(bytes)).has_value();
        QVERIFY2(readTexts(bytes) == parserTexts(bytes), bytes.toPercentEncoding().constData());
    }
    QVERIFY(taken > 100);
}

QTEST_GUILESS_MAIN(TestQuickXmlScan)
#include "tst_quickxmlscan.moc"
