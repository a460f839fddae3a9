// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "filefaults.h"
#include "platform/autostart.h"
#include "support/appinfo.h"
#include "support/errorlog.h"
#include "support/settings.h"
#include "testdata.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

using namespace jotlet;

namespace {

QString configRoot()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

QString settingsFile()
{
    return configRoot() + QStringLiteral("/Quorvel/Jotlet.conf");
}

QString autostartFile()
{
    return configRoot() + QStringLiteral("/autostart/jotlet.desktop");
}

void removePath(const QString& path)
{
    if (QFileInfo(path).isDir()) {
        QDir(path).removeRecursively();
    } else {
        QFile::remove(path);
    }
}

void makeFile(const QString& path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

// What is stored on disk, read by an independent settings object as a restarted program would.
QString storedText(const QString& name)
{
    QSettings settings(settingsFile(), QSettings::IniFormat);
    return settings.value(name, QStringLiteral("<missing>")).toString();
}

QByteArray logText()
{
    QFile log(errorLogPath());
    return log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void storeRules();
    void valuesAreStoredAsText_data();
    void valuesAreStoredAsText();
    void truthTexts_data();
    void truthTexts();
    void numberTexts_data();
    void numberTexts();
    void expandableValues_data();
    void expandableValues();
    void firstRunReadsDefaults();
    void lookRoundTrip_data();
    void lookRoundTrip();
    void existingSectionMissingValue();
    void valuesThatDoNotConvert();
    void unwritableSettings_data();
    void unwritableSettings();
    void fullDiskKeepsSettingsAndAutostart();
};

void TestSettings::initTestCase()
{
    // Tests run with their own XDG_CONFIG_HOME; never touch a real user's settings.
    QVERIFY(!qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME"));
    QVERIFY(!qEnvironmentVariableIsEmpty("JOTLET_HOME"));
    setLogFailureHandler([](const QString& reason) { QFAIL(qPrintable(QStringLiteral("log failed: ") + reason)); });
}

void TestSettings::init()
{
    removePath(configRoot() + QStringLiteral("/Quorvel"));
    removePath(configRoot() + QStringLiteral("/autostart"));
    QFile::remove(errorLogPath());
}

void TestSettings::storeRules()
{
    // No section: the caller's default.
    QCOMPARE(SettingsStore::read(QStringLiteral("Color"), QStringLiteral("yellow")), QStringLiteral("yellow"));
    QVERIFY(!QFile::exists(settingsFile()));

    SettingsError error;
    QVERIFY(SettingsStore::write(QStringLiteral("Color"), QStringLiteral("blue"), &error));
    QVERIFY(!error.isSet());
    QCOMPARE(storedText(QStringLiteral("Color")), QStringLiteral("blue"));

    // Section present: a stored value reads back, a missing one reads as an empty text.
    QCOMPARE(SettingsStore::read(QStringLiteral("Color"), QStringLiteral("yellow")), QStringLiteral("blue"));
    const QString missing = SettingsStore::read(QStringLiteral("Alpha"), QStringLiteral("255"));
    QVERIFY(missing.isEmpty());

    // An empty value is stored, not removed: it no longer yields "<missing>".
    QVERIFY(SettingsStore::write(QStringLiteral("Color"), QString()));
    QCOMPARE(storedText(QStringLiteral("Color")), QString());
}

void TestSettings::valuesAreStoredAsText_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("number") << "2865";
    QTest::newRow("truth") << "True";
    QTest::newRow("font with blank") << "Comic Sans MS";
    QTest::newRow("comma") << "a, b";
    QTest::newRow("at sign") << "@Variant(x)";
    QTest::newRow("folder") << "/home/ann/My Notes";
    QTest::newRow("windows folder") << R"(C:\Users\ann\Desktop)";
    QTest::newRow("non-ascii") << QString::fromUtf8("Zapf Chancery Ä ☃");
    QTest::newRow("quotes and semicolon") << "say \"hi\"; ok";
}

void TestSettings::valuesAreStoredAsText()
{
    QFETCH(QString, value);
    QVERIFY(SettingsStore::write(QStringLiteral("FontName"), value));
    QCOMPARE(SettingsStore::read(QStringLiteral("FontName"), QString()), value);
}

void TestSettings::truthTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isTrue");   // "SaveSetting" and "IsOnTop"
    QTest::addColumn<int>("converted"); // "AutoSave": 1 true, 0 false, -1 does not convert
    QTest::newRow("True") << "True" << true << 1;
    QTest::newRow("TRUE") << "TRUE" << true << 1;
    QTest::newRow("true") << "true" << true << 1;
    QTest::newRow("False") << "False" << false << 0;
    QTest::newRow("fALSE") << "fALSE" << false << 0;
    QTest::newRow("one") << "1" << false << 1;
    QTest::newRow("minus one") << "-1" << false << 1;
    QTest::newRow("zero") << "0" << false << 0;
    QTest::newRow("empty") << "" << false << -1;
    QTest::newRow("yes") << "yes" << false << -1;
    QTest::newRow("padded") << " True " << false << 1;
}

void TestSettings::truthTexts()
{
    QFETCH(QString, text);
    QFETCH(bool, isTrue);
    QFETCH(int, converted);
    QCOMPARE(isTrueText(text), isTrue);
    const std::optional<bool> value = settingToBool(text);
    QCOMPARE(value.has_value() ? int(*value) : -1, converted);
}

void TestSettings::numberTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("value");
    QTest::newRow("plain") << "2865" << true << 2865;
    QTest::newRow("negative") << "-120" << true << -120;
    QTest::newRow("blanks") << " 12 " << true << 12;
    QTest::newRow("half to even down") << "2.5" << true << 2;
    QTest::newRow("half to even up") << "3.5" << true << 4;
    QTest::newRow("negative half") << "-1.5" << true << -2;
    QTest::newRow("fraction") << "2864.7" << true << 2865;
    QTest::newRow("max") << "2147483647" << true << 2147483647;
    QTest::newRow("overflow") << "2147483648" << false << 0;
    QTest::newRow("letters") << "abc" << false << 0;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("trailing junk") << "12px" << false << 0;
    QTest::newRow("nan") << "nan" << false << 0;
}

void TestSettings::numberTexts()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(int, value);
    const std::optional<qint32> number = settingToInt32(text);
    QCOMPARE(number.has_value(), ok);
    if (ok) {
        QCOMPARE(*number, value);
    }
}

void TestSettings::expandableValues_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("expandable");
    QTest::addColumn<QString>("read");
    const QString temp = QStringLiteral("/tmp/jotlet-temp");
    QTest::newRow("TEMP") << "%TEMP%/notes" << true << temp + QStringLiteral("/notes");
    QTest::newRow("twice") << "%TEMP%:%TEMP%" << true << temp + QLatin1Char(':') + temp;
    QTest::newRow("single percent") << "100% sure" << false << "100% sure";
    QTest::newRow("adjacent percents") << "a%%b" << false << "a%%b";
    QTest::newRow("unknown name kept") << "%JOTLET_NOT_SET%x" << true << "%JOTLET_NOT_SET%x";
    QTest::newRow("percents in a folder name") << "/home/50% off/20% more" << true << "/home/50% off/20% more";
    QTest::newRow("unknown then known") << "%NOPE%%TEMP%" << true << QStringLiteral("%NOPE%") + temp;
}

void TestSettings::expandableValues()
{
    QFETCH(QString, stored);
    QFETCH(bool, expandable);
    QFETCH(QString, read);
    qputenv("TEMP", "/tmp/jotlet-temp");
    qunsetenv("JOTLET_NOT_SET");
    qunsetenv("NOPE");
    QCOMPARE(isExpandableText(stored), expandable);
    QVERIFY(SettingsStore::write(QStringLiteral("LastFolder"), stored));
    QCOMPARE(storedText(QStringLiteral("LastFolder")), stored); // kept unexpanded on disk

    QCOMPARE(SettingsStore::read(QStringLiteral("LastFolder"), QString()), read);
}

void TestSettings::firstRunReadsDefaults()
{
    NoteLook look;
    readNoteLook(look, false, QSize(19200, 14400));
    QVERIFY(!look.saveSetting);
    QVERIFY(look.autoSave);
    QVERIFY(look.saveNewNoteOnClose);
    const NoteLook starting;
    QCOMPARE(look.color, starting.color);
    QCOMPARE(look.width, 2325);
    QCOMPARE(look.height, 2085);
    QVERIFY(!look.top.has_value());
    QVERIFY(!QFile::exists(settingsFile())); // reading never creates the section
}

void TestSettings::lookRoundTrip_data()
{
    QTest::addColumn<bool>("noteHasFile");
    QTest::newRow("new note takes colour, size and place") << false;
    QTest::newRow("note with a file keeps its own") << true;
}

void TestSettings::lookRoundTrip()
{
    QFETCH(bool, noteHasFile);
    NoteLook closing;
    closing.color = QStringLiteral("purple");
    closing.height = 3000;
    closing.width = 4000;
    closing.top = 120;
    closing.left = 240;
    closing.alpha = 200;
    closing.captionType = 3;
    closing.isOnTop = false;
    closing.foreColor = 255;
    closing.fontName = QStringLiteral("DejaVu Sans");
    closing.fontSize = 14;
    closing.autoSave = true;
    closing.saveNewNoteOnClose = false;
    QVERIFY(writeNoteLook(closing, true));
    QCOMPARE(storedText(QStringLiteral("CaptionType")), QStringLiteral("3"));
    QCOMPARE(storedText(QStringLiteral("SaveSetting")), QStringLiteral("True"));
    QCOMPARE(storedText(QStringLiteral("IsOnTop")), QStringLiteral("False"));

    NoteLook next;
    readNoteLook(next, noteHasFile, QSize(19200, 14400));
    QVERIFY(next.saveSetting);
    const NoteLook starting;
    QCOMPARE(next.color, noteHasFile ? starting.color : closing.color);
    QCOMPARE(next.height, noteHasFile ? starting.height : closing.height);
    QCOMPARE(next.width, noteHasFile ? starting.width : closing.width);
    QCOMPARE(next.top, noteHasFile ? starting.top : closing.top);
    QCOMPARE(next.left, noteHasFile ? starting.left : closing.left);
    QCOMPARE(next.alpha, closing.alpha);
    QCOMPARE(next.captionType, closing.captionType);
    QCOMPARE(next.isOnTop, closing.isOnTop);
    QCOMPARE(next.foreColor, closing.foreColor);
    QCOMPARE(next.fontName, closing.fontName);
    QCOMPARE(next.fontSize, closing.fontSize);
    QCOMPARE(next.autoSave, true);
    QCOMPARE(next.saveNewNoteOnClose, false);

    // Unchecking "Save Settings" stores only the flags; the remembered look stays on disk.
    closing.color = QStringLiteral("red");
    QVERIFY(writeNoteLook(closing, false));
    QCOMPARE(storedText(QStringLiteral("SaveSetting")), QStringLiteral("False"));
    QCOMPARE(storedText(QStringLiteral("Color")), QStringLiteral("purple"));
    NoteLook after;
    readNoteLook(after, false, QSize(19200, 14400));
    QCOMPARE(after.color, starting.color);
    QVERIFY(logText().isEmpty());
}

void TestSettings::existingSectionMissingValue()
{
    // The section exists but AutoSave was never written: the empty text does not convert,
    // so autosave stays off for a new note, and nothing is logged for it.
    QVERIFY(writeSetting(Setting::SaveSetting, QStringLiteral("TRUE")));
    NoteLook look;
    readNoteLook(look, false, QSize(19200, 14400));
    QVERIFY(look.saveSetting);
    QVERIFY(!look.autoSave);
    QVERIFY(!look.saveNewNoteOnClose);
    QCOMPARE(look.height, NoteLook().height);
    QCOMPARE(look.color, QString()); // an existing section yields an empty colour text
    QVERIFY(!look.isOnTop);          // "IsOnTop" missing is not "True"
    QCOMPARE(look.fontName, NoteLook().fontName);
    QVERIFY(logText().isEmpty());
}

void TestSettings::valuesThatDoNotConvert()
{
    QVERIFY(writeSetting(Setting::SaveSetting, QStringLiteral("True")));
    QVERIFY(writeSetting(Setting::Height, QStringLiteral("tall")));
    QVERIFY(writeSetting(Setting::Alpha, QStringLiteral("1e99")));
    QVERIFY(writeSetting(Setting::CaptionType, QStringLiteral("9")));
    QVERIFY(writeSetting(Setting::AutoSave, QStringLiteral("maybe")));
    NoteLook look;
    readNoteLook(look, false, QSize(19200, 14400));
    QCOMPARE(look.height, NoteLook().height);
    QCOMPARE(look.alpha, 255);
    QCOMPARE(look.captionType, 0);
    QVERIFY(!look.autoSave);
    const QByteArray log = logText();
    QVERIFY2(log.contains("'Height' holds 'tall'"), log.constData());
    QVERIFY2(log.contains("'Alpha' holds '1e99'"), log.constData());
    QVERIFY2(log.contains("'AutoSave' holds 'maybe'"), log.constData());
}

void TestSettings::unwritableSettings_data()
{
    QTest::addColumn<QString>("blocker");
    QTest::addColumn<QString>("expectedError");
    QTest::newRow("settings folder is a file") << "/Quorvel"
                                               << "Failed to create registry Key: 'SOFTWARE\\Quorvel\\Jotlet";
    QTest::newRow("settings file is a folder") << "/Quorvel/Jotlet.conf/x"
                                               << "Failed to create registry Key: 'SOFTWARE\\Quorvel\\Jotlet";
}

void TestSettings::unwritableSettings()
{
    QFETCH(QString, blocker);
    QFETCH(QString, expectedError);
    makeFile(configRoot() + blocker);
    SettingsError error;
    QVERIFY(!SettingsStore::write(QStringLiteral("Color"), QStringLiteral("red"), &error));
    QCOMPARE(error.number, kSettingsErrorNumber);
    QVERIFY2(error.description.startsWith(expectedError), qPrintable(error.description));
    QVERIFY(error.source.endsWith(QLatin1String(".cRegistry")));
    // Reading goes on with the defaults.
    QCOMPARE(SettingsStore::read(QStringLiteral("Color"), QStringLiteral("yellow")), QStringLiteral("yellow"));
    QVERIFY(!writeNoteLook(NoteLook(), true, &error));
}

void TestSettings::fullDiskKeepsSettingsAndAutostart()
{
    SmallFileSystem disk(128 * 1024);
    if (!disk.isMounted()) {
        QSKIP(qPrintable(disk.reason()));
    }
    const QByteArray configHome = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(disk.path()));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, disk.path());
    const auto restore = qScopeGuard([&] {
        qputenv("XDG_CONFIG_HOME", configHome);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QString::fromLocal8Bit(configHome));
    });
    QVERIFY(SettingsStore::write(QStringLiteral("Color"), QStringLiteral("blue")));
    QVERIFY(registerAutostart());
    const QByteArray settingsBefore = fileBytes(settingsFile());
    const QByteArray entryBefore = fileBytes(autostartFile());
    QVERIFY(settingsBefore.contains("Color=blue") && !entryBefore.isEmpty());
    disk.fillLeaving(0);

    SettingsError error;
    QVERIFY(!SettingsStore::write(QStringLiteral("Color"), QStringLiteral("red"), &error));
    QCOMPARE(fileBytes(settingsFile()), settingsBefore);
    // The entry holds the same text again: it is either rewritten whole or left as it was, never emptied.
    registerAutostart();
    QCOMPARE(fileBytes(autostartFile()), entryBefore);
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
