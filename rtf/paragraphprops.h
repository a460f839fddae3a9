// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTextBlockFormat>

namespace jotlet {

// The kinds of list RTF's paragraph numbering (\pn) states.
enum class ListKind { None, Bullet, Decimal, LowerAlpha, UpperAlpha, LowerRoman, UpperRoman };

// A paragraph's properties as RTF states them (\qc, \li, \ri, \fi, \pn ...): the reader collects them from control
// words, the writer takes them from a text block and writes them again where they change.
struct ParagraphProps
{
    Qt::Alignment align = Qt::AlignLeft;
    int li = 0; // indents in twips
    int ri = 0;
    int fi = 0;
    ListKind list = ListKind::None;
    QString listPrefix; // a numbered list's text before and after the number
    QString listSuffix = QStringLiteral(".");
    QTextBlockFormat::MarkerType check = QTextBlockFormat::MarkerType::NoMarker; // a check item's box

    bool operator==(const ParagraphProps& o) const
    {
        return align == o.align && li == o.li && ri == o.ri && fi == o.fi && list == o.list
               && listPrefix == o.listPrefix && listSuffix == o.listSuffix && check == o.check;
    }
    bool operator!=(const ParagraphProps& o) const { return !(*this == o); }
};

} // namespace jotlet
