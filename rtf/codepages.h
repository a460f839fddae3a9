// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringDecoder>

#include <memory>

namespace jotlet {

inline constexpr int kSymbolCodepage = 42; // the Symbol font's own character set

// The Windows code page of an RTF \fcharset; -1 when the charset names none (default, unknown).
int codepageForCharset(int charset);

// Decodes bytes in Windows code pages. Unknown code pages decode as Windows-1252. Each reader keeps its own (a
// decoder is looked up once per code page it meets), so that readers on several threads share nothing.
class CodepageDecoders
{
public:
    QString decode(const QByteArray& bytes, int codepage);

private:
    QHash<int, std::shared_ptr<QStringDecoder>> m_decoders;
};

// The same for one text at a time.
QString decodeCodepage(const QByteArray& bytes, int codepage);

// True when byte starts a two-byte character in the code page (Japanese, Chinese, Korean).
bool isLeadByte(int codepage, unsigned char byte);

} // namespace jotlet
