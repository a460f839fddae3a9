// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "notes/quickxmlscan.h"

#include <QVarLengthArray>
#include <QtEndian>

#include <cstring>

namespace jotlet {

namespace {

bool isNameStart(char c)
{
    // No ':': a prefixed name needs namespace processing, which is the full parser's to judge.
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

bool isNameChar(char c)
{
    return isNameStart(c) || (c >= '0' && c <= '9') || c == '.' || c == '-';
}

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

constexpr quint64 kOnes = ~0ULL / 255;
constexpr quint64 kHighBits = kOnes * 0x80;
constexpr quint64 kLowBits = kOnes * 0x7F;

// The high bit of every byte of x that equals v (exact per byte: no carry crosses a byte).
constexpr quint64 bytesEqual(quint64 x, quint8 v)
{
    const quint64 y = x ^ (kOnes * v);
    return ~(((y & kLowBits) + kLowBits) | y) & kHighBits;
}

// The high bit of every byte of x below 0x20.
constexpr quint64 bytesBelowSpace(quint64 x)
{
    return ~(((x & kLowBits) + kOnes * (0x80 - 0x20)) | x) & kHighBits;
}

// The high bit of every byte that needs a closer look in text: a control character other than tab, CR and LF,
// '<', '&', ']', the quote that ends an attribute value, or 0xEF (which starts U+FFFE and U+FFFF).
quint64 needsLook(quint64 x, char quote)
{
    const quint64 controls = bytesBelowSpace(x) & ~(bytesEqual(x, '\t') | bytesEqual(x, '\n') | bytesEqual(x, '\r'));
    return controls | bytesEqual(x, '<') | bytesEqual(x, '&') | bytesEqual(x, ']') | bytesEqual(x, 0xEF)
           | (quote ? bytesEqual(x, quint8(quote)) : 0);
}

class Scanner
{
public:
    Scanner(QByteArrayView bytes, int maxDepth)
        : m_maxDepth(maxDepth)
        , m_begin(bytes.data())
        , m_p(bytes.data())
        , m_end(bytes.data() + bytes.size())
    {
    }

    QuickXmlScan run();

private:
    template <size_t N>
    bool at(const char (&text)[N]) const
    {
        return size_t(m_end - m_p) >= N - 1 && memcmp(m_p, text, N - 1) == 0;
    }
    template <size_t N>
    bool skip(const char (&text)[N])
    {
        if (!at(text)) {
            return false;
        }
        m_p += N - 1;
        return true;
    }
    bool skipSpace();
    bool name(QByteArrayView* result);
    char equalsAndQuote();
    bool declaration();
    bool misc();
    bool checkedUpTo(const char* stop, qsizetype terminatorLength);
    bool comment();
    bool cdata();
    bool reference();
    bool charRun(const char* stop, char quote);
    bool attributes();
    bool element();

    int m_maxDepth;
    const char* m_begin;
    const char* m_p;
    const char* m_end;
    QuickXmlScan m_result;
};

bool Scanner::skipSpace()
{
    const char* start = m_p;
    while (m_p < m_end && isSpace(*m_p)) {
        ++m_p;
    }
    return m_p != start;
}

bool Scanner::name(QByteArrayView* result)
{
    const char* start = m_p;
    if (m_p == m_end || !isNameStart(*m_p)) {
        return false;
    }
    while (m_p < m_end && isNameChar(*m_p)) {
        ++m_p;
    }
    *result = QByteArrayView(start, m_p - start);
    return true;
}

// <?xml version="1.0" encoding="UTF-8" standalone="yes"?>, each part but the version optional, in that order.
// '=' with optional blanks around it and the opening quote of a value; returns the quote, or 0 when not there.
char Scanner::equalsAndQuote()
{
    skipSpace();
    if (!skip("=")) {
        return 0;
    }
    skipSpace();
    if (m_p == m_end || (*m_p != '"' && *m_p != '\'')) {
        return 0;
    }
    return *m_p++;
}

bool Scanner::declaration()
{
    if (!skip("<?xml") || !skipSpace() || !skip("version")) {
        return false;
    }
    const auto value = [this](QByteArrayView* text) {
        const char quote = equalsAndQuote();
        if (!quote) {
            return false;
        }
        const char* start = m_p;
        while (m_p < m_end && *m_p != quote && (isNameChar(*m_p))) {
            ++m_p;
        }
        *text = QByteArrayView(start, m_p - start);
        if (m_p == m_end || *m_p != quote) {
            return false;
        }
        ++m_p;
        return true;
    };
    QByteArrayView text;
    if (!value(&text) || text != "1.0") {
        return false;
    }
    bool spaced = skipSpace();
    if (spaced && skip("encoding")) {
        if (!value(&text) || (text.compare("UTF-8", Qt::CaseInsensitive) != 0)) {
            return false; // another encoding: the caller decodes it first
        }
        spaced = skipSpace();
    }
    if (spaced && skip("standalone")) {
        if (!value(&text) || (text != "yes" && text != "no")) {
            return false;
        }
        skipSpace();
    }
    return skip("?>");
}

bool Scanner::misc()
{
    for (;;) {
        skipSpace();
        if (!at("<!--")) {
            return true;
        }
        if (!comment()) {
            return false;
        }
    }
}

// Checks the characters from here to the stop (where the text's terminator starts) and steps past the terminator.
bool Scanner::checkedUpTo(const char* stop, qsizetype terminatorLength)
{
    if (!charRun(stop, 0)) {
        return false;
    }
    m_p = stop + terminatorLength;
    return true;
}

bool Scanner::comment()
{
    m_p += 4;
    const char* start = m_p;
    while (m_p + 1 < m_end && !(m_p[0] == '-' && m_p[1] == '-')) {
        ++m_p;
    }
    if (!at("-->")) {
        return false; // "--" inside a comment, or no end
    }
    const char* stop = m_p;
    m_p = start;
    return checkedUpTo(stop, 3);
}

bool Scanner::cdata()
{
    m_p += 9;
    const char* start = m_p;
    while (m_p + 2 < m_end && !(m_p[0] == ']' && m_p[1] == ']' && m_p[2] == '>')) {
        ++m_p;
    }
    if (!at("]]>")) {
        return false;
    }
    const char* stop = m_p;
    m_p = start;
    return checkedUpTo(stop, 3);
}

bool Scanner::reference()
{
    ++m_p; // '&'
    switch (m_p < m_end ? *m_p : 0) {
    case 'a':
        return skip("amp;") || skip("apos;");
    case 'l':
        return skip("lt;");
    case 'g':
        return skip("gt;");
    case 'q':
        return skip("quot;");
    default:
        break;
    }
    if (!skip("#")) {
        return false; // an entity the document would have to declare
    }
    const bool hex = skip("x");
    quint32 value = 0;
    const char* digits = m_p;
    for (; m_p < m_end && *m_p != ';' && m_p - digits < 8; ++m_p) {
        const char c = *m_p;
        int digit = -1;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (hex && ((c | 0x20) >= 'a' && (c | 0x20) <= 'f')) {
            digit = (c | 0x20) - 'a' + 10;
        }
        if (digit < 0) {
            return false;
        }
        value = value * (hex ? 16 : 10) + quint32(digit);
    }
    return m_p != digits && skip(";") && isXmlCodePoint(value);
}

// Checks characters up to stop (or, with stop null, up to the next '<', or the quote of an attribute value);
// references are followed. Valid UTF-8 is the caller's to check; here the characters XML forbids are refused.
bool Scanner::charRun(const char* stop, char quote)
{
    const char* end = stop ? stop : m_end;
    while (m_p < end) {
        if (end - m_p >= 8) {
            // Eight bytes at a time up to the first that needs a look.
            const quint64 look = needsLook(qFromLittleEndian<quint64>(m_p), quote);
            m_p += look ? qCountTrailingZeroBits(look) / 8 : 8;
            if (!look) {
                continue;
            }
        }
        const unsigned char c = static_cast<unsigned char>(*m_p);
        if (c >= 0x20 && c != '<' && c != '&' && c != '>' && c != ']' && c != 0xEF && c != quote) {
            ++m_p;
            continue;
        }
        if (c == '\t' || c == '\r' || c == '\n' || c == '>' || (c == ']' && (stop || !at("]]>")))) {
            ++m_p;
        } else if (c == 0xEF) {
            if (m_end - m_p >= 3 && static_cast<unsigned char>(m_p[1]) == 0xBF
                && (static_cast<unsigned char>(m_p[2]) & 0xFE) == 0xBE) {
                return false; // U+FFFE, U+FFFF
            }
            ++m_p;
        } else if (stop) {
            if (c < 0x20) {
                return false;
            }
            ++m_p; // comment and CDATA text may hold '<', '&' and quotes
        } else if (c == '&') {
            if (!reference()) {
                return false;
            }
        } else if (c == '<' || (quote && c == static_cast<unsigned char>(quote))) {
            return true;
        } else {
            return false;
        }
    }
    return !quote; // an attribute value must end with its quote
}

bool Scanner::attributes()
{
    QVarLengthArray<QByteArrayView, 8> seen;
    for (;;) {
        const bool spaced = skipSpace();
        if (m_p == m_end || *m_p == '>' || *m_p == '/') {
            return true;
        }
        QByteArrayView attribute;
        if (!spaced || !name(&attribute) || std::find(seen.begin(), seen.end(), attribute) != seen.end()) {
            return false;
        }
        seen.append(attribute);
        const char quote = equalsAndQuote();
        if (!quote || !charRun(nullptr, quote) || m_p == m_end || *m_p != quote) {
            return false;
        }
        ++m_p;
    }
}

bool Scanner::element()
{
    QVarLengthArray<QByteArrayView, 16> open;
    do {
        if (open.size() == 1 && at("</")) {
            m_result.rootEnd = m_p - m_begin; // the root's end tag, checked below
        }
        if (skip("</")) {
            QByteArrayView closing;
            if (open.isEmpty() || !name(&closing) || closing != open.back()) {
                return false;
            }
            skipSpace();
            if (!skip(">")) {
                return false;
            }
            open.removeLast();
        } else if (at("<!--")) {
            if (open.isEmpty() || !comment()) {
                return false;
            }
        } else if (at("<![CDATA[")) {
            if (open.isEmpty() || !cdata()) {
                return false;
            }
        } else if (skip("<")) {
            if (open.size() >= m_maxDepth) {
                m_result.tooDeep = true;
                return false;
            }
            QByteArrayView tag;
            if (!name(&tag) || !attributes()) {
                return false;
            }
            const bool root = open.isEmpty();
            if (root) {
                m_result.rootName = tag.toByteArray();
            }
            if (skip("/>")) {
                if (root) {
                    m_result.selfClosing = true;
                    m_result.rootEnd = m_p - 2 - m_begin;
                }
            } else if (skip(">")) {
                open.append(tag);
            } else {
                return false;
            }
        } else if (open.isEmpty() || !charRun(nullptr, 0)) {
            return false; // text outside the root
        }
    } while (!open.isEmpty() && m_p < m_end);
    return open.isEmpty() && m_result.rootEnd >= 0;
}

QuickXmlScan Scanner::run()
{
    skip("\xEF\xBB\xBF");
    if (at("<?xml") && !declaration()) {
        return {};
    }
    if (!misc() || !element() || !misc() || m_p != m_end) {
        QuickXmlScan unsure;
        unsure.tooDeep = m_result.tooDeep;
        return unsure;
    }
    m_result.wellFormed = true;
    return m_result;
}

} // namespace

QuickXmlScan quickScanXml(QByteArrayView bytes, int maxDepth)
{
    return Scanner(bytes, maxDepth).run();
}

} // namespace jotlet
