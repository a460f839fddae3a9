// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/wallclocktimer.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <vector>

using namespace jotlet;

class TestWallClockTimer : public QObject
{
    Q_OBJECT

private slots:
    void descriptorsOnlyForTimersThatRun();
};

namespace {

int openDescriptors()
{
    return int(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::Files | QDir::System).size());
}

} // namespace

void TestWallClockTimer::descriptorsOnlyForTimersThatRun()
{
    // Every note has one of these, and most never start it: a program with a thousand notes must not run out of
    // file descriptors for them.
    if (!QFileInfo::exists(QStringLiteral("/proc/self/fd"))) {
        QSKIP("no /proc/self/fd to count descriptors in");
    }
    const int before = openDescriptors();
    std::vector<std::unique_ptr<WallClockTimer>> timers;
    for (int i = 0; i < 200; ++i) {
        timers.push_back(std::make_unique<WallClockTimer>());
    }
    QVERIFY2(openDescriptors() - before < 5, qPrintable(QString::number(openDescriptors() - before)));

    QSignalSpy wentOff(timers.front().get(), &WallClockTimer::timeout);
    timers.front()->start(20);
    QVERIFY(timers.front()->isActive());
    QVERIFY(wentOff.wait(5000));
    QVERIFY(!timers.front()->isActive());
}

QTEST_GUILESS_MAIN(TestWallClockTimer)
#include "tst_wallclocktimer.moc"
