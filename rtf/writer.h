// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

class QTextDocument;

namespace jotlet {

// Writes the document as RTF in the shape rich-edit controls (2.0/3.0) write: a font table, a
// colour table of the colours used, \pard paragraphs, formatting as running toggles, bullets
// as \pn with a \pntext fallback, CR LF line ends. The output is 7-bit: Windows-1252
// characters as \'hh, all others as \uN?.
QByteArray writeRtf(const QTextDocument& doc);

} // namespace jotlet
