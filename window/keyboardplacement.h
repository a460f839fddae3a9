// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>
#include <Qt>

namespace jotlet {

// Moving or sizing a note with the keys, without a window: the arrows step 10 pixels (1 with Ctrl held), Enter
// keeps the result, Esc goes back to where the note was. A move is told as the offset of an imagined pointer from
// where it started, so that the window follows it as it follows a drag, snapping to the same edges. A resize never
// goes below the note's smallest size.
class KeyboardPlacement
{
public:
    enum class Mode { Idle, Move, Size };
    enum class Outcome { Ignored, Moved, Sized, Kept, Cancelled };

    static constexpr int kStep = 10;
    static constexpr int kFineStep = 1;

    void begin(Mode mode, const QRect& window, const QSize& minimum);
    // Ends the gesture where it is (a click elsewhere, the note closing).
    void end() { m_mode = Mode::Idle; }

    Mode mode() const { return m_mode; }
    bool isActive() const { return m_mode != Mode::Idle; }

    // What a key press does; keys the gesture does not use are Ignored and go on to the note.
    Outcome key(int key, Qt::KeyboardModifiers modifiers);

    QPoint offset() const { return m_offset; }    // of the imagined pointer since begin(), for Moved
    QSize size() const { return m_size; }         // for Sized
    QRect original() const { return m_original; } // for Cancelled

private:
    Mode m_mode = Mode::Idle;
    QRect m_original;
    QSize m_minimum;
    QPoint m_offset;
    QSize m_size;
};

} // namespace jotlet
