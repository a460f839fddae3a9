// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// Three versions of a note's text merged, and a version applied to a document in place. Documents are written in a
// small shorthand: one line a paragraph, *bold*, "[ ] "/"[x] " for check items and #name# for a picture.
#include "note/checklist.h"
#include "note/textmerge.h"
#include "rtf/pictures.h"
#include "rtf/reader.h"
#include "rtf/writer.h"

#include <QHash>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

using namespace jotlet;

namespace {

QHash<QByteArray, QString> g_pictureNames; // a picture's stored bytes -> its name in the shorthand

void insertNamedPicture(QTextCursor& cursor, const QString& name)
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(QColor(name));
    const StoredPicture stored = pictureForStorage(image, false);
    g_pictureNames.insert(stored.data, name);
    insertPicture(cursor, image, QSize(8, 8), stored);
}

void fillDocument(QTextDocument* doc, const QString& shorthand)
{
    QTextCursor cursor(doc);
    const QStringList lines = shorthand.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines.at(i);
        if (i > 0) {
            cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
        }
        const bool item = line.startsWith(QLatin1String("[ ] ")) || line.startsWith(QLatin1String("[x] "));
        const bool ticked = line.startsWith(QLatin1String("[x] "));
        if (item) {
            line = line.mid(4);
        }
        static const QRegularExpression pieces(QStringLiteral("\\*([^*]+)\\*|#([a-z]+)#|([^*#]+)"));
        for (const QRegularExpressionMatch& piece : pieces.globalMatch(line)) {
            if (!piece.captured(2).isEmpty()) {
                insertNamedPicture(cursor, piece.captured(2));
                continue;
            }
            QTextCharFormat format;
            format.setFontWeight(piece.captured(1).isEmpty() ? QFont::Normal : QFont::Bold);
            cursor.insertText(piece.captured(1) + piece.captured(3), format);
        }
        if (item) {
            QTextCursor itemCursor(cursor.block());
            toggleChecklist(itemCursor);
            if (ticked) {
                toggleCheckItem(cursor.block());
            }
        }
    }
}

QString shorthandOf(const QTextDocument& doc)
{
    QStringList lines;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        QString line;
        if (isCheckItem(block)) {
            line = block.blockFormat().marker() == QTextBlockFormat::MarkerType::Checked ? QStringLiteral("[x] ")
                                                                                         : QStringLiteral("[ ] ");
        }
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isImageFormat()) {
                line += QLatin1Char('#')
                        + g_pictureNames.value(storedPicture(doc, format.toImageFormat()).data, QStringLiteral("?"))
                        + QLatin1Char('#');
            } else if (format.fontWeight() == QFont::Bold) {
                line += QLatin1Char('*') + it.fragment().text() + QLatin1Char('*');
            } else {
                line += it.fragment().text();
            }
        }
        lines << line;
    }
    return lines.join(QLatin1Char('\n'));
}

// The merge as the notes folder does it: through RTF, as the versions are stored.
QString merged(const QString& base, const QString& ours, const QString& theirs)
{
    QTextDocument docs[3];
    const QString texts[3] = {base, ours, theirs};
    QByteArray rtf[3];
    for (int i = 0; i < 3; ++i) {
        fillDocument(&docs[i], texts[i]);
        rtf[i] = writeRtf(docs[i]);
    }
    const std::optional<QByteArray> result = mergeRtf(rtf[0], rtf[1], rtf[2]);
    if (!result) {
        return QStringLiteral("CONFLICT");
    }
    QTextDocument out;
    readRtf(*result, &out);
    return shorthandOf(out);
}

} // namespace

class TestTextMerge : public QObject
{
    Q_OBJECT

private slots:
    void merges_data();
    void merges();
    void mergesRtfFromOtherWriters();
    void appliesInPlace_data();
    void appliesInPlace();
    void randomEditsKeepEveryWord();
};

void TestTextMerge::merges_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("ours");
    QTest::addColumn<QString>("theirs");
    QTest::addColumn<QString>("expected");
    QTest::newRow("disjoint paragraphs") << "a\nb\nc"
                                         << "A\nb\nc"
                                         << "a\nb\nC"
                                         << "A\nb\nC";
    QTest::newRow("one side only") << "a\nb"
                                   << "a\nb"
                                   << "a\nb\nc"
                                   << "a\nb\nc";
    QTest::newRow("the same change on both") << "buy milk"
                                             << "buy oat milk"
                                             << "buy oat milk"
                                             << "buy oat milk";
    QTest::newRow("one paragraph, different words") << "buy milk and eggs"
                                                    << "buy oat milk and eggs"
                                                    << "buy milk and brown eggs"
                                                    << "buy oat milk and brown eggs";
    QTest::newRow("one paragraph, the same word") << "buy milk"
                                                  << "buy cheese"
                                                  << "buy bread"
                                                  << "CONFLICT";
    QTest::newRow("both typed at the end of a paragraph") << "call mum"
                                                          << "call mum at six"
                                                          << "call mum tomorrow"
                                                          << "call mum at six tomorrow";
    QTest::newRow("paragraphs added at the start and the end") << "b"
                                                               << "a\nb"
                                                               << "b\nc"
                                                               << "a\nb\nc";
    QTest::newRow("both added paragraphs at the end") << "a"
                                                      << "a\ny"
                                                      << "a\nx"
                                                      << "a\nx\ny";
    QTest::newRow("deleted here, changed there") << "a\nb\nc"
                                                 << "a\nc"
                                                 << "a\nB\nc"
                                                 << "CONFLICT";
    QTest::newRow("deleted on both") << "a\nb\nc"
                                     << "a\nc"
                                     << "a\nc"
                                     << "a\nc";
    QTest::newRow("last paragraph deleted, first changed") << "a\nb"
                                                           << "A\nb"
                                                           << "a"
                                                           << "A";
    QTest::newRow("first paragraph deleted, last changed") << "a\nb\nc"
                                                           << "b\nc"
                                                           << "a\nb\nC"
                                                           << "b\nC";
    QTest::newRow("formatting here, words there") << "buy milk today"
                                                  << "buy *milk* today"
                                                  << "buy milk tomorrow"
                                                  << "buy *milk* tomorrow";
    QTest::newRow("formatting on both sides") << "milk and eggs"
                                              << "*milk* and eggs"
                                              << "milk and *eggs*"
                                              << "*milk* and *eggs*";
    QTest::newRow("all made bold here, words added there") << "milk and eggs "
                                                           << "*milk and eggs *"
                                                           << "milk and eggs  bread"
                                                           << "*milk and eggs * bread";
    QTest::newRow("bold and a change in one word") << "milk and eggs"
                                                   << "*milk* and eggs"
                                                   << "oat milk and eggs"
                                                   << "oat *milk* and eggs";
    QTest::newRow("check items ticked and added") << "[ ] milk\n[ ] eggs"
                                                  << "[x] milk\n[ ] eggs"
                                                  << "[ ] milk\n[ ] eggs\n[ ] bread"
                                                  << "[x] milk\n[ ] eggs\n[ ] bread";
    QTest::newRow("check items ticked on both") << "[ ] milk\n[ ] eggs"
                                                << "[x] milk\n[ ] eggs"
                                                << "[ ] milk\n[x] eggs"
                                                << "[x] milk\n[x] eggs";
    QTest::newRow("pictures kept") << "see #red#\nnotes"
                                   << "see #red# here\nnotes"
                                   << "see #red#\nmore notes"
                                   << "see #red# here\nmore notes";
    QTest::newRow("one picture replaced twice") << "#red#"
                                                << "#blue#"
                                                << "#green#"
                                                << "CONFLICT";
}

void TestTextMerge::merges()
{
    QFETCH(QString, base);
    QFETCH(QString, ours);
    QFETCH(QString, theirs);
    QFETCH(QString, expected);
    QCOMPARE(merged(base, ours, theirs), expected);
    // The two computers merging the same versions write the same text.
    QCOMPARE(merged(base, theirs, ours), expected);
}

void TestTextMerge::mergesRtfFromOtherWriters()
{
    // The same text written with CR LF line ends and accents as code-page bytes, against a version from this
    // program with Unicode escapes: only the real change counts.
    const QByteArray base = "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Arial;}}\r\n\\f0\\fs20 caf\\'e9 au lait\\par\r\n"
                            "second line\\par\r\n}";
    QTextDocument ours;
    readRtf(base, &ours);
    QTextCursor(ours.findBlockByNumber(1)).insertText(QStringLiteral("my "));
    const QByteArray theirs
        = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\n\\f0\\fs20 caf\\u233? au lait, hot\\par\nsecond line\\par\n}";
    const std::optional<QByteArray> result = mergeRtf(base, writeRtf(ours), theirs);
    QVERIFY(result);
    QCOMPARE(rtfToPlainText(*result).trimmed(), QStringLiteral("café au lait, hot\nmy second line"));
}

void TestTextMerge::appliesInPlace_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("expected");
    QTest::newRow("words added after the caret") << "hello world" << 5 << "hello big world" << 5;
    QTest::newRow("words added before the caret") << "hello world" << 11 << "say hello world" << 15;
    QTest::newRow("a paragraph added above") << "a\nb\nc" << 4 << "a\nX\nb\nc" << 6;
    QTest::newRow("the caret's paragraph deleted") << "a\nb\nc" << 3 << "a\nc" << 2;
    QTest::newRow("a word deleted before the caret") << "one two three" << 13 << "one three" << 9;
    QTest::newRow("a picture added before the caret") << "see notes" << 9 << "see #red# notes" << 11;
    QTest::newRow("formatting elsewhere") << "milk\neggs" << 7 << "*milk*\neggs" << 7;
    QTest::newRow("a check item ticked above") << "[ ] milk\n[ ] eggs" << 7 << "[x] milk\n[ ] eggs" << 7;
    QTest::newRow("the first paragraph replaced") << "a\nb" << 3 << "A A\nb" << 5;
}

void TestTextMerge::appliesInPlace()
{
    QFETCH(QString, before);
    QFETCH(int, caret);
    QFETCH(QString, after);
    QFETCH(int, expected);
    QTextDocument doc;
    fillDocument(&doc, before);
    QTextDocument target;
    fillDocument(&target, after);
    QTextCursor cursor(&doc);
    cursor.setPosition(caret);
    applyTextModel(&doc, textModel(target));
    QCOMPARE(shorthandOf(doc), after);
    QVERIFY(textModel(doc) == textModel(target));
    QCOMPARE(writeRtf(doc), writeRtf(target));
    QCOMPARE(cursor.position(), expected);
}

namespace {

// A random edit of a shorthand text: a word or paragraph put in (new words are unique), a word removed, a check
// item ticked or bold set.
QString randomEdit(const QString& text, QRandomGenerator& random, int* serial)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    const int line = int(random.bounded(lines.size()));
    QStringList words = lines[line].split(QLatin1Char(' '));
    switch (random.bounded(5)) {
    case 0:
        words.insert(int(random.bounded(words.size() + 1)), QStringLiteral("w%1").arg(++*serial));
        break;
    case 1:
        lines.insert(int(random.bounded(lines.size() + 1)), QStringLiteral("p%1 line").arg(++*serial));
        return lines.join(QLatin1Char('\n'));
    case 2:
        if (words.size() > 1) {
            words.removeAt(int(random.bounded(words.size())));
        }
        break;
    case 3:
        if (lines[line].startsWith(QLatin1String("[ ] "))) {
            lines[line].replace(0, 3, QStringLiteral("[x]"));
            return lines.join(QLatin1Char('\n'));
        }
        break;
    default:
        if (!words.last().startsWith(QLatin1Char('*')) && !words.last().startsWith(QLatin1Char('['))) {
            words.last() = QLatin1Char('*') + words.last() + QLatin1Char('*');
        }
    }
    lines[line] = words.join(QLatin1Char(' '));
    return lines.join(QLatin1Char('\n'));
}

QSet<QString> wordsOf(const QString& text)
{
    QSet<QString> words;
    static const QRegularExpression word(QStringLiteral("[wp]\\d+"));
    for (const QRegularExpressionMatch& match : word.globalMatch(text)) {
        words.insert(match.captured());
    }
    return words;
}

} // namespace

void TestTextMerge::randomEditsKeepEveryWord()
{
    QRandomGenerator random(20261208);
    int serial = 0;
    int clean = 0;
    for (int round = 0; round < 300; ++round) {
        const QString base = QStringLiteral("[ ] milk and eggs\nfirst line here\n[ ] bread\nlast words of it");
        QString ours = base;
        QString theirs = base;
        for (int i = int(random.bounded(1, 4)); i > 0; --i) {
            ours = randomEdit(ours, random, &serial);
            theirs = randomEdit(theirs, random, &serial);
        }
        // Applied in place, a version becomes exactly that version.
        QTextDocument doc;
        fillDocument(&doc, ours);
        QTextDocument target;
        fillDocument(&target, theirs);
        applyTextModel(&doc, textModel(target));
        QVERIFY2(textModel(doc) == textModel(target), qPrintable(ours + QStringLiteral(" -> ") + theirs));
        // Merged, the words either side put in are all there, the same whichever side merges.
        const QString result = merged(base, ours, theirs);
        QCOMPARE(merged(base, theirs, ours), result);
        if (result == QLatin1String("CONFLICT")) {
            continue;
        }
        ++clean;
        const QSet<QString> words = wordsOf(result);
        QSet<QString> added = wordsOf(ours) + wordsOf(theirs);
        const QString cases = QStringList({base, ours, theirs, result}).join(QStringLiteral("\n---\n"));
        QVERIFY2(added == words, qPrintable(cases));
    }
    QVERIFY2(clean > 150, qPrintable(QString::number(clean))); // most random edits do not touch the same words
}

QTEST_GUILESS_MAIN(TestTextMerge)
#include "tst_textmerge.moc"
