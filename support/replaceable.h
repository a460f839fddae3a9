// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>

namespace jotlet {

// A service the program reaches through one function (the dialogs, printing, the desktop's opener, the system's
// figures, the clock), which a test or the program's start puts another in place of. The one installed answers;
// until one is, or after it is taken out again (nullptr), the fallback given by the caller does. Installing and
// answering may happen on different threads: workers ask the clock and the system's figures.
template <typename Service>
class Replaceable
{
public:
    Service& orElse(Service& fallback) const
    {
        Service* installed = m_installed.load(std::memory_order_acquire);
        return installed ? *installed : fallback;
    }
    void install(Service* service) { m_installed.store(service, std::memory_order_release); }

private:
    std::atomic<Service*> m_installed {nullptr};
};

} // namespace jotlet
