// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/systeminfo.h"

namespace jotlet {

// The figures of /proc/meminfo (kB) the memory note shows: MemTotal, MemAvailable, SwapTotal, SwapFree.
MemoryStatus parseMeminfo(const QString& text);

// A mounted file system as the system lists it.
struct MountedVolume
{
    QString root;
    QString device;
    QString fileSystem;
    QString label;
    bool ready = false;
    bool removable = false;
    quint64 totalBytes = 0;
    quint64 freeBytes = 0;
};

// The file systems a user thinks of as drives, in the order of their roots: the root file system always; block
// devices and network mounts; not pseudo or system file systems (proc, sysfs, cgroup, devtmpfs, devpts, the tmpfs
// mounts under /run, /dev and /sys, squashfs images of snaps ...) and not a second mount of the same device.
QList<DriveStatus> drivesOf(const QList<MountedVolume>& volumes);

// Whether a block device is removable, from /sys/block; false when it cannot be told.
bool isRemovableDevice(const QString& device);

} // namespace jotlet
