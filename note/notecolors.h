// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

namespace jotlet {

// The eight note colours in the order of the Color menu (0x00BBGGRR).
struct NoteColor
{
    const char* name;
    quint32 value;
};
inline constexpr NoteColor kNoteColors[] = {
    {"yellow", 0xC0FFFF},
    {"blue", 0xFFCC33},
    {"green", 0xCCFFAB},
    {"red", 0xC0C0FF},
    {"grey", 0xC0C0C0},
    {"peach", 0x99CCFF},
    {"purple", 0xF2A5E6},
    {"tang", 0x5FC2F0},
};
// The Color menu's "Custom Color..." item, after the eight colours and a separator.
inline constexpr int kCustomColorIndex = 9;
// A colour name (any case) or a decimal colour value as 0x00BBGGRR: a plain value 0 .. 0xFFFFFF, or a value with
// the top bit set naming a system colour (translated through the palette). Nothing for any other text.
std::optional<quint32> noteColorValue(const QString& text);

// The transparency levels "Low", "Medium", "High", "Off" (index 0-3) as opacity 0-255.
inline constexpr int kTransparencyLevels[] = {225, 150, 50, 255};

} // namespace jotlet
