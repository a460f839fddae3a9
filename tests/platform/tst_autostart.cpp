// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// The autostart entry that brings the program back at the next session: written and removed, a folder in its way
// logged, and the program's path quoted as desktop entries want it.
#include "platform/autostart.h"
#include "platform/autostartentry.h"
#include "support/errorlog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTest>

using namespace jotlet;

namespace {

QString configRoot()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

QString autostartFile()
{
    return configRoot() + QStringLiteral("/autostart/jotlet.desktop");
}

QByteArray logText()
{
    QFile log(errorLogPath());
    return log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
}

} // namespace

class TestAutostart : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void autostartEntry();
    void autostartUnwritableIsLogged();
    void execQuoting_data();
    void execQuoting();
};

void TestAutostart::initTestCase()
{
    // Tests run with their own XDG_CONFIG_HOME; never touch a real user's session.
    QVERIFY(!qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME"));
    QVERIFY(!qEnvironmentVariableIsEmpty("JOTLET_HOME"));
    setLogFailureHandler([](const QString& reason) { QFAIL(qPrintable(QStringLiteral("log failed: ") + reason)); });
}

void TestAutostart::init()
{
    const QString autostart = configRoot() + QStringLiteral("/autostart");
    if (QFileInfo(autostart).isDir()) {
        QDir(autostart).removeRecursively();
    } else {
        QFile::remove(autostart);
    }
    QFile::remove(errorLogPath());
}

void TestAutostart::autostartEntry()
{
    QVERIFY(registerAutostart());
    QVERIFY(QFile::exists(autostartFile()));
    const QString program = registeredAutostartProgram();
    QCOMPARE(program, QCoreApplication::applicationFilePath());
    QVERIFY(QFileInfo(program).isAbsolute());
    QFile entry(autostartFile());
    QVERIFY(entry.open(QIODevice::ReadOnly));
    const QByteArray text = entry.readAll();
    QVERIFY(text.startsWith("[Desktop Entry]\n"));
    QVERIFY(text.contains("\nType=Application\n"));

    removeAutostart();
    QVERIFY(!QFile::exists(autostartFile()));
    removeAutostart(); // nothing to remove: swallowed
    QVERIFY(logText().isEmpty());
}

void TestAutostart::autostartUnwritableIsLogged()
{
    QFile blocking(configRoot() + QStringLiteral("/autostart")); // a file where the folder would be
    QVERIFY(QDir().mkpath(configRoot()) && blocking.open(QIODevice::WriteOnly));
    blocking.close();
    QVERIFY(!registerAutostart());
    const QByteArray log = logText();
    QVERIFY2(log.contains("\tmodMain: RunAtStartUp\t26001\tFailed to"), log.constData());
    removeAutostart();
}

void TestAutostart::execQuoting_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("execValue");
    QTest::newRow("plain") << "/usr/bin/jotlet"
                           << "/usr/bin/jotlet";
    QTest::newRow("blank") << "/opt/My Notes/jotlet"
                           << "\"/opt/My Notes/jotlet\"";
    QTest::newRow("dollar and quote") << "/opt/a$b\"c/jotlet"
                                      << "\"/opt/a\\\\$b\\\\\"c/jotlet\"";
    QTest::newRow("percent") << "/opt/100%/jotlet"
                             << "/opt/100%%/jotlet";
    QTest::newRow("backslash") << "/opt/a\\b/jotlet"
                               << "\"/opt/a\\\\\\\\b/jotlet\"";
}

void TestAutostart::execQuoting()
{
    QFETCH(QString, program);
    QFETCH(QString, execValue);
    QCOMPARE(quoteExecArgument(program), execValue);
    const QString entry = autostartEntryText(QStringLiteral("Jotlet"), program);
    QCOMPARE(autostartEntryProgram(entry), program);
    // Skipped by the session once the program is gone.
    QVERIFY(entry.contains(QStringLiteral("\nTryExec=") + QString(program).replace(u'\\', QStringLiteral("\\\\"))));
}

QTEST_GUILESS_MAIN(TestAutostart)
#include "tst_autostart.moc"
