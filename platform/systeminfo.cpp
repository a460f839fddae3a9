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
