// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "logcapture.h"
#include "notes/notefile.h"
#include "notes/notestore.h"
#include "support/appinfo.h"
#include "testdata.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_LINUX
#include <sys/resource.h>
#endif

using namespace jotlet;

namespace {

// One line per record: colour|time stamp|height,width,left,top|data|reminder, with the file name checked apart.
QString signature(const NoteRecord& note)
{
    return QStringLiteral("%1|%2|%3,%4,%5,%6|%7|%8")
        .arg(note.color, note.timeDate)
        .arg(note.height)
        .arg(note.width)
        .arg(note.left)
        .arg(note.top)
        .arg(note.data, note.reminder);
}

QByteArray noteXml(const QByteArray& color, const QByteArray& text, const QByteArray& sizes = "1,2,3,4")
{
    const QList<QByteArray> n = sizes.split(',');
    return "<NOTE><COLOR>" + color + "</COLOR><DATA>" + text + "</DATA><TIMEDATE>t</TIMEDATE><HEIGHT>" + n[0]
           + "</HEIGHT><WIDTH>" + n[1] + "</WIDTH><LEFT>" + n[2] + "</LEFT><TOP>" + n[3] + "</TOP></NOTE>";
}

QByteArray file(const QByteArray& notes, const QByteArray& root = "<NOTES version=\"4.5.0.4\">")
{
    return "<?xml version=\"1.0\" standalone=\"yes\"?>\r\n" + root + "\r\n" + notes + "\r\n</NOTES>\r\n";
}

} // namespace

class TestNoteReader : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void readFile_data();
    void readFile();
    void encodings_data();
    void encodings();
    void noteNumbers_data();
    void noteNumbers();
    void escaping_data();
    void escaping();
    void unreadablePaths_data();
    void unreadablePaths();
    void nestingLimit_data();
    void nestingLimit();
    void mainFileReadsWithMemoryCapped();

private:
    QString writeFile(const QByteArray& bytes);
    QTemporaryDir m_dir;
};

void TestNoteReader::init()
{
    clearErrorLog();
}

QString TestNoteReader::writeFile(const QByteArray& bytes)
{
    const QString path = m_dir.filePath(QStringLiteral("test.not"));
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        f.write(bytes);
    }
    return path;
}

void TestNoteReader::readFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("logLines");

    const QByteArray entities
        = "<!DOCTYPE NOTES [<!ENTITY a \"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa\">"
          "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\"><!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">"
          "<!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\"><!ENTITY e \"&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;\">]>";

    QTest::newRow("three notes in file order")
        << file(noteXml("yellow", "one") + noteXml("blue", "two", "5,6,-7,8") + noteXml("1234", "three"))
        << QStringList {"yellow|t|1,2,3,4|one|", "blue|t|5,6,-7,8|two|", "1234|t|1,2,3,4|three|"} << 0;
    QTest::newRow("missing TIMEDATE") << file(
        "<NOTE><COLOR>red</COLOR><DATA>x</DATA><HEIGHT>1</HEIGHT><WIDTH>2</WIDTH><LEFT>3</LEFT><TOP>4</TOP>"
        "</NOTE>") << QStringList {"red||1,2,3,4|x|"}
                                      << 0;
    QTest::newRow("empty HEIGHT fails the file")
        << file(noteXml("a", "x") + noteXml("b", "y", ",2,3,4")) << QStringList {} << 1;
    QTest::newRow("text in LEFT fails the file") << file(noteXml("a", "x", "1,2,left,4")) << QStringList {} << 1;
    QTest::newRow("one level of entities decoded")
        << file(noteXml("a", "&amp;lt; &quot;q&apos; &#233;")) << QStringList {"a|t|1,2,3,4|&lt; \"q' \u00e9|"} << 0;
    QTest::newRow("reversed element order")
        << file("<NOTE><REMINDER>9:00</REMINDER><TOP>4</TOP><LEFT>3</LEFT><WIDTH>2</WIDTH><HEIGHT>1</HEIGHT>"
                "<TIMEDATE>t</TIMEDATE><DATA>d</DATA><COLOR>c</COLOR></NOTE>")
        << QStringList {"c|t|1,2,3,4|d|9:00"} << 0;
    QTest::newRow("comment under the root is a record")
        << file(noteXml("a", "x") + "<!-- kept by hand -->") << QStringList {"a|t|1,2,3,4|x|", "||0,0,0,0||"} << 0;
    QTest::newRow("line breaks between notes") << file(noteXml("a", "x") + "\r\n\r\n  \r\n" + noteXml("b", "y"))
                                               << QStringList {"a|t|1,2,3,4|x|", "b|t|1,2,3,4|y|"} << 0;
    QTest::newRow("any version attribute")
        << file(noteXml("a", "x"), "<NOTES version=\"1.0.0.0\">") << QStringList {"a|t|1,2,3,4|x|"} << 0;
    QTest::newRow("other root name, no attribute")
        << file(noteXml("a", "x"), "<STICKIES>").replace("</NOTES>", "</STICKIES>") << QStringList {"a|t|1,2,3,4|x|"}
        << 0;
    QTest::newRow("element names are case-sensitive")
        << file("<NOTE><color>red</color><Data>x</Data></NOTE>") << QStringList {"||0,0,0,0||"} << 0;
    QTest::newRow("first of two DATA elements")
        << file("<NOTE><DATA>one</DATA><DATA>two</DATA></NOTE>") << QStringList {"||0,0,0,0|one|"} << 0;
    QTest::newRow("CR LF in DATA reads as LF")
        << file(noteXml("a", "{\\rtf1\r\nx\\par\r\n}")) << QStringList {"a|t|1,2,3,4|{\\rtf1\nx\\par\n}|"} << 0;
    QTest::newRow("root without notes") << QByteArray("<?xml version=\"1.0\"?><NOTES version=\"1\"></NOTES>")
                                        << QStringList {} << 1;
    QTest::newRow("empty root element") << QByteArray("<NOTES/>") << QStringList {} << 1;
    QTest::newRow("not well-formed") << file(noteXml("a", "x")).replace("</NOTE>", "</NOT>") << QStringList {} << 1;
    QTest::newRow("empty file") << QByteArray() << QStringList {} << 1;
    QTest::newRow("binary junk") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << QStringList {} << 1;
    QTest::newRow("entity expansion is bounded")
        << ("<?xml version=\"1.0\"?>" + entities + "<NOTES><NOTE><DATA>&e;&e;&e;</DATA></NOTE></NOTES>")
        << QStringList {} << 1;
    QTest::newRow("external entity not loaded")
        << QByteArray("<?xml version=\"1.0\"?><!DOCTYPE NOTES [<!ENTITY x SYSTEM \"/etc/passwd\">]>"
                      "<NOTES><NOTE><DATA>[&x;]</DATA></NOTE></NOTES>")
        << QStringList {"||0,0,0,0|[]|"} << 0;
}

void TestNoteReader::readFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, expected);
    QFETCH(int, logLines);

    const QString path = writeFile(bytes);
    const NoteList notes = loadNoteFile(path);
    QStringList actual;
    for (const NoteRecord& note : notes) {
        actual << signature(note);
        QCOMPARE(note.fileName, path);
    }
    QCOMPARE(actual, expected);
    const QStringList log = errorLogLines();
    QCOMPARE(log.size(), logLines);
    if (logLines > 0) {
        QVERIFY2(log.first().contains(QStringLiteral("modNote: ProcessXMLData")), qPrintable(log.first()));
        QVERIFY2(log.first().contains(path), qPrintable(log.first()));
    }
}

void TestNoteReader::encodings_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("timeDate");

    const QByteArray body
        = "<NOTES><NOTE><TIMEDATE>File: r\xc3\xa9sum\xc3\xa9 \xe2\x82\xac.not</TIMEDATE></NOTE></NOTES>";
    const QString expected = QStringLiteral("File: r\u00e9sum\u00e9 \u20ac.not");
    QTest::newRow("UTF-8, no declaration") << body << expected;
    QTest::newRow("UTF-8 with byte order mark") << ("\xEF\xBB\xBF" + body) << expected;
    QTest::newRow("Windows-1252 bytes, no encoding named")
        << QByteArray("<?xml version=\"1.0\" standalone=\"yes\"?><NOTES><NOTE><TIMEDATE>File: r\xe9sum\xe9 \x80.not"
                      "</TIMEDATE></NOTE></NOTES>")
        << expected;
    QTest::newRow("declared windows-1252")
        << QByteArray("<?xml version=\"1.0\" encoding=\"windows-1252\"?><NOTES><NOTE><TIMEDATE>File: r\xe9sum\xe9 "
                      "\x80.not</TIMEDATE></NOTE></NOTES>")
        << expected;
    QString utf16Text = QString::fromUtf8(body);
    QByteArray utf16("\xFF\xFE");
    utf16.append(reinterpret_cast<const char*>(utf16Text.utf16()), utf16Text.size() * 2);
    QTest::newRow("UTF-16 with byte order mark") << utf16 << expected;
}

void TestNoteReader::encodings()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, timeDate);
    const NoteList notes = loadNoteFile(writeFile(bytes));
    QCOMPARE(notes.size(), 1);
    QCOMPARE(notes.first().timeDate, timeDate);
}

void TestNoteReader::noteNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("value");
    QTest::newRow("plain") << "2085" << true << 2085;
    QTest::newRow("negative") << "-4500" << true << -4500;
    QTest::newRow("blanks around") << " 300 " << true << 300;
    QTest::newRow("half to even down") << "2.5" << true << 2;
    QTest::newRow("half to even up") << "3.5" << true << 4;
    QTest::newRow("negative half") << "-1.5" << true << -2;
    QTest::newRow("largest") << "2147483647" << true << 2147483647;
    QTest::newRow("overflow") << "2147483648" << false << 0;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("word") << "tall" << false << 0;
    QTest::newRow("digit grouping, as settings read it") << "2,085" << true << 2085;
    QTest::newRow("infinity") << "inf" << false << 0;
}

void TestNoteReader::noteNumbers()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(int, value);
    qint32 number = 0;
    QCOMPARE(noteNumber(text, &number), ok);
    if (ok) {
        QCOMPARE(number, value);
    }
}

void TestNoteReader::escaping_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("escaped");
    QTest::newRow("all five") << "a<b & \"c\" 'd' >"
                              << "a&lt;b &amp; &quot;c&quot; &apos;d&apos; &gt;";
    QTest::newRow("already escaped is escaped again") << "&amp;lt;"
                                                      << "&amp;amp;lt;";
    QTest::newRow("nothing to do") << "{\\rtf1 plain\\par}"
                                   << "{\\rtf1 plain\\par}";
    QTest::newRow("empty") << ""
                           << "";
}

void TestNoteReader::escaping()
{
    QFETCH(QString, text);
    QFETCH(QString, escaped);
    QCOMPARE(escapeXml(text), escaped);
}

void TestNoteReader::unreadablePaths_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expectedText");
    QTest::newRow("missing file") << "gone.not"
                                  << "53\tFile not found";
    QTest::newRow("a folder") << "folder.not"
                              << "75\tCannot open";
}

void TestNoteReader::unreadablePaths()
{
    QFETCH(QString, name);
    QFETCH(QString, expectedText);
    QDir(m_dir.path()).mkdir(QStringLiteral("folder.not"));
    QVERIFY(loadNoteFile(m_dir.filePath(name)).isEmpty());
    const QStringList log = errorLogLines();
    QCOMPARE(log.size(), 1);
    QVERIFY2(log.first().contains(QStringLiteral("modNote: LoadNote\t") + expectedText), qPrintable(log.first()));
}

void TestNoteReader::mainFileReadsWithMemoryCapped()
{
#ifdef Q_OS_LINUX
    // Where the address space is capped (ulimit -v), the main note file is read all the same: reading must not ask
    // for its size limit (512 MB) up front, which made every start end in std::bad_alloc.
    QVERIFY(addNotesToMainNoteFile({NoteRecord(), NoteRecord()}));
    const QByteArray status = fileBytes(QStringLiteral("/proc/self/status"));
    const qsizetype at = status.indexOf("VmSize:");
    QVERIFY(at >= 0);
    const rlim_t used = status.mid(at + 7, 20).trimmed().split(' ').first().toULongLong() * 1024;
    rlimit before {};
    QVERIFY(::getrlimit(RLIMIT_AS, &before) == 0);
    rlimit capped = before;
    capped.rlim_cur = used + 128 * 1024 * 1024;
    QVERIFY(::setrlimit(RLIMIT_AS, &capped) == 0);
    const qsizetype read = loadMainNoteFile().size();
    ::setrlimit(RLIMIT_AS, &before);
    QCOMPARE(read, 2);
#else
    QSKIP("address space limits are a Linux matter here");
#endif
}

QTEST_GUILESS_MAIN(TestNoteReader)
void TestNoteReader::nestingLimit_data()
{
    QTest::addColumn<int>("depth");
    QTest::addColumn<QByteArray>("declaration");
    QTest::addColumn<bool>("read");
    // UTF-8 goes through the quick pass, Windows-1252 through the stream reader: both draw the line at one place.
    for (const auto& [name, declaration] :
         {std::pair {"UTF-8", QByteArray()},
          std::pair {"Windows-1252", QByteArray("<?xml version=\"1.0\" encoding=\"windows-1252\"?>")}}) {
        QTest::addRow("%s, 8 deep", name) << 8 << declaration << true;
        QTest::addRow("%s, 9 deep", name) << 9 << declaration << false;
        QTest::addRow("%s, 9 deep, the last empty", name) << -9 << declaration << false;
    }
}

void TestNoteReader::nestingLimit()
{
    QFETCH(int, depth);
    QFETCH(QByteArray, declaration);
    QFETCH(bool, read);
    // NOTES, NOTE and DATA, then further elements inside DATA; its text is "caf\xE9" in either encoding.
    const int inner = qAbs(depth) - 3;
    QByteArray data = declaration.isEmpty() ? QByteArray("caf\xC3\xA9") : QByteArray("caf\xE9");
    if (depth < 0) {
        data += QByteArray("<b>").repeated(inner - 1) + "<i/>" + QByteArray("</b>").repeated(inner - 1);
    } else {
        data += QByteArray("<b>").repeated(inner) + QByteArray("</b>").repeated(inner);
    }
    const QByteArray bytes = declaration + "<NOTES><NOTE><DATA>" + data + "</DATA></NOTE></NOTES>";
    NoteList notes;
    NoteFileError error;
    QCOMPARE(readNoteFileContent(bytes, QStringLiteral("n.not"), &notes, &error), read);
    if (read) {
        QCOMPARE(notes.value(0).data, QStringLiteral("caf\u00E9"));
    } else {
        QVERIFY2(error.description().contains(QLatin1String("nested more than 8 deep")),
                 qPrintable(error.description()));
    }
}

#include "tst_notereader.moc"
