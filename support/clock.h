// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>

#include <functional>

namespace jotlet {

// The time the program lives by: the local time now, unless a test has set a source of its own, so that nothing
// in a test waits for a real second to pass.
class Clock
{
public:
    static QDateTime now();
    // A source of the time; an empty function goes back to the real clock.
    static void setSource(std::function<QDateTime()> source);
};

} // namespace jotlet
