// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

namespace jotlet {

// The computer's memory, in bytes (64-bit: more than 4 GiB is shown as it is).
struct MemoryStatus
{
    bool ok = false;
    QString error; // why it could not be read
    quint64 totalPhysical = 0;
    quint64 availablePhysical = 0;
    quint64 totalPageFile = 0; // swap on Linux
    quint64 availablePageFile = 0;
};

// A file system a user thinks of as a drive, in the place of a drive letter.
struct DriveStatus
{
    QString root;          // its mount point ("/", "/media/usb") or root path ("C:\")
    QString label;         // the volume's name, else the device's
    QString kind;          // "Removable Drive", "Local Hard Drive", "Network", "CD-ROM", "RAM Disk" or "Unknown"
    bool readable = false; // false: no medium, or its space cannot be read
    quint64 totalBytes = 0;
    quint64 freeBytes = 0;
};

// What the memory and drive notes read of the computer. The program uses the platform's; tests install a fake.
class SystemInfo
{
public:
    virtual ~SystemInfo() = default;
    virtual MemoryStatus memory() = 0;
    // In the order of their roots.
    virtual QList<DriveStatus> drives() = 0;
};

SystemInfo& systemInfo();
// Installs one (not owned) or, with nullptr, goes back to the platform's.
void setSystemInfo(SystemInfo* info);

// The platform's own: /proc/meminfo and the mounted file systems on Linux, the system's calls on Windows.
SystemInfo& platformSystemInfo();

} // namespace jotlet
