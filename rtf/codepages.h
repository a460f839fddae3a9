// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace jotlet {

inline constexpr int kSymbolCodepage = 42; // the Symbol font's own character set

// The Windows code page of an RTF \fcharset; -1 when the charset names none (default, unknown).
int codepageForCharset(int charset);

// Decodes bytes in a Windows code page. Unknown code pages decode as Windows-1252.
QString decodeCodepage(const QByteArray& bytes, int codepage);

// True when byte starts a two-byte character in the code page (Japanese, Chinese, Korean).
bool isLeadByte(int codepage, unsigned char byte);

} // namespace jotlet
