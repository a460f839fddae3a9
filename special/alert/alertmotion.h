// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace jotlet {

// The stacking places of the alert popups, one count for the whole program: each popup takes the next place up as
// it opens (1 is the lowest). When the popup that took the highest place has gone, the next one starts again at
// the lowest.
class AlertSlots
{
public:
    static int take();
    static void release(int slot);
    static int count();
};

// How an alert popup moves, in twips, one step each tick of 10 ms: it opens from 90 twips high, 30 twips a step,
// to its full height; shows for its duration; then closes 30 twips a step and is gone once it is less than 121
// twips high. Its bottom edge stays where it is.
class AlertMotion
{
public:
    enum class Phase { Opening, Showing, Closing, Gone };
    static constexpr int kTickMs = 10;

    AlertMotion(int fullHeight, int durationMs);

    void tick();
    // While held (the user is choosing from it), the popup stays fully open; its display time goes on after.
    void setHeld(bool held) { m_held = held; }
    Phase phase() const { return m_phase; }
    int height() const { return m_height; }
    int fullHeight() const { return m_fullHeight; }

private:
    int m_fullHeight;
    int m_durationMs;
    int m_height = 90;
    int m_shownMs = 0;
    Phase m_phase = Phase::Opening;
    bool m_held = false;
};

} // namespace jotlet
