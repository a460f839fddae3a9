// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// Memory from GlobalMemoryStatusEx and drives A: to Z: from the system's own calls.
#include "platform/systeminfo.h"
#include "support/problem.h"

#include <QCoreApplication>

#include <windows.h>

namespace jotlet {

namespace {

// The kind of a drive, as the drives note shows it.
QString driveKind(UINT type)
{
    const char* kind = QT_TRANSLATE_NOOP("SystemInfo", "Unknown");
    switch (type) {
    case DRIVE_REMOVABLE:
        kind = QT_TRANSLATE_NOOP("SystemInfo", "Removable Drive");
        break;
    case DRIVE_FIXED:
        kind = QT_TRANSLATE_NOOP("SystemInfo", "Local Hard Drive");
        break;
    case DRIVE_REMOTE:
        kind = QT_TRANSLATE_NOOP("SystemInfo", "Network");
        break;
    case DRIVE_CDROM:
        kind = QT_TRANSLATE_NOOP("SystemInfo", "CD-ROM");
        break;
    case DRIVE_RAMDISK:
        kind = QT_TRANSLATE_NOOP("SystemInfo", "RAM Disk");
        break;
    }
    return QCoreApplication::translate("SystemInfo", kind);
}

class WindowsSystemInfo : public SystemInfo
{
public:
    MemoryStatus memory() override
    {
        MEMORYSTATUSEX status = {};
        status.dwLength = sizeof status;
        if (!GlobalMemoryStatusEx(&status)) {
            return {false,
                    Problem(QT_TRANSLATE_NOOP("Problem", "GlobalMemoryStatusEx failed (%1)"), {qint64(GetLastError())})
                        .english()};
        }
        // The page file figures include physical memory; the swap alone is the difference.
        return {true,
                QString(),
                status.ullTotalPhys,
                status.ullAvailPhys,
                status.ullTotalPageFile - qMin(status.ullTotalPageFile, status.ullTotalPhys),
                status.ullAvailPageFile - qMin(status.ullAvailPageFile, status.ullAvailPhys)};
    }

    QList<DriveStatus> drives() override
    {
        QList<DriveStatus> drives;
        for (wchar_t letter = L'A'; letter <= L'Z'; ++letter) {
            const wchar_t root[] = {letter, L':', L'\\', 0};
            const UINT type = GetDriveTypeW(root);
            if (type == DRIVE_NO_ROOT_DIR) {
                continue;
            }
            DriveStatus drive;
            drive.root = QString::fromWCharArray(root);
            drive.kind = driveKind(type);
            wchar_t label[MAX_PATH + 1] = {};
            drive.readable = GetVolumeInformationW(root, label, MAX_PATH, nullptr, nullptr, nullptr, nullptr, 0);
            drive.label = QString::fromWCharArray(label);
            ULARGE_INTEGER freeBytes = {};
            ULARGE_INTEGER totalBytes = {};
            if (drive.readable && GetDiskFreeSpaceExW(root, nullptr, &totalBytes, &freeBytes)) {
                drive.totalBytes = totalBytes.QuadPart;
                drive.freeBytes = freeBytes.QuadPart;
            }
            drives << drive;
        }
        return drives;
    }
};

} // namespace

SystemInfo& platformSystemInfo()
{
    static WindowsSystemInfo info;
    return info;
}

} // namespace jotlet
