// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/codepage.h"
#include "support/files.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

using namespace jotlet;

class TestFiles : public QObject
{
    Q_OBJECT

private slots:
    void fileNameParts_data();
    void fileNameParts();
    void folderParts_data();
    void folderParts();
    void trailingSeparator_data();
    void trailingSeparator();
    void existingFiles();
    void cutAtNulCharacter();
    void readingText_data();
    void readingText();
    void readingFailures();
    void windows1252RoundTrip();
    void utf8Validity_data();
    void utf8Validity();
};

void TestFiles::fileNameParts_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");
    QTest::newRow("bare name") << "a.not"
                               << "a.not";
    QTest::newRow("windows path") << R"(C:\notes\a.not)"
                                  << "a.not";
    QTest::newRow("trailing backslash kept") << R"(C:\notes\)"
                                             << R"(notes\)";
    QTest::newRow("drive only") << "C:"
                                << "C:";
    QTest::newRow("drive-relative") << "C:a.not"
                                    << "a.not";
    QTest::newRow("drive root") << R"(C:\)"
                                << R"(C:\)";
    QTest::newRow("unc") << R"(\\server\share\b.not)"
                         << "b.not";
    QTest::newRow("linux path") << "/home/ann/notes/a.not"
                                << "a.not";
    QTest::newRow("linux trailing slash") << "/home/ann/notes/"
                                          << "notes/";
    QTest::newRow("mixed separators") << R"(C:\notes/sub\x.not)"
                                      << "x.not";
    QTest::newRow("colon in linux name") << "/home/ann/meeting 10:30.not"
                                         << "meeting 10:30.not";
    QTest::newRow("double separator") << R"(C:\a\\b.not)"
                                      << "b.not";
    QTest::newRow("empty") << ""
                           << "";
}

void TestFiles::fileNameParts()
{
    QFETCH(QString, path);
    QFETCH(QString, expected);
    QCOMPARE(fileNamePart(path), expected);
}

void TestFiles::folderParts_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");
    QTest::newRow("windows path") << R"(C:\notes\a.not)"
                                  << R"(C:\notes)";
    QTest::newRow("deep") << R"(C:\a\b\c.not)"
                          << R"(C:\a\b)";
    QTest::newRow("root keeps backslash") << R"(C:\a.not)"
                                          << R"(C:\)";
    QTest::newRow("trailing backslash") << R"(C:\notes\)"
                                        << R"(C:\notes)";
    QTest::newRow("bare name") << "a.not"
                               << "";
    QTest::newRow("unc") << R"(\\server\share\a.not)"
                         << R"(\\server\share)";
    QTest::newRow("linux path") << "/home/ann/a.not"
                                << "/home/ann";
    QTest::newRow("linux root keeps slash") << "/a.not"
                                            << "/";
    QTest::newRow("colon in linux name") << "/home/ann/10:30.not"
                                         << "/home/ann";
    QTest::newRow("empty") << ""
                           << "";
}

void TestFiles::folderParts()
{
    QFETCH(QString, path);
    QFETCH(QString, expected);
    QCOMPARE(folderPart(path), expected);
}

void TestFiles::trailingSeparator_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");
    QTest::newRow("windows folder") << R"(C:\notes)"
                                    << R"(C:\notes\)";
    QTest::newRow("already ends in one") << R"(C:\notes\)"
                                         << R"(C:\notes\)";
    QTest::newRow("linux folder") << "/home/ann"
                                  << "/home/ann/";
    QTest::newRow("linux already") << "/home/ann/"
                                   << "/home/ann/";
    QTest::newRow("empty stays empty") << ""
                                       << "";
}

void TestFiles::trailingSeparator()
{
    QFETCH(QString, path);
    QFETCH(QString, expected);
    QCOMPARE(withTrailingSeparator(path), expected);
}

void TestFiles::existingFiles()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("a.not"));
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    QVERIFY(fileExists(file));
    QVERIFY(!fileExists(dir.path()));
    QVERIFY(!fileExists(dir.filePath(QStringLiteral("missing.not"))));
    QVERIFY(!fileExists(QString()));
}

void TestFiles::cutAtNulCharacter()
{
    QCOMPARE(cutAtNul(QStringLiteral("abc")), QStringLiteral("abc"));
    QCOMPARE(cutAtNul(QString::fromUtf16(u"ab\0cd", 5)), QStringLiteral("ab"));
    QCOMPARE(cutAtNul(QString(3, QChar(0))), QString());
}

void TestFiles::readingText_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");
    QTest::newRow("ascii") << QByteArray("plain\r\ntext") << QStringLiteral("plain\r\ntext");
    QTest::newRow("utf-8") << QByteArray("caf\xC3\xA9 \xE2\x82\xAC") << QString::fromUtf8("café €");
    QTest::newRow("utf-8 bom dropped") << QByteArray("\xEF\xBB\xBFhi") << QStringLiteral("hi");
    QTest::newRow("windows-1252") << QByteArray("caf\xE9 \x80 \x93q\x94") << QString::fromUtf8("café € “q”");
    QTest::newRow("undefined 1252 bytes kept") << QByteArray("\x81\x8D") << QString::fromUtf16(u"\u0081\u008D");
    QTest::newRow("nul kept") << QByteArray("a\0b", 3) << QString::fromUtf16(u"a\0b", 3);
    QTest::newRow("empty") << QByteArray() << QString();
}

void TestFiles::readingText()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("dropped.txt"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.close();
    QString text;
    Problem error;
    QVERIFY2(readFileText(path, &text, &error), qPrintable(error.english()));
    QCOMPARE(text, expected);
}

void TestFiles::readingFailures()
{
    QTemporaryDir dir;
    QString text = QStringLiteral("unchanged");
    Problem error;
    QVERIFY(!readFileText(dir.filePath(QStringLiteral("missing")), &text, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!readFileText(dir.path(), &text, &error));
    QVERIFY(error.english().contains(QLatin1String("folder")));

    const QString big = dir.filePath(QStringLiteral("big.bin"));
    QFile f(big);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(2048, 'x'));
    f.close();
    QVERIFY(!readFileText(big, &text, &error, 1024));
    QVERIFY(error.english().contains(QLatin1String("larger")));
    QCOMPARE(text, QStringLiteral("unchanged"));
}

void TestFiles::windows1252RoundTrip()
{
    // Every byte decodes to a character that encodes back to the same byte.
    for (int b = 0; b < 256; ++b) {
        const QString text = decodeWindows1252(QByteArray(1, char(b)));
        QCOMPARE(text.size(), 1);
        QCOMPARE(windows1252Byte(text.at(0).unicode()), b);
    }
    QCOMPARE(windows1252Byte(u'\u4E2D'), -1);
}

QTEST_GUILESS_MAIN(TestFiles)
void TestFiles::utf8Validity_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray ascii(23, 'a');
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("ASCII") << ascii;
    QTest::newRow("two, three and four bytes") << QByteArray("caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80");
    QTest::newRow("largest code point") << QByteArray("\xf4\x8f\xbf\xbf");
    QTest::newRow("beyond the largest") << QByteArray("\xf4\x90\x80\x80");
    QTest::newRow("overlong two bytes") << QByteArray("\xc0\x80");
    QTest::newRow("overlong three bytes") << QByteArray("\xe0\x80\xaf");
    QTest::newRow("surrogate") << QByteArray("\xed\xa0\x80");
    QTest::newRow("lone continuation") << QByteArray("a\x80"
                                                     "b");
    QTest::newRow("truncated at the end") << QByteArray("abc\xe2\x82");
    QTest::newRow("Windows-1252 byte") << QByteArray("r\xe9sum\xe9");
    for (int at : {7, 8, 9, 16, 22}) {
        QByteArray bad = ascii;
        bad[at] = char(0xe9);
        QTest::addRow("bad byte at %d of a long ASCII run", at) << bad;
        QByteArray good = ascii;
        good.insert(at, "\xc3\xa9");
        QTest::addRow("good pair at %d of a long ASCII run", at) << good;
    }
}

void TestFiles::utf8Validity()
{
    QFETCH(QByteArray, bytes);
    QStringDecoder reference(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = reference.decode(bytes);
    QCOMPARE(isValidUtf8(bytes), !reference.hasError());
}

#include "tst_files.moc"
