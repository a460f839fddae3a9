// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/drivefilter.h"
#include "support/problem.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace jotlet {

namespace {

bool isPseudo(const QString& fileSystem)
{
    static const QSet<QString> pseudo {
        QStringLiteral("proc"),       QStringLiteral("sysfs"),       QStringLiteral("cgroup"),
        QStringLiteral("cgroup2"),    QStringLiteral("devtmpfs"),    QStringLiteral("devpts"),
        QStringLiteral("securityfs"), QStringLiteral("debugfs"),     QStringLiteral("tracefs"),
        QStringLiteral("pstore"),     QStringLiteral("bpf"),         QStringLiteral("mqueue"),
        QStringLiteral("hugetlbfs"),  QStringLiteral("configfs"),    QStringLiteral("fusectl"),
        QStringLiteral("autofs"),     QStringLiteral("binfmt_misc"), QStringLiteral("efivarfs"),
        QStringLiteral("nsfs"),       QStringLiteral("rpc_pipefs"),  QStringLiteral("selinuxfs"),
        QStringLiteral("squashfs"),   QStringLiteral("overlay"),     QStringLiteral("nfsd"),
    };
    return pseudo.contains(fileSystem);
}

bool underSystemFolder(const QString& root)
{
    for (const char* folder : {"/run", "/dev", "/sys", "/proc", "/snap"}) {
        const QString prefix = QLatin1String(folder);
        if (root == prefix || root.startsWith(prefix + QLatin1Char('/'))) {
            return true;
        }
    }
    return false;
}

bool isNetwork(const QString& fileSystem)
{
    static const QSet<QString> network {
        QStringLiteral("nfs"),
        QStringLiteral("nfs4"),
        QStringLiteral("cifs"),
        QStringLiteral("smb3"),
        QStringLiteral("smbfs"),
        QStringLiteral("sshfs"),
        QStringLiteral("fuse.sshfs"),
        QStringLiteral("9p"),
        QStringLiteral("afs"),
        QStringLiteral("ceph"),
        QStringLiteral("glusterfs"),
        QStringLiteral("davfs"),
        QStringLiteral("fuse.davfs"),
        QStringLiteral("fuse.rclone"),
    };
    return network.contains(fileSystem);
}

QString kindOf(const MountedVolume& volume)
{
    if (isNetwork(volume.fileSystem)) {
        return QString::fromLatin1(QT_TRANSLATE_NOOP("SpecialNote", "Network"));
    }
    if (volume.fileSystem == QLatin1String("iso9660") || volume.fileSystem == QLatin1String("udf")) {
        return QString::fromLatin1(QT_TRANSLATE_NOOP("SpecialNote", "CD-ROM"));
    }
    if (volume.fileSystem == QLatin1String("tmpfs") || volume.fileSystem == QLatin1String("ramfs")) {
        return QString::fromLatin1(QT_TRANSLATE_NOOP("SpecialNote", "RAM Disk"));
    }
    if (volume.device.startsWith(QLatin1String("/dev/"))) {
        return volume.removable ? QString::fromLatin1(QT_TRANSLATE_NOOP("SpecialNote", "Removable Drive"))
                                : QString::fromLatin1(QT_TRANSLATE_NOOP("SpecialNote", "Local Hard Drive"));
    }
    return QString::fromLatin1(QT_TRANSLATE_NOOP("SpecialNote", "Unknown"));
}

bool isDrive(const MountedVolume& volume)
{
    if (volume.root == QLatin1String("/")) {
        return true; // the root file system always, whatever it is (an overlay in a container)
    }
    if (underSystemFolder(volume.root) || isPseudo(volume.fileSystem)) {
        return false;
    }
    return volume.device.startsWith(QLatin1String("/dev/")) || isNetwork(volume.fileSystem)
           || volume.fileSystem == QLatin1String("tmpfs") || volume.fileSystem == QLatin1String("ramfs");
}

} // namespace

MemoryStatus parseMeminfo(const QString& text)
{
    static const QRegularExpression line(QStringLiteral(R"(^(\w+):\s+(\d+)\s*kB)"),
                                         QRegularExpression::MultilineOption);
    QHash<QString, quint64> values;
    for (auto it = line.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        values.insert(match.captured(1), match.captured(2).toULongLong() * 1024);
    }
    if (!values.contains(QStringLiteral("MemTotal"))) {
        return {false, Problem(QT_TRANSLATE_NOOP("Problem", "/proc/meminfo has no MemTotal")).english()};
    }
    const quint64 available = values.value(QStringLiteral("MemAvailable"), values.value(QStringLiteral("MemFree")));
    return {true,
            QString(),
            values.value(QStringLiteral("MemTotal")),
            available,
            values.value(QStringLiteral("SwapTotal")),
            values.value(QStringLiteral("SwapFree"))};
}

QList<DriveStatus> drivesOf(const QList<MountedVolume>& volumes)
{
    QList<MountedVolume> sorted = volumes;
    std::stable_sort(
        sorted.begin(), sorted.end(), [](const MountedVolume& a, const MountedVolume& b) { return a.root < b.root; });
    QList<DriveStatus> drives;
    QSet<QString> devices;
    QSet<QString> roots;
    for (const MountedVolume& volume : sorted) {
        if (!isDrive(volume) || roots.contains(volume.root)) {
            continue;
        }
        // A second mount of the same device (a bind mount) is the same drive.
        if (volume.device.startsWith(QLatin1Char('/')) && devices.contains(volume.device)) {
            continue;
        }
        devices.insert(volume.device);
        roots.insert(volume.root);
        DriveStatus drive;
        drive.root = volume.root;
        drive.label = volume.label.isEmpty() ? volume.device : volume.label;
        drive.kind = kindOf(volume);
        drive.readable = volume.ready;
        drive.totalBytes = volume.totalBytes;
        drive.freeBytes = volume.freeBytes;
        drives << drive;
    }
    return drives;
}

bool isRemovableDevice(const QString& device)
{
    // /dev/sdb1 is a partition of /sys/block/sdb; /dev/mmcblk0p1 of mmcblk0.
    QString name = QFileInfo(QFileInfo(device).canonicalFilePath()).fileName();
    if (name.isEmpty()) {
        return false;
    }
    for (QString candidate = name; !candidate.isEmpty(); candidate.chop(1)) {
        QFile flag(QStringLiteral("/sys/block/%1/removable").arg(candidate)); // untranslated: a path
        if (flag.open(QIODevice::ReadOnly)) {
            return flag.readAll().trimmed() == "1";
        }
    }
    return false;
}

} // namespace jotlet
