// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/appinfo.h"
#include "support/errorlog.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace jotlet;

class TestErrorLog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void formatEntry_data();
    void formatEntry();
    void dateTimeHasSecondsAndNoZone_data();
    void dateTimeHasSecondsAndNoZone();
    void entriesAppendInOrder();
    void unwritableLog_data();
    void unwritableLog();

private:
    QTemporaryDir m_home;
    QStringList m_failures;
    LogFailureHandler m_previous;
};

void TestErrorLog::init()
{
    QVERIFY(m_home.isValid());
    qputenv("JOTLET_HOME", m_home.path().toLocal8Bit());
    QFile::remove(errorLogPath());
    m_failures.clear();
    m_previous = setLogFailureHandler([this](const QString& reason) { m_failures << reason; });
}

void TestErrorLog::cleanup()
{
    setLogFailureHandler(m_previous);
}

void TestErrorLog::formatEntry_data()
{
    QTest::addColumn<QString>("location");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("expectedTail");
    QTest::newRow("plain") << "modNote: SaveNote" << 53 << "File not found"
                           << "\tmodNote: SaveNote\t53\tFile not found";
    QTest::newRow("negative number") << "frmMain: PrintNote" << -2147467259 << "Unspecified"
                                     << "\tfrmMain: PrintNote\t-2147467259\tUnspecified";
    QTest::newRow("line breaks flattened") << "modNote: LoadNote" << 1 << "two\r\nlines\nand\ttab"
                                           << "\tmodNote: LoadNote\t1\ttwo lines and tab";
    QTest::newRow("non-ascii kept") << "frmMain: PerformSave" << 70 << QString::fromUtf8("Zugriff verweigert: Ä")
                                    << QString::fromUtf8("\tfrmMain: PerformSave\t70\tZugriff verweigert: Ä");
}

void TestErrorLog::formatEntry()
{
    QFETCH(QString, location);
    QFETCH(int, number);
    QFETCH(QString, description);
    QFETCH(QString, expectedTail);
    const QDateTime when(QDate(2026, 12, 7), QTime(8, 5, 9));
    const QByteArray line = formatLogEntry(when, location, number, description, QLocale::c());
    QVERIFY(line.endsWith("\r\n"));
    QCOMPARE(line.count('\n'), 1);
    const QString text = QString::fromUtf8(line.chopped(2));
    QVERIFY2(text.endsWith(expectedTail), qPrintable(text));
    QCOMPARE(text.split(QLatin1Char('\t')).size(), 4);
}

void TestErrorLog::dateTimeHasSecondsAndNoZone_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany);
    QTest::newRow("ja_JP") << QLocale(QLocale::Japanese, QLocale::Japan);
    QTest::newRow("C") << QLocale::c();
}

void TestErrorLog::dateTimeHasSecondsAndNoZone()
{
    QFETCH(QLocale, locale);
    const QDateTime when(QDate(2026, 12, 7), QTime(16, 5, 9), Qt::UTC);
    const QString text = generalDateTimeText(when, locale);
    QVERIFY2(text.contains(QLatin1String("09")), qPrintable(text)); // the seconds
    QVERIFY2(!text.contains(QLatin1String("UTC")) && !text.contains(QLatin1String("GMT")), qPrintable(text));
    QVERIFY2(text.startsWith(shortDateText(when.date(), locale) + QLatin1Char(' ')), qPrintable(text));
    QVERIFY2(text.contains(QString::number(when.date().year())), qPrintable(text)); // the year in full
}

void TestErrorLog::entriesAppendInOrder()
{
    logError(QStringLiteral("modNote: LoadNote"), 1, QStringLiteral("first"));
    logError(QStringLiteral("modNote: SaveNote"), 2, QStringLiteral("second"));
    QFile log(errorLogPath());
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = log.readAll().split('\n');
    QCOMPARE(lines.size(), 3); // two entries and the empty text after the last line end
    QVERIFY(lines[0].endsWith("\tmodNote: LoadNote\t1\tfirst\r"));
    QVERIFY(lines[1].endsWith("\tmodNote: SaveNote\t2\tsecond\r"));
    QVERIFY(lines[2].isEmpty());
    QVERIFY(m_failures.isEmpty());
}

void TestErrorLog::unwritableLog_data()
{
    QTest::addColumn<QString>("setup");
    QTest::newRow("log path is a folder") << "folder";
    QTest::newRow("disk full") << "full";
    QTest::newRow("data folder cannot be created") << "nofolder";
}

void TestErrorLog::unwritableLog()
{
    QFETCH(QString, setup);
    if (setup == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(errorLogPath()));
    } else if (setup == QLatin1String("full")) {
        if (!QFile::exists(QStringLiteral("/dev/full"))) {
            QSKIP("no /dev/full here");
        }
        QVERIFY(QFile::link(QStringLiteral("/dev/full"), errorLogPath()));
    } else {
        const QString blocker = m_home.filePath(QStringLiteral("blocker"));
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        qputenv("JOTLET_HOME", (blocker + QStringLiteral("/below")).toLocal8Bit());
    }
    logError(QStringLiteral("modNote: SaveNote"), 61, QStringLiteral("Disk full"));
    logError(QStringLiteral("modNote: SaveNote"), 61, QStringLiteral("Disk full again"));
    QCOMPARE(m_failures.size(), 2); // once per failing entry, and the caller goes on

    QDir(errorLogPath()).removeRecursively();
    QFile::remove(errorLogPath());
    qputenv("JOTLET_HOME", m_home.path().toLocal8Bit());
    logError(QStringLiteral("modNote: SaveNote"), 1, QStringLiteral("later entries still arrive"));
    QCOMPARE(m_failures.size(), 2);
    QVERIFY(QFileInfo(errorLogPath()).isFile());
}

QTEST_GUILESS_MAIN(TestErrorLog)
#include "tst_errorlog.moc"
