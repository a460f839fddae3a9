// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <limits>

namespace jotlet {

// Where the root element of a UTF-8 note file ends, found in one quick pass that also checks that the file is
// well-formed. It understands what note files hold (a declaration, comments, elements with attributes, text,
// character and predefined entity references, CDATA); anything else (a document type, processing instructions,
// names outside ASCII, another encoding) makes it answer "unsure", and so does any fault it sees, so that the
// caller can ask a full parser. "Well-formed" is only ever answered for a well-formed document.
struct QuickXmlScan
{
    bool wellFormed = false;
    qsizetype rootEnd = -1;   // where "</ROOT>" starts, or "/>" of an empty root
    bool selfClosing = false; // the root was written as <ROOT/>
    QByteArray rootName;
    bool tooDeep = false; // an element nested deeper than the limit given: the scan stopped there
};

// Whether XML 1.0 can carry the character (tab, CR, LF and the ranges of its Char production).
inline bool isXmlCodePoint(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD)
           || (c >= 0x10000 && c <= 0x10FFFF);
}

QuickXmlScan quickScanXml(QByteArrayView bytes, int maxDepth = std::numeric_limits<int>::max());

} // namespace jotlet
