// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// Real RTF written by other programs: every file loads, the text agrees with a peer
// extraction, and rich-edit files keep their paragraphs through a load and save.
#include "rtf/reader.h"
#include "rtf/writer.h"
#include "rtfsignature.h"
#include "testdata.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QTextDocument>

using namespace jotlet;

namespace {

// The files copied into the repository, and the whole corpus beside the checkout (with files whose terms keep them
// out of the repository), when it is there.
QString ownCorpusDir()
{
    return QStringLiteral(JOTLET_TEST_DATA_DIR "/rtf-corpus");
}

QString sharedCorpusDir()
{
    return QStringLiteral(JOTLET_CORPUS_DIR "/rtf");
}

// Base names with the folder each is read from.
QList<std::pair<QString, QString>> corpusFiles()
{
    QList<std::pair<QString, QString>> files;
    QStringList seen;
    for (const QString& dir : {ownCorpusDir(), sharedCorpusDir()}) {
        for (const QString& name : QDir(dir).entryList({QStringLiteral("*.rtf")}, QDir::Files, QDir::Name)) {
            if (!seen.contains(name)) {
                seen << name;
                files.append({dir, name.chopped(4)});
            }
        }
    }
    return files;
}

QString corpusFile(const QString& base, const QString& suffix)
{
    const QString own = ownCorpusDir() + QLatin1Char('/') + base + suffix;
    return QFile::exists(own) ? own : sharedCorpusDir() + QLatin1Char('/') + base + suffix;
}

QString normalized(QString text)
{
    text.replace(QChar(0x00A0), QLatin1Char(' '));
    text.remove(QChar(0x00AD));
    static const QRegularExpression space(QStringLiteral("\\s+"));
    return text.replace(space, QStringLiteral(" ")).trimmed();
}

// Files the peer gets wrong or that are broken on purpose; see the corpus README.
const QStringList kNotCompared = {
    "rtfpipe__RtfParserTest_fail_0",
    "rtfpipe__RtfParserTest_fail_1",
    "rtfpipe__RtfParserTest_fail_2",
    "rtfpipe__RtfParserTest_fail_3",
    "rtfpipe__RtfParserTest_fail_4",
    "rtfpipe__RtfParserTest_fail_5",
    "rtfpipe__RtfParserTest_fail_6",
    "rtfpipe__Issue49",
    "tika__testRTFTIKA_2500",
    "tika__testRTFCorruptListOverride",
    "tika__test_list_override",
    "tika__testRTFTableCellSeparation2",
    "tika__testRTFInvalidUnicode",
    "striprtf__issue_20",
    "rtfjs__implicit-par",
    "pandoc__table_nested_malformed_itap",
    "tika__testRTFBoldPlain",
    "rtfpipe__rtf2xml_japanese",
    "pandoc__unicode",
    "tika__testRTFUnicodeUCNControlWordCharacterDoubling",
};

// Files on which the text differs from the peer's as the reader stands (links, list markers, encodings the peer
// does not decode).
const QStringList kKnownDisagreements = {
    "pandoc__list_legacy",
    "pandoc__list_simple",
    "rtfjs__hyperlink",
    "rtfpipe__ListGoogle",
    "rtfpipe__RtfParserTest_8",
    "rtfpipe__Test01",
    "rtfpipe__nested_table_report",
    "striprtf__TX_RTF32_18",
    "striprtf__calcium_score",
    "striprtf__encoding",
    "striprtf__hyperlink",
    "striprtf__issue_15",
    "striprtf__mac_textedit_hyperlink",
    "striprtf__specialchars",
    "tika__testFontAfterBufferedText",
    "tika__testRTFHyperlinkAndStyles",
    "tika__testRTFWordPadCzechCharacters",
    "rtfpipe__phprtflite_lists",
    "rtfpipe__phprtflite_paragraphs_fonts",
    "rtfpipe__rtf2xml_char_upper_ranges_hex",
};

const QStringList kRichEditFiles = {
    "rtfpipe__List",
    "rtfpipe__Issue53",
    "rtfpipe__Issue42",
    "rtfpipe__RtfParserTest_4",
    "rtfpipe__RtfParserTest_5",
    "rtfpipe__RtfParserTest_8",
    "rtfpipe__old1_from_web",
    "rtfpipe__old2_from_web",
    "rtfjs__colors",
    "rtfjs__pile-of-poo",
    "rtfjs__infer-double-width",
    "rtfjs__paragraph-properties",
    "rtfjs__hyperlink",
    "rtfjs__simple1",
    "rtfjs__simple2",
    "rtfjs__simple3",
    "rtfjs__simple4",
    "rtfjs__simplepict",
    "tika__testRTFWordPadCzechCharacters",
    "tika__testRTFUnicodeGothic",
    "tika__testRTFUmlautSpaces",
    "tika__testRTFWindowsCodepage1250",
    "tika__testRTFHexEscapeInsideWord",
    "tika__testRTFTableCellSeparation",
    "flashfolder__License",
    "betterexplorer__License",
};

} // namespace

class TestRtfCorpus : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyFileLoads();
    void textAgreesWithPeer();
    void richEditFilesKeepParagraphs_data();
    void richEditFilesKeepParagraphs();
};

void TestRtfCorpus::initTestCase()
{
    if (!QDir(sharedCorpusDir()).exists()) {
        qInfo("the shared corpus is not beside the checkout: the 21 files it holds beyond the repository's 103 "
              "(tests/data/rtf-corpus/README.md) are not read");
    }
}

void TestRtfCorpus::everyFileLoads()
{
    const QList<std::pair<QString, QString>> files = corpusFiles();
    QCOMPARE(files.size(), QDir(sharedCorpusDir()).exists() ? 124 : 103);
    for (const auto& [dir, base] : files) {
        const QString name = base + QStringLiteral(".rtf");
        QTextDocument doc;
        QVERIFY2(readRtf(fileBytes(dir + QLatin1Char('/') + name), &doc), qPrintable(name));
        // Whatever was read can be written and read again.
        QTextDocument again;
        QVERIFY2(readRtf(writeRtf(doc), &again), qPrintable(name));
        QCOMPARE(again.blockCount(), doc.blockCount());
    }
}

void TestRtfCorpus::textAgreesWithPeer()
{
    int compared = 0;
    QStringList disagreeing;
    for (const auto& [dir, base] : corpusFiles()) {
        if (kNotCompared.contains(base)) {
            continue;
        }
        ++compared;
        const QString ours = normalized(rtfToPlainText(fileBytes(dir + QLatin1Char('/') + base + ".rtf")));
        const QString peer
            = normalized(QString::fromUtf8(fileBytes(dir + QLatin1Char('/') + base + ".unrtf-html.txt")));
        if (ours != peer) {
            disagreeing << base;
        }
    }
    const double share = double(compared - disagreeing.size()) / compared;
    qInfo("plain text agrees with the peer on %d of %d well-formed files (%.1f%%)",
          int(compared - disagreeing.size()),
          compared,
          share * 100);
    qInfo("disagreeing: %s", qPrintable(disagreeing.join(QStringLiteral(", "))));
    // The differences left are known, most of them the peer's (see the notes on each file in the corpus README): a
    // file that starts to disagree is a change in the reader.
    for (const QString& base : std::as_const(disagreeing)) {
        QVERIFY2(kKnownDisagreements.contains(base), qPrintable(base + QStringLiteral(" now disagrees with the peer")));
    }
}

void TestRtfCorpus::richEditFilesKeepParagraphs_data()
{
    QTest::addColumn<QString>("base");
    for (const QString& base : kRichEditFiles) {
        if (QFile::exists(corpusFile(base, QStringLiteral(".rtf")))) {
            QTest::newRow(qPrintable(base)) << base;
        }
    }
}

void TestRtfCorpus::richEditFilesKeepParagraphs()
{
    QFETCH(QString, base);
    QTextDocument loaded;
    QVERIFY(readRtf(fileBytes(corpusFile(base, QStringLiteral(".rtf"))), &loaded));
    const QByteArray saved = writeRtf(loaded);
    QTextDocument reloaded;
    QVERIFY(readRtf(saved, &reloaded));
    QCOMPARE(reloaded.blockCount(), loaded.blockCount());
    QCOMPARE(documentPlainTextWithMarkers(reloaded), documentPlainTextWithMarkers(loaded));
    QCOMPARE(documentSignature(reloaded), documentSignature(loaded));
    QCOMPARE(writeRtf(reloaded), saved); // saving again changes nothing
}

QTEST_MAIN(TestRtfCorpus)
#include "tst_rtfcorpus.moc"
