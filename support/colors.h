// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

#include <optional>

namespace jotlet {

// Colours are kept as 32-bit 0x00BBGGRR values, as in stored settings and note records.
QColor colorFromBgr(quint32 color);
quint32 bgrFromColor(const QColor& color);

// True when the value names a system colour (top bit set, the index in the low byte).
bool isSystemColor(qint64 value);

// A stored colour value as a colour: plain values directly, system colours through the application palette.
// Nothing for an unknown system colour index or a value outside 0 .. 0x00FFFFFF.
std::optional<QColor> translateColor(qint64 value);

} // namespace jotlet
