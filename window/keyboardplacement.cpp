// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/keyboardplacement.h"

namespace jotlet {

void KeyboardPlacement::begin(Mode mode, const QRect& window, const QSize& minimum)
{
    m_mode = mode;
    m_original = window;
    m_minimum = minimum;
    m_offset = QPoint();
    m_size = window.size();
}

KeyboardPlacement::Outcome KeyboardPlacement::key(int key, Qt::KeyboardModifiers modifiers)
{
    if (m_mode == Mode::Idle) {
        return Outcome::Ignored;
    }
    const int step = (modifiers & Qt::ControlModifier) ? kFineStep : kStep;
    QPoint delta;
    switch (key) {
    case Qt::Key_Left:
        delta = {-step, 0};
        break;
    case Qt::Key_Right:
        delta = {step, 0};
        break;
    case Qt::Key_Up:
        delta = {0, -step};
        break;
    case Qt::Key_Down:
        delta = {0, step};
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_mode = Mode::Idle;
        return Outcome::Kept;
    case Qt::Key_Escape:
        m_mode = Mode::Idle;
        return Outcome::Cancelled;
    default:
        return Outcome::Ignored;
    }
    if (m_mode == Mode::Move) {
        m_offset += delta;
        return Outcome::Moved;
    }
    m_size = QSize(qMax(m_minimum.width(), m_size.width() + delta.x()),
                   qMax(m_minimum.height(), m_size.height() + delta.y()));
    return Outcome::Sized;
}

} // namespace jotlet
