// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace jotlet {

// Windows-1252, the code page of note files and RTF written on Windows. The five bytes the code
// page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control of the same value,
// as Windows itself does, so that decoding never loses a byte.
QString decodeWindows1252(const QByteArray& bytes);

// The code page's byte for one character, or -1 when the character has none.
int windows1252Byte(char16_t ch);

// True when the bytes are well-formed UTF-8 (an optional byte order mark included).
bool isValidUtf8(const QByteArray& bytes);

} // namespace jotlet
