// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "rtf/format.h"
#include "rtf/reader.h"
#include "rtf/writer.h"
#include "testdata.h"

#include <QDir>
#include <QFile>

#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

using namespace jotlet;

namespace {

QTextCharFormat formatAt(QTextDocument& doc, const QString& text)
{
    QTextCursor found = doc.find(text);
    if (found.isNull()) {
        return {};
    }
    QTextCursor at(&doc);
    at.setPosition(found.selectionStart() + 1);
    return at.charFormat();
}

} // namespace

class TestRtfReader : public QObject
{
    Q_OBJECT

private slots:
    void plainText_data();
    void plainText();
    void characterFormats();
    void paragraphFormats();
    void bulletsAndNumbers();
    void hostileInput_data();
    void hostileInput();
    void oversizedInputIsRefused();
    void fuzzFindingsReplay();
};

void TestRtfReader::plainText_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");
    const QByteArray head = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}}\r\n";

    QTest::newRow("final par adds no paragraph") << head + "\\pard one\\par\r\ntwo\\par\r\n}\r\n"
                                                 << "one\ntwo";
    QTest::newRow("empty paragraph kept") << head + "one\\par\\par three\\par}"
                                          << "one\n\nthree";
    QTest::newRow("leading empty paragraph") << head + "\\par one\\par}"
                                             << "\none";
    QTest::newRow("no final par") << head + "one}"
                                  << "one";
    QTest::newRow("line is not par") << head + "a\\line b\\par}"
                                     << "a\nb";
    QTest::newRow("backslash newline is par") << head + "a\\\r\nb}"
                                              << "a\nb";
    QTest::newRow("cr lf ignored") << head + "a\r\nb\rc\nd}"
                                   << "abcd";
    QTest::newRow("nul after the end") << head + "x\\par\r\n}\r\n" + QByteArray(1, '\0') << "x";
    QTest::newRow("garbage after the end") << head + "x}trailing {\\b junk}"
                                           << "x";
    QTest::newRow("stray closing brace") << head + "a}}b"
                                         << "a";
    QTest::newRow("missing closing brace") << head + "a\\par b"
                                           << "a\nb";
    QTest::newRow("stray bytes before") << QByteArray("\xEF\xBB\xBF") + head + "ok}"
                                        << "ok";
    QTest::newRow("escapes") << head + "\\\\ \\{ \\} \\tab x\\~y}" << QString::fromUtf8("\\ { } \tx\u00A0y");
    QTest::newRow("typographic keywords")
        << head + "\\lquote a\\rquote  \\ldblquote b\\rdblquote \\endash\\emdash\\bullet}"
        << QString::fromUtf8("‘a’ “b”–—•");
    QTest::newRow("word ends at non-letter") << head + "\\cf0\\highlight0Normal}"
                                             << "Normal";
    QTest::newRow("space delimiter eaten once") << head + "\\b  two}"
                                                << " two";
    QTest::newRow("hex in 1252") << head + "caf\\'e9 \\'80\\'96}" << QString::fromUtf8("café €–");
    QTest::newRow("unicode with fallback") << head + "\\uc1\\u233?t\\u-10179?\\u-9047?}" << QString::fromUtf8("ét💩");
    QTest::newRow("uc2 skips two") << head + "{\\uc2\\u228\\'E8a}b}" << QString::fromUtf8("äb");
    QTest::newRow("uc0 skips none") << head + "\\uc0\\u228 a}" << QString::fromUtf8("äa");
    QTest::newRow("uc scoped to group") << head + "{\\uc2\\u228 xx}\\u233?}" << QString::fromUtf8("äé");
    QTest::newRow("brace ends skip") << head + "\\uc3{\\u228}x}" << QString::fromUtf8("äx");
    QTest::newRow("control word counts as one") << head + "\\u228\\'e4z}" << QString::fromUtf8("äz");
    QTest::newRow("lone surrogate replaced") << head + "\\uc0 a\\u-10240 b}" << QString::fromUtf8("a\uFFFDb");
    QTest::newRow("font charset 1250") << QByteArray(
        "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0\\fcharset238 Calibri;}}\\f0 \\'c8\\'e1st}")
                                       << QString::fromUtf8("Část");
    QTest::newRow("ansicpg fallback") << QByteArray(
        "{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0 Arial;}}\\f0 \\'cf\\'f0}")
                                      << QString::fromUtf8("Пр");
    QTest::newRow("ansicpg0 is 1252") << QByteArray("{\\rtf1\\ansi\\ansicpg0{\\fonttbl{\\f0 Arial;}}\\f0 \\'e9}")
                                      << QString::fromUtf8("é");
    QTest::newRow("shift-jis trail 5c") << QByteArray(
        "{\\rtf1\\ansi{\\fonttbl{\\f1\\fcharset128 MS Gothic;}}\\f1 \\'94\\'5c}")
                                        << QString::fromUtf8("能");
    QTest::newRow("shift-jis raw trail") << QByteArray(
        "{\\rtf1\\ansi{\\fonttbl{\\f1\\fcharset128 MS Gothic;}}\\f1 \\'82a}")
                                         << QString::fromUtf8("Ｂ");
    QTest::newRow("symbol font") << QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f2\\fcharset2 Symbol;}}{\\f2 abg}}")
                                 << QString::fromUtf8("αβγ");
    QTest::newRow("undefined font") << head + "\\f9 still here}"
                                    << "still here";
    QTest::newRow("bin skips raw bytes") << head + QByteArray("a\\bin5 {}\\\x00\x01z}", 14) << "az";
    QTest::newRow("bin past the end") << head + "a\\bin999999999 xyz}"
                                      << "a";
    QTest::newRow("unknown starred destination") << head + "a{\\*\\unknownthing b}c}"
                                                 << "ac";
    QTest::newRow("star not at group start") << head + "{\\loch\\*\\cs7 fox}}"
                                             << "fox";
    QTest::newRow("picture skipped") << head + "a{\\pict\\wmetafile8\\picw10 0123abcdef}b}"
                                     << "ab";
    QTest::newRow("object result shown") << head + "{\\object{\\*\\objdata 0102}{\\result shown}}}"
                                         << "shown";
    QTest::newRow("field result shown")
        << head + "{\\field{\\*\\fldinst{HYPERLINK \"http://x\"}}{\\fldrslt{\\ul link}}}}"
        << "link";
    QTest::newRow("stylesheet and info skipped") << head + "{\\stylesheet{\\s0 Normal;}}{\\info{\\title T}}body}"
                                                 << "body";
    QTest::newRow("hidden text kept") << head + "a{\\v hidden}b}"
                                      << "ahiddenb";
    QTest::newRow("control characters dropped") << head + "a\\'01\\'00b}"
                                                << "ab";
    QTest::newRow("not rtf is plain text") << QByteArray("just words\nhere") << "just words\nhere";
    QTest::newRow("empty input") << QByteArray() << "";
    QTest::newRow("rtf1foobar") << QByteArray("{\\rtf1foobar}") << "foobar";
    QTest::newRow("backslash at the end") << head + "x\\"
                                          << "x";
    QTest::newRow("half hex at the end") << head + "x\\'4"
                                         << "x\x04";
}

void TestRtfReader::plainText()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    QTextDocument doc;
    QString error;
    QVERIFY2(readRtf(rtf, &doc, &error), qPrintable(error));
    text.remove(QChar(4)); // a truncated \'4 is one control character, dropped
    QCOMPARE(documentPlainTextWithMarkers(doc), text);
}

void TestRtfReader::characterFormats()
{
    const QByteArray rtf
        = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil Arial;}{\\f1\\fswiss Verdana;}}"
          "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}"
          "\\pard\\f0\\fs20 plain \\b bold\\b0  \\i italic\\i0  \\ul under\\ulnone  "
          "\\strike struck\\strike0  \\fs44 big\\fs20  \\cf1 red\\cf0  \\highlight2 marked\\highlight0  "
          "\\f1 verdana\\f0  \\super up\\nosupersub  {\\b grouped} after \\plain reset\\par}";
    QTextDocument doc;
    QVERIFY(readRtf(rtf, &doc));
    QCOMPARE(formatAt(doc, QStringLiteral("plain")).fontWeight(), int(QFont::Normal));
    QCOMPARE(formatAt(doc, QStringLiteral("bold")).fontWeight(), int(QFont::Bold));
    QVERIFY(formatAt(doc, QStringLiteral("italic")).fontItalic());
    QVERIFY(formatAt(doc, QStringLiteral("under")).fontUnderline());
    QVERIFY(formatAt(doc, QStringLiteral("struck")).fontStrikeOut());
    QCOMPARE(formatAt(doc, QStringLiteral("big")).fontPointSize(), 22.0);
    QCOMPARE(formatAt(doc, QStringLiteral("plain")).fontPointSize(), 10.0);
    QCOMPARE(formatAt(doc, QStringLiteral("red")).foreground().color(), QColor(255, 0, 0));
    QVERIFY(!formatAt(doc, QStringLiteral("plain")).hasProperty(QTextFormat::ForegroundBrush));
    QCOMPARE(formatAt(doc, QStringLiteral("marked")).background().color(), QColor(0, 0, 255));
    QCOMPARE(formatAt(doc, QStringLiteral("verdana")).fontFamilies().toStringList(), QStringList {"Verdana"});
    QCOMPARE(formatAt(doc, QStringLiteral("plain")).fontFamilies().toStringList(), QStringList {"Arial"});
    QCOMPARE(formatAt(doc, QStringLiteral("up")).verticalAlignment(), QTextCharFormat::AlignSuperScript);
    QCOMPARE(formatAt(doc, QStringLiteral("grouped")).fontWeight(), int(QFont::Bold));
    QCOMPARE(formatAt(doc, QStringLiteral("after")).fontWeight(), int(QFont::Normal));
    QVERIFY(!formatAt(doc, QStringLiteral("reset")).hasProperty(QTextFormat::FontPointSize));
}

void TestRtfReader::paragraphFormats()
{
    const QByteArray rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\pard\\qc centred\\par\\pard\\qr right\\par"
                           "\\pard\\qj\\li720\\ri360\\fi-360 justified\\par kept\\par\\pard left\\par}";
    QTextDocument doc;
    QVERIFY(readRtf(rtf, &doc));
    QCOMPARE(doc.blockCount(), 5);
    QCOMPARE(doc.findBlockByNumber(0).blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QCOMPARE(doc.findBlockByNumber(1).blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    const QTextBlockFormat justified = doc.findBlockByNumber(2).blockFormat();
    QCOMPARE(justified.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignJustify);
    QCOMPARE(justified.intProperty(RtfProperty::LeftIndentTwips), 720);
    QCOMPARE(justified.intProperty(RtfProperty::RightIndentTwips), 360);
    QCOMPARE(justified.intProperty(RtfProperty::FirstIndentTwips), -360);
    QCOMPARE(justified.leftMargin(), 48.0);
    QCOMPARE(doc.findBlockByNumber(3).blockFormat().intProperty(RtfProperty::LeftIndentTwips), 720); // no \pard
    QCOMPARE(doc.findBlockByNumber(4).blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
}

void TestRtfReader::bulletsAndNumbers()
{
    const QByteArray rtf
        = "{\\rtf1\\ansi{\\fonttbl{\\f0 Calibri;}{\\f1\\fcharset2 Symbol;}}"
          "\\pard{\\pntext\\f1\\'B7\\tab}{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0{\\pntxtb\\'B7}}\\fi-360\\li720 one\\par"
          "{\\pntext\\f1\\'B7\\tab}two\\par"
          "\\pard{\\pntext\\f0 1)\\tab}{\\*\\pn\\pnlvlbody\\pnf0\\pnstart1\\pndec{\\pntxta)}}\\fi-360\\li720 first\\par"
          "\\pard{\\pntext\\f0 fallback\\tab}shown without pn\\par}";
    QTextDocument doc;
    QVERIFY(readRtf(rtf, &doc));
    QCOMPARE(documentPlainTextWithMarkers(doc),
             QString::fromUtf8("• one\n• two\n1) first\nfallback\tshown without pn"));
    QTextList* bullets = doc.findBlockByNumber(0).textList();
    QVERIFY(bullets);
    QCOMPARE(bullets->format().style(), QTextListFormat::ListDisc);
    QCOMPARE(doc.findBlockByNumber(1).textList(), bullets);
    QVERIFY(doc.findBlockByNumber(2).textList() != bullets);
    QVERIFY(!doc.findBlockByNumber(3).textList());
}

void TestRtfReader::hostileInput_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QByteArray deep = "{\\rtf1 start";
    deep += QByteArray(200000, '{') + "inside" + QByteArray(200000, '}') + " end}";
    QTest::newRow("deep nesting") << deep;
    QTest::newRow("endless open groups") << QByteArray("{\\rtf1 ") + QByteArray(1000000, '{');
    QTest::newRow("endless closing") << QByteArray("{\\rtf1 a") + QByteArray(1000000, '}');
    QTest::newRow("huge bin") << QByteArray("{\\rtf1 a\\bin2147483647 b}");
    QTest::newRow("negative bin") << QByteArray("{\\rtf1 a\\bin-5 b}");
    QTest::newRow("huge parameters") << QByteArray(
        "{\\rtf1 \\fs99999999999999999999 \\uc99999999 \\u99999999 \\li-99999999999 x}");
    QTest::newRow("long keyword") << QByteArray("{\\rtf1 \\") + QByteArray(100000, 'a') + " x}";
    QTest::newRow("many fonts") << QByteArray("{\\rtf1{\\fonttbl") + QByteArray("{\\f2147483647 A;}").repeated(10000)
                                       + "}x}";
    QTest::newRow("many colours") << QByteArray("{\\rtf1{\\colortbl") + QByteArray("\\red999;").repeated(100000)
                                         + "}\\cf99999 x}";
    QTest::newRow("unclosed font table") << QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial;}\\f0 text forever");
    QTest::newRow("many paragraphs") << QByteArray("{\\rtf1 ") + QByteArray("\\par").repeated(100000) + "}";
    QTest::newRow("many bullets") << QByteArray("{\\rtf1 ")
                                         + QByteArray("{\\*\\pn\\pnlvlblt}x\\par\\pard").repeated(5000) + "}";
    QTest::newRow("random bytes") << QByteArray("{\\rtf1 \xff\xfe\x80\\'\\'zz\\u\\uc\\bin\\*\\*{\\*}}}");
}

void TestRtfReader::hostileInput()
{
    QFETCH(QByteArray, rtf);
    QTextDocument doc;
    QVERIFY(readRtf(rtf, &doc)); // a best-effort document, never a crash
    QVERIFY(doc.characterCount() <= rtf.size() + 1);
}

void TestRtfReader::oversizedInputIsRefused()
{
    RtfReadLimits limits;
    limits.maxInputBytes = 1024;
    QTextDocument doc;
    QString error;
    QVERIFY(!readRtf(QByteArray("{\\rtf1 ") + QByteArray(2000, 'x') + "}", &doc, &error, limits));
    QVERIFY(error.contains(QLatin1String("1024")));
    QVERIFY(doc.isEmpty());
}

// Inputs the fuzzer (fuzz/run.sh) once found troublesome, and hand-made ones like them.
void TestRtfReader::fuzzFindingsReplay()
{
    REQUIRE_TEST_DATA(testDataPath(QStringLiteral("rtf-fuzz")));
    const QDir dir(testDataPath(QStringLiteral("rtf-fuzz")));
    const QStringList files = dir.entryList(QDir::Files, QDir::Name);
    QVERIFY2(!files.isEmpty(), "tests/data/rtf-fuzz holds no inputs");
    for (const QString& name : files) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QTextDocument doc;
        QVERIFY2(readRtf(file.readAll(), &doc), qPrintable(name));
        QTextDocument again;
        QVERIFY2(readRtf(writeRtf(doc), &again), qPrintable(name));
        QCOMPARE(again.blockCount(), doc.blockCount());
    }
}

QTEST_MAIN(TestRtfReader)
#include "tst_rtfreader.moc"
