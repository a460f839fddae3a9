// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "note/command.h"

namespace jotlet {

CommandCall keyCommand(int key, Qt::KeyboardModifiers modifiers)
{
    const bool ctrl = modifiers & Qt::ControlModifier;
    const bool shift = modifiers & Qt::ShiftModifier;
    const bool alt = modifiers & Qt::AltModifier;
    const auto when = [](bool condition, Command command, int index = -1) {
        return condition ? CommandCall {command, index} : CommandCall {};
    };
    switch (key) {
    case Qt::Key_Escape:
        return {Command::ToggleRollUp};
    case Qt::Key_Space:
        return when(alt, Command::ShowSystemMenu);
    case Qt::Key_F4:
        return when(alt, Command::CloseNote);
    case Qt::Key_F7:
        return alt ? CommandCall {Command::KeyboardMove} : CommandCall {Command::CheckSpelling};
    case Qt::Key_F8:
        return when(alt, Command::KeyboardSize);
    case Qt::Key_F6:
        return {Command::InsertDateStamp, ctrl ? 2 : shift ? 1 : 0}; // Ctrl wins over Shift
    case Qt::Key_O:
        return when(ctrl, Command::OpenNote);
    case Qt::Key_N:
        return when(ctrl, Command::NewNote);
    case Qt::Key_S:
        return when(ctrl, Command::Save);
    case Qt::Key_P:
        return when(ctrl, Command::PrintNote);
    case Qt::Key_Y:
        return when(ctrl, Command::EmailNote);
    case Qt::Key_V:
        return when(ctrl && shift, Command::PastePlainText);
    case Qt::Key_B:
        return when(ctrl, Command::StyleBold);
    case Qt::Key_I:
        return when(ctrl, Command::StyleItalic);
    case Qt::Key_U:
        return when(ctrl, Command::StyleUnderline);
    case Qt::Key_F:
        return when(ctrl && shift, Command::FindInNotes);
    case Qt::Key_L:
        return when(ctrl && shift, Command::Checklist);
    default:
        return {};
    }
}

void KeyPresses::press(int key, Qt::KeyboardModifiers modifiers, bool autoRepeat, quint64 timestamp)
{
    const bool serverRepeat = timestamp != 0 && m_releasedAt.value(key) == timestamp;
    if (!autoRepeat && !serverRepeat) {
        m_pressed.insert(key, modifiers);
    }
}

std::optional<Qt::KeyboardModifiers>
KeyPresses::release(int key, Qt::KeyboardModifiers modifiers, bool autoRepeat, quint64 timestamp)
{
    if (autoRepeat) {
        return std::nullopt;
    }
    m_releasedAt.insert(key, timestamp);
    const auto pressed = m_pressed.constFind(key);
    if (pressed == m_pressed.constEnd()) {
        return std::nullopt;
    }
    const Qt::KeyboardModifiers held = *pressed | modifiers;
    m_pressed.erase(pressed);
    return held;
}

} // namespace jotlet
