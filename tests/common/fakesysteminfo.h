// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Memory and drives as a test sets them, installed for its lifetime.
#include "platform/systeminfo.h"

class FakeSystemInfo : public jotlet::SystemInfo
{
public:
    FakeSystemInfo() { jotlet::setSystemInfo(this); }
    ~FakeSystemInfo() override { jotlet::setSystemInfo(nullptr); }

    jotlet::MemoryStatus memoryStatus {true, {}, 8ULL << 30, 3ULL << 30, 2ULL << 30, 1ULL << 30};
    QList<jotlet::DriveStatus> driveList;
    int memoryReads = 0;

    jotlet::MemoryStatus memory() override
    {
        ++memoryReads;
        return memoryStatus;
    }
    QList<jotlet::DriveStatus> drives() override { return driveList; }
};
