// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// Memory from /proc/meminfo and drives from the mounted file systems a user thinks of as drives.
#include "platform/drivefilter.h"
#include "platform/systeminfo.h"
#include "support/problem.h"

#include <QFile>
#include <QStorageInfo>

namespace jotlet {

namespace {

class LinuxSystemInfo : public SystemInfo
{
public:
    MemoryStatus memory() override
    {
        QFile file(QStringLiteral("/proc/meminfo"));
        if (!file.open(QIODevice::ReadOnly)) {
            return {
                false,
                Problem(QT_TRANSLATE_NOOP("Problem", "Cannot read /proc/meminfo: %1"), {file.errorString()}).english()};
        }
        return parseMeminfo(QString::fromLatin1(file.readAll()));
    }

    QList<DriveStatus> drives() override
    {
        QList<MountedVolume> volumes;
        for (const QStorageInfo& storage : QStorageInfo::mountedVolumes()) {
            if (!storage.isValid()) {
                continue;
            }
            MountedVolume volume;
            volume.root = storage.rootPath();
            volume.device = QString::fromLocal8Bit(storage.device());
            volume.fileSystem = QString::fromLatin1(storage.fileSystemType());
            volume.label = storage.name();
            volume.ready = storage.isReady() && storage.bytesTotal() > 0;
            volume.totalBytes = quint64(qMax<qint64>(0, storage.bytesTotal()));
            volume.freeBytes = quint64(qMax<qint64>(0, storage.bytesAvailable()));
            volume.removable = isRemovableDevice(volume.device);
            volumes << volume;
        }
        return drivesOf(volumes);
    }
};

} // namespace

SystemInfo& platformSystemInfo()
{
    static LinuxSystemInfo info;
    return info;
}

} // namespace jotlet
