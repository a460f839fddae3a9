// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// The time, memory and drive notes: their texts for the figures a test gives, the drives a Linux system lists, and
// what choosing, refreshing, switching and stopping such a note does to it (with a clock the test sets).
#include "fakesysteminfo.h"
#include "logcapture.h"
#include "note/noteboard.h"
#include "note/notetext.h"
#include "notes/notestore.h"
#include "platform/drivefilter.h"
#include "special/specialcontent.h"
#include "special/specialnotedriver.h"
#include "special/systemtexts.h"
#include "support/appinfo.h"
#include "support/clock.h"
#include "support/timetext.h"

#include <QTest>

using namespace jotlet;

namespace {

const QLocale kUs(QLocale::English, QLocale::UnitedStates);
constexpr quint64 kMB = 1024ULL * 1024;
constexpr quint64 kGB = kMB * 1024;

DriveStatus drive(
    const QString& root, const QString& label, const QString& kind, bool readable, quint64 total = 0, quint64 free = 0)
{
    return {root, label, kind, readable, total, free};
}

MountedVolume volume(const QString& root, const QString& device, const QString& fileSystem)
{
    MountedVolume v;
    v.root = root;
    v.device = device;
    v.fileSystem = fileSystem;
    v.ready = true;
    v.totalBytes = 10 * kGB;
    return v;
}

} // namespace

class TestSystemTexts : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void timeOfDay_data();
    void timeOfDay();
    void memoryFigures_data();
    void memoryFigures();
    void driveLines();
    void drivesOfALinuxSystem();
    void meminfo();
    void choosingRefreshingAndStopping();
    void failingContentStopsTheRefresh();
    void timeNoteAtLogOffComesBackAsATimeNote();
};

void TestSystemTexts::cleanup()
{
    Clock::setSource({});
}

void TestSystemTexts::timeOfDay_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("text");
    QTest::newRow("midnight") << QTime(0, 0, 5) << "12:00:05 AM";
    QTest::newRow("noon") << QTime(12, 30, 0) << "12:30:00 PM";
    QTest::newRow("morning") << QTime(9, 5, 7) << "09:05:07 AM";
    QTest::newRow("last second") << QTime(23, 59, 59) << "11:59:59 PM";
}

void TestSystemTexts::timeOfDay()
{
    QFETCH(QTime, time);
    QFETCH(QString, text);
    QCOMPARE(timeOfDayText(time, kUs), text);
}

void TestSystemTexts::memoryFigures_data()
{
    QTest::addColumn<quint64>("total");
    QTest::addColumn<quint64>("available");
    QTest::addColumn<QString>("totalLine");
    QTest::addColumn<QString>("percentLine");
    QTest::newRow("exactly 1024 MB") << 1024 * kMB << 666 * kMB << "Total Physical: 1024M"
                                     << "Percent Free: 65%";
    QTest::newRow("66.6% shows 67") << 1000 * kMB << 666 * kMB << "Total Physical: 1000M"
                                    << "Percent Free: 67%";
    QTest::newRow("5.2% shows 5") << 1000 * kMB << 52 * kMB << "Total Physical: 1000M"
                                  << "Percent Free: 5%";
    QTest::newRow("2 GiB shows 2048") << 2 * kGB << kGB << "Total Physical: 2048M"
                                      << "Percent Free: 50%";
    QTest::newRow("more than 4 GiB as it is") << 16 * kGB << 4 * kGB << "Total Physical: 16384M"
                                              << "Percent Free: 25%";
    QTest::newRow("half a megabyte more") << 511 * kMB + kMB / 2 << 0ULL << "Total Physical: 511.5M"
                                          << "Percent Free: 0%";
}

void TestSystemTexts::memoryFigures()
{
    QFETCH(quint64, total);
    QFETCH(quint64, available);
    QFETCH(QString, totalLine);
    QFETCH(QString, percentLine);
    const QStringList lines = memoryText({true, {}, total, available, 0, 0}, kUs).split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 6);
    QCOMPARE(lines.at(0), totalLine);
    QVERIFY(lines.at(2).startsWith(QLatin1String("Total Memory: ")));
    QCOMPARE(lines.at(4), QString());
    QCOMPARE(lines.at(5), percentLine);
}

void TestSystemTexts::driveLines()
{
    QCOMPARE(driveText({}, kUs), QString()); // no drive: the note holds the heading and a line break
    const QString text = driveText({drive(QStringLiteral("/"),
                                          QStringLiteral("root"),
                                          QStringLiteral("Local Hard Drive"),
                                          true,
                                          100 * kGB + kGB / 4,
                                          40 * kGB),
                                    drive(QStringLiteral("/media/cd"), QString(), QStringLiteral("CD-ROM"), false)},
                                   kUs);
    QCOMPARE(text,
             QStringLiteral("/  root (Local Hard Drive)  \r\n      Total Space: 100.25GB  \r\n"
                            "      Free Space: 40GB\r\n/media/cd   (CD-ROM)  \r\n"));
}

void TestSystemTexts::drivesOfALinuxSystem()
{
    MountedVolume usb = volume(QStringLiteral("/media/ann/STICK"), QStringLiteral("/dev/sdb1"), QStringLiteral("vfat"));
    usb.removable = true;
    usb.label = QStringLiteral("STICK");
    MountedVolume empty = volume(QStringLiteral("/media/cdrom"), QStringLiteral("/dev/sr0"), QStringLiteral("iso9660"));
    empty.ready = false;
    const QList<DriveStatus> drives = drivesOf({
        volume(QStringLiteral("/home"), QStringLiteral("/dev/sda2"), QStringLiteral("ext4")),
        volume(QStringLiteral("/proc"), QStringLiteral("proc"), QStringLiteral("proc")),
        volume(QStringLiteral("/run/user/1000"), QStringLiteral("tmpfs"), QStringLiteral("tmpfs")),
        volume(QStringLiteral("/snap/core/1"), QStringLiteral("/dev/loop3"), QStringLiteral("squashfs")),
        volume(QStringLiteral("/"), QStringLiteral("overlay"), QStringLiteral("overlay")),
        volume(QStringLiteral("/srv/home-again"), QStringLiteral("/dev/sda2"), QStringLiteral("ext4")),
        volume(QStringLiteral("/mnt/nas"), QStringLiteral("nas:/export"), QStringLiteral("nfs4")),
        volume(QStringLiteral("/mnt/ram"), QStringLiteral("tmpfs"), QStringLiteral("tmpfs")),
        usb,
        empty,
    });
    QStringList listed;
    for (const DriveStatus& d : drives) {
        listed << d.root + QLatin1Char(' ') + d.kind + (d.readable ? QString() : QStringLiteral(" (not readable)"));
    }
    QCOMPARE(listed,
             (QStringList {"/ Unknown",
                           "/home Local Hard Drive",
                           "/media/ann/STICK Removable Drive",
                           "/media/cdrom CD-ROM (not readable)",
                           "/mnt/nas Network",
                           "/mnt/ram RAM Disk"}));
    QCOMPARE(drives.at(2).label, QStringLiteral("STICK"));
    QCOMPARE(drives.at(1).label, QStringLiteral("/dev/sda2")); // no label: the device
}

void TestSystemTexts::meminfo()
{
    const MemoryStatus memory = parseMeminfo(QStringLiteral("MemTotal:       16318248 kB\nMemFree:  1000 kB\n"
                                                            "MemAvailable:    8159124 kB\nSwapTotal:       2097148 kB\n"
                                                            "SwapFree:        2097148 kB\n"));
    QVERIFY(memory.ok);
    QCOMPARE(memory.totalPhysical, 16318248ULL * 1024); // past 4 GiB
    QCOMPARE(memory.availablePhysical, 8159124ULL * 1024);
    QCOMPARE(memory.availablePageFile, 2097148ULL * 1024);
    QVERIFY(!parseMeminfo(QStringLiteral("garbage")).ok);
}

void TestSystemTexts::choosingRefreshingAndStopping()
{
    FakeSystemInfo system;
    QDateTime now(QDate(2026, 12, 7), QTime(15, 4, 5, 250));
    Clock::setSource([&now] { return now; });
    NoteBoard board;
    board.setSpecialNoteFactory(specialNoteFactory(specialContentFactory(), {}));
    Note* note = board.createNote();
    QVERIFY(note->run(Command::SpecialTime));
    QVERIFY(note->text().text().startsWith(QLatin1String("Time: \r\n03:04:05 ")));
    QVERIFY(note->text().isLocked());
    QVERIFY(!note->isEnabled(Command::Save) && !note->isEnabled(Command::SaveAs) && note->isEnabled(Command::AppendTo));
    QCOMPARE(specialDriverOf(*note)->refreshDelay(), 750); // to the next whole second
    now = now.addMSecs(750);
    QTRY_VERIFY(note->text().text().contains(QLatin1String("03:04:06")));

    QVERIFY(note->run(Command::SpecialMemory)); // replaces the time at once; one reading for all six lines
    QVERIFY(note->text().text().startsWith(QLatin1String("Memory:\r\nTotal Physical: 8192M")));
    QCOMPARE(system.memoryReads, 1);
    QCOMPARE(specialDriverOf(*note)->refreshDelay(), 65535);

    QVERIFY(note->run(Command::StopSpecialNote));
    QVERIFY(!specialDriverOf(*note)->isRefreshing() && !note->text().isLocked());
    QVERIFY(note->isEnabled(Command::Save));
    QCOMPARE(specialDriverOf(*note)->kind(), SpecialKind::Memory); // the kind is remembered
}

void TestSystemTexts::failingContentStopsTheRefresh()
{
    FakeSystemInfo system;
    system.memoryStatus = {false, QStringLiteral("Cannot read /proc/meminfo")};
    clearErrorLog();
    NoteBoard board;
    board.setSpecialNoteFactory(specialNoteFactory(specialContentFactory(), {}));
    Note* note = board.createNote();
    QVERIFY(note->run(Command::SpecialMemory));
    QVERIFY(!specialDriverOf(*note)->isRefreshing());
    const QStringList log = errorLogLines();
    QCOMPARE(log.size(), 1);
    QVERIFY(log.first().contains(QLatin1String("frmMain: DisplaySpecialNote"))
            && log.first().contains(QLatin1String("Cannot read /proc/meminfo")));
}

void TestSystemTexts::timeNoteAtLogOffComesBackAsATimeNote()
{
    NoteBoard board;
    board.setSpecialNoteFactory(specialNoteFactory(specialContentFactory(), {}));
    board.createNote()->run(Command::SpecialTime);
    board.createNote()->run(Command::SpecialMemory);
    board.notes().last()->run(Command::StopSpecialNote); // an ordinary note again, with the last figures
    QVERIFY(writeMainNoteFile({board.notes().first()->sessionRecord(), board.notes().last()->sessionRecord()}));
    const NoteList kept = loadMainNoteFile();
    QCOMPARE(kept.size(), 2);
    for (const NoteRecord& record : kept) {
        Note* reopened = board.createNote(NoteOrigin::Kept);
        QVERIFY(reopened->setFromRecord(record, QString()));
        reopened->resumeSpecial(record);
    }
    Note* time = board.notes().at(2);
    QCOMPARE(specialDriverOf(*time)->kind(), SpecialKind::Time);
    QVERIFY(specialDriverOf(*time)->isRefreshing() && time->text().isLocked());
    Note* stopped = board.notes().last();
    QVERIFY(!stopped->isSpecial() && !stopped->text().isLocked());
    QFile::remove(mainNoteFilePath());
}

QTEST_MAIN(TestSystemTexts)
#include "tst_systemtexts.moc"
