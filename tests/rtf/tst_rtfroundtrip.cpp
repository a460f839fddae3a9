// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "rtf/format.h"
#include "rtf/reader.h"
#include "rtf/writer.h"
#include "rtfsignature.h"

#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

using namespace jotlet;

namespace {

void insert(QTextCursor& cursor, const QString& text, const std::function<void(QTextCharFormat&)>& change)
{
    QTextCharFormat format;
    change(format);
    cursor.insertText(text, format);
}

void newParagraph(QTextCursor& cursor, Qt::Alignment align = Qt::AlignLeft, int liTwips = 0, int fiTwips = 0)
{
    QTextBlockFormat block;
    block.setAlignment(align);
    block.setLeftMargin(liTwips / kTwipsPerPixel);
    block.setTextIndent(fiTwips / kTwipsPerPixel);
    cursor.insertBlock(block);
}

// A note using everything the program lets a user set.
void buildNote(QTextDocument& doc)
{
    doc.setDefaultFont(QFont(QStringLiteral("Comic Sans MS"), 10));
    QTextCursor c(&doc);
    insert(c, QStringLiteral("plain "), [](QTextCharFormat&) {});
    insert(c, QStringLiteral("bold "), [](QTextCharFormat& f) { f.setFontWeight(QFont::Bold); });
    insert(c, QStringLiteral("italic "), [](QTextCharFormat& f) { f.setFontItalic(true); });
    insert(c, QStringLiteral("under "), [](QTextCharFormat& f) { f.setFontUnderline(true); });
    insert(c, QStringLiteral("struck "), [](QTextCharFormat& f) { f.setFontStrikeOut(true); });
    insert(c, QStringLiteral("all"), [](QTextCharFormat& f) {
        f.setFontWeight(QFont::Bold);
        f.setFontItalic(true);
        f.setFontUnderline(true);
        f.setFontStrikeOut(true);
    });
    newParagraph(c, Qt::AlignHCenter);
    insert(c, QStringLiteral("big red"), [](QTextCharFormat& f) {
        f.setFontPointSize(24);
        f.setForeground(QColor(200, 10, 30));
    });
    insert(c, QStringLiteral(" small"), [](QTextCharFormat& f) { f.setFontPointSize(7.5); });
    insert(c, QStringLiteral(" marked"), [](QTextCharFormat& f) { f.setBackground(QColor(255, 255, 0)); });
    newParagraph(c, Qt::AlignRight);
    insert(c, QStringLiteral("Verdana {braces} \\ back"), [](QTextCharFormat& f) {
        f.setFontFamilies(QStringList {QStringLiteral("Verdana")});
    });
    newParagraph(c, Qt::AlignJustify, 1440, -360);
    insert(c,
           QString::fromUtf8("Ünïcödé € “quotes” – Ελληνικά Русский 日本語 😀\ttab\u2028soft break"),
           [](QTextCharFormat&) {});
    newParagraph(c);
    newParagraph(c); // two empty paragraphs
    newParagraph(c);
    insert(
        c, QStringLiteral("x"), [](QTextCharFormat& f) { f.setVerticalAlignment(QTextCharFormat::AlignSuperScript); });
    newParagraph(c);
    QTextListFormat bullets;
    bullets.setStyle(QTextListFormat::ListDisc);
    c.createList(bullets);
    c.insertText(QStringLiteral("first bullet"));
    c.insertBlock();
    c.insertText(QStringLiteral("second bullet"));
    newParagraph(c);
    QTextListFormat numbers;
    numbers.setStyle(QTextListFormat::ListDecimal);
    c.createList(numbers);
    c.insertText(QStringLiteral("numbered"));
    newParagraph(c, Qt::AlignLeft, 720);
    c.insertText(QStringLiteral("indented last"));
}

// Writes the document as RTF and reads that into read, with the same default font.
bool writeAndReadBack(const QTextDocument& original, QTextDocument* read)
{
    read->setDefaultFont(original.defaultFont());
    return readRtf(writeRtf(original), read);
}

} // namespace

class TestRtfRoundTrip : public QObject
{
    Q_OBJECT

private slots:
    void everyAttributeSurvives();
    void writingIsStable();
    void writerOutputShape();
    void emptyDocument();
};

void TestRtfRoundTrip::everyAttributeSurvives()
{
    QTextDocument original;
    buildNote(original);
    QTextDocument read;
    QVERIFY(writeAndReadBack(original, &read));
    QCOMPARE(read.blockCount(), original.blockCount());
    QCOMPARE(read.toPlainText(), original.toPlainText());
    const QStringList expected = documentSignature(original);
    const QStringList actual = documentSignature(read);
    for (int i = 0; i < qMin(expected.size(), actual.size()); ++i) {
        QCOMPARE(actual.at(i), expected.at(i));
    }
    QCOMPARE(actual.size(), expected.size());
}

void TestRtfRoundTrip::writingIsStable()
{
    QTextDocument original;
    buildNote(original);
    QTextDocument read;
    QVERIFY(writeAndReadBack(original, &read));
    QCOMPARE(writeRtf(read), writeRtf(original));
}

void TestRtfRoundTrip::writerOutputShape()
{
    QTextDocument original;
    buildNote(original);
    const QByteArray rtf = writeRtf(original);
    QVERIFY(rtf.startsWith(
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fnil\\fcharset0 Comic Sans MS;}"));
    QVERIFY(rtf.contains("\\viewkind4\\uc1\\pard"));
    QVERIFY(rtf.endsWith("\\par\r\n}\r\n"));
    for (const char byte : rtf) {
        QVERIFY2(static_cast<unsigned char>(byte) < 0x80, "the writer emits 7-bit text only");
    }
    QVERIFY(rtf.contains("\\'dc"));               // Ü in Windows-1252
    QVERIFY(rtf.contains("\\'80"));               // €
    QVERIFY(rtf.contains("\\u-10179?\\u-8704?")); // 😀 as a surrogate pair
    QVERIFY(rtf.contains("{\\pntext\\f"));
    QVERIFY(rtf.contains("{\\*\\pn\\pnlvlblt"));
    QVERIFY(rtf.contains("\\fcharset2 Symbol;"));
    QVERIFY(rtf.contains("\\{braces\\} \\\\ back"));
    QVERIFY(!rtf.contains('\n') || rtf.count("\r\n") == rtf.count('\n'));
}

void TestRtfRoundTrip::emptyDocument()
{
    QTextDocument empty;
    const QByteArray rtf = writeRtf(empty);
    QTextDocument read;
    QVERIFY(readRtf(rtf, &read));
    QCOMPARE(read.blockCount(), 1);
    QVERIFY(read.toPlainText().isEmpty());
}

QTEST_MAIN(TestRtfRoundTrip)
#include "tst_rtfroundtrip.moc"
