// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/systeminfo.h"

namespace jotlet {

namespace {

SystemInfo* g_installed = nullptr;

} // namespace

SystemInfo& systemInfo()
{
    return g_installed ? *g_installed : platformSystemInfo();
}

void setSystemInfo(SystemInfo* info)
{
    g_installed = info;
}

} // namespace jotlet
