// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/systeminfo.h"
#include "support/replaceable.h"

namespace jotlet {

namespace {

Replaceable<SystemInfo> g_info;

} // namespace

SystemInfo& systemInfo()
{
    return g_info.orElse(platformSystemInfo());
}

void setSystemInfo(SystemInfo* info)
{
    g_info.install(info);
}

} // namespace jotlet
