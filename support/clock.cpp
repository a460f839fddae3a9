// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/clock.h"

namespace jotlet {

namespace {

std::function<QDateTime()>& source()
{
    static std::function<QDateTime()> installed;
    return installed;
}

} // namespace

QDateTime Clock::now()
{
    return source() ? source()() : QDateTime::currentDateTime();
}

void Clock::setSource(std::function<QDateTime()> source)
{
    jotlet::source() = std::move(source);
}

} // namespace jotlet
