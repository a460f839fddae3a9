// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/clock.h"

#include "support/replaceable.h"

#include <deque>

namespace jotlet {

namespace {

using TimeSource = std::function<QDateTime()>;

Replaceable<const TimeSource> g_source;

} // namespace

QDateTime Clock::now()
{
    static const TimeSource real = [] { return QDateTime::currentDateTime(); };
    return g_source.orElse(real)();
}

void Clock::setSource(std::function<QDateTime()> source)
{
    // Each source stays for the program's life: a worker may still be asking the one replaced.
    static std::deque<TimeSource> sources;
    if (!source) {
        g_source.install(nullptr);
        return;
    }
    sources.push_back(std::move(source));
    g_source.install(&sources.back());
}

} // namespace jotlet
