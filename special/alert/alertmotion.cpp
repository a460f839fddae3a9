// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "special/alert/alertmotion.h"

#include <algorithm>

namespace jotlet {

namespace {

int g_alertCount = 0;

} // namespace

int AlertSlots::take()
{
    return ++g_alertCount;
}

void AlertSlots::release(int slot)
{
    if (slot == g_alertCount) {
        g_alertCount = 0;
    }
}

int AlertSlots::count()
{
    return g_alertCount;
}

AlertMotion::AlertMotion(int fullHeight, int durationMs)
    : m_fullHeight(fullHeight)
    , m_durationMs(durationMs)
{
}

void AlertMotion::tick()
{
    constexpr int kStep = 30;
    constexpr int kSmallest = 121;
    switch (m_phase) {
    case Phase::Opening:
        if (m_height >= m_fullHeight) {
            m_phase = Phase::Showing; // the display time starts now
        } else {
            m_height += std::min(kStep, m_fullHeight - m_height);
        }
        break;
    case Phase::Showing:
        if (m_held) {
            break;
        }
        m_shownMs += kTickMs;
        if (m_shownMs >= m_durationMs) {
            m_phase = Phase::Closing;
        }
        break;
    case Phase::Closing:
        if (m_height < kSmallest) {
            m_phase = Phase::Gone;
        } else {
            m_height -= kStep;
        }
        break;
    case Phase::Gone:
        break;
    }
}

} // namespace jotlet
