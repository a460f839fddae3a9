// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// Groups, destinations, control words and symbols, and the bytes of text between them.
#include "rtf/parser.h"

#include "rtf/codepages.h"
#include "rtf/format.h"
#include "rtf/pictures.h"
#include "support/codepage.h"

#include <QStringDecoder>
#include <QTextDocument>

#include <algorithm>
#include <cstring>

namespace jotlet::rtfparse {

void Parser::run()
{
    m_colors.reserve(16);
    while (m_p < m_end && !m_done) {
        const auto c = static_cast<unsigned char>(*m_p++);
        switch (c) {
        case '{':
            openGroup();
            break;
        case '}':
            closeGroup();
            break;
        case '\\':
            if (m_p < m_end && ((*m_p >= 'a' && *m_p <= 'z') || (*m_p >= 'A' && *m_p <= 'Z'))) {
                controlWord();
            } else {
                controlSymbol();
            }
            break;
        case '\r':
        case '\n':
        case '\0':
            break;
        default:
            if (m_st.dest == Dest::Pict) {
                --m_p;
                readPictHex();
            } else if (m_depth > 0) {
                textByte(c);
            }
            break;
        }
    }
    finish();
}

// A picture's hex digits, read in one sweep up to the next control word or brace: megabytes of them take
// milliseconds. Bytes past the limit on a picture are read over, not kept.
void Parser::readPictHex()
{
    // The run of digits (and the spaces and line ends between them) ends at the next brace or control word.
    const char* stop = m_end;
    for (const char c : {'{', '}', '\\'}) {
        if (const void* found = std::memchr(m_p, c, size_t(stop - m_p))) {
            stop = static_cast<const char*>(found);
        }
    }
    if (m_pict.overflow) {
        m_p = stop;
        return;
    }
    // Written straight into the picture's bytes, at most half the run's characters and never past the limit.
    QByteArray& data = m_pict.data;
    const qsizetype before = data.size();
    const qsizetype room = std::min<qsizetype>((stop - m_p) / 2 + 1, 2 * kMaxPictureBytes - before + 1);
    data.resize(before + std::max<qsizetype>(room, 0));
    char* out = data.data() + before;
    const char* const full = data.constData() + data.size();
    int nibble = m_pict.nibble;
    for (; m_p < stop && out < full; ++m_p) {
        const auto c = static_cast<unsigned char>(*m_p);
        int value;
        if (c >= '0' && c <= '9') {
            value = c - '0';
        } else if ((c | 0x20) >= 'a' && (c | 0x20) <= 'f') {
            value = (c | 0x20) - 'a' + 10;
        } else {
            continue; // spaces, line ends and anything not hex are read over
        }
        if (nibble < 0) {
            nibble = value;
        } else {
            *out++ = static_cast<char>(nibble * 16 + value);
            nibble = -1;
        }
    }
    m_pict.nibble = nibble;
    data.truncate(out - data.constData());
    if (data.size() > 2 * kMaxPictureBytes) {
        m_pict.overflow = true;
        data.clear();
        m_p = stop;
    }
}

void Parser::readPictBinary(int count)
{
    const qint64 taken = std::clamp<qint64>(count, 0, m_end - m_p);
    if (!m_pict.overflow && m_pict.data.size() + taken <= 2 * kMaxPictureBytes) {
        m_pict.data.append(m_p, taken);
    } else {
        m_pict.overflow = true;
        m_pict.data.clear();
    }
    skipBinary(count);
}

void Parser::openGroup()
{
    flushBytes();
    m_skip = 0;
    m_starPending = false;
    if (m_depth >= m_limits.maxGroupDepth) {
        ++m_overflowDepth;
        if (m_overflowDepth == 1) {
            m_stack.append(m_st);
            m_st.dest = Dest::Skip;
        }
        return;
    }
    m_stack.append(m_st);
    ++m_depth;
    m_groupStart = true;
}

void Parser::closeGroup()
{
    flushBytes();
    m_skip = 0;
    m_starPending = false;
    if (m_overflowDepth > 0) {
        if (--m_overflowDepth == 0) {
            m_st = m_stack.takeLast();
        }
        return;
    }
    if (m_depth == 0) {
        return; // a stray closing brace
    }
    const Dest closing = m_st.dest;
    if (closing == Dest::FontTable && m_fontTableCurrent >= 0 && !m_fontName.isEmpty()) {
        m_fonts[m_fontTableCurrent].name = QString::fromLatin1(m_fontName).trimmed();
        m_fontName.clear();
    }
    m_st = m_stack.takeLast();
    --m_depth;
    if (closing == Dest::Pict && m_st.dest != Dest::Pict) {
        emitPicture();
    }
    if (closing == Dest::PnAffix) {
        (m_affixIsPrefix ? m_para.listPrefix : m_para.listSuffix) = m_pnAffix.trimmed().left(8);
    }
    if (m_depth == 0) {
        m_done = true; // bytes after the outermost group are not part of the document
    }
}

void Parser::controlWord()
{
    const char* start = m_p;
    while (m_p < m_end && m_p - start < kMaxKeywordLetters
           && ((*m_p >= 'a' && *m_p <= 'z') || (*m_p >= 'A' && *m_p <= 'Z'))) {
        ++m_p;
    }
    const std::string_view word(start, static_cast<size_t>(m_p - start));
    bool negative = false;
    if (m_p < m_end && *m_p == '-' && m_p + 1 < m_end && *(m_p + 1) >= '0' && *(m_p + 1) <= '9') {
        negative = true;
        ++m_p;
    }
    bool hasParam = false;
    qint64 value = 0;
    int digits = 0;
    while (m_p < m_end && *m_p >= '0' && *m_p <= '9') {
        if (digits++ < kMaxParameterDigits) {
            value = value * 10 + (*m_p - '0');
        }
        hasParam = true;
        ++m_p;
    }
    if (m_p < m_end && *m_p == ' ') {
        ++m_p;
    }
    value = std::clamp<qint64>(negative ? -value : value, -2147483647, 2147483647);
    keyword(word, hasParam, static_cast<int>(value));
}

void Parser::controlSymbol()
{
    if (m_p >= m_end) {
        return;
    }
    const char c = *m_p++;
    if (c != '*') {
        m_groupStart = false;
    }
    switch (c) {
    case '\'': {
        int value = 0;
        int digits = 0;
        while (digits < 2 && m_p < m_end && isxdigit(static_cast<unsigned char>(*m_p))) {
            const char h = *m_p++;
            value = value * 16 + (h <= '9' ? h - '0' : (h | 0x20) - 'a' + 10);
            ++digits;
        }
        if (digits > 0) {
            hexByte(static_cast<unsigned char>(value));
        }
        break;
    }
    case '\\':
    case '{':
    case '}':
        textByte(static_cast<unsigned char>(c));
        break;
    case '*':
        // Marks an optional destination only as the first thing in a group.
        m_starPending = m_groupStart;
        break;
    case '~':
        if (!consumeSkip()) {
            appendChar(0x00A0);
        }
        break;
    case '-':
        if (!consumeSkip()) {
            appendChar(0x00AD);
        }
        break;
    case '_':
        if (!consumeSkip()) {
            appendChar(0x2011);
        }
        break;
    case '\r':
    case '\n':
        keyword("par", false, 0);
        break;
    case '\t':
        keyword("tab", false, 0);
        break;
    default:
        consumeSkip();
        break;
    }
}

// Counts one fallback character after \uN; true when this token is to be skipped.
bool Parser::consumeSkip()
{
    if (m_skip > 0) {
        --m_skip;
        return true;
    }
    return false;
}

void Parser::textByte(unsigned char byte)
{
    m_groupStart = false;
    if (m_starPending) {
        m_starPending = false; // "\*" not followed by a control word: ignore the marker
    }
    switch (m_st.dest) {
    case Dest::Skip:
    case Dest::Pn:
    case Dest::Pict:
        return;
    case Dest::PnAffix:
        if (!consumeSkip()) {
            m_pnAffix += QChar(char16_t(byte));
        }
        return;
    case Dest::FontTable:
        if (byte == ';') {
            if (m_fontTableCurrent >= 0) {
                m_fonts[m_fontTableCurrent].name = decodeWindows1252(m_fontName).trimmed();
            }
            m_fontName.clear();
        } else if (m_fontName.size() < 256) {
            m_fontName.append(static_cast<char>(byte));
        }
        return;
    case Dest::ColorTable:
        if (byte == ';') {
            m_colors.append(m_colorGiven ? QColor(m_red, m_green, m_blue) : QColor());
            m_red = m_green = m_blue = 0;
            m_colorGiven = false;
        }
        return;
    case Dest::Text:
    case Dest::PnText:
        break;
    }
    if (!m_bytes.isEmpty() && isLeadByte(m_bytesCodepage, static_cast<unsigned char>(m_bytes.back()))
        && (m_bytes.size() < 2
            || !isLeadByte(m_bytesCodepage, static_cast<unsigned char>(m_bytes.at(m_bytes.size() - 2))))) {
        m_bytes.append(static_cast<char>(byte)); // the trail byte of a two-byte character
        return;
    }
    if (consumeSkip()) {
        return;
    }
    if (byte >= 0x80 || currentCodepage() == kSymbolCodepage) {
        hexByte(byte);
        return;
    }
    flushBytes();
    appendChar(byte);
}

void Parser::hexByte(unsigned char byte)
{
    if (m_st.dest == Dest::FontTable) {
        if (m_fontName.size() < 256) {
            m_fontName.append(static_cast<char>(byte));
        }
        return;
    }
    if (m_st.dest == Dest::PnAffix) {
        m_pnAffix += decodeWindows1252(QByteArray(1, static_cast<char>(byte)));
        return;
    }
    if (m_st.dest != Dest::Text && m_st.dest != Dest::PnText) {
        return;
    }
    const bool trail = !m_bytes.isEmpty() && isLeadByte(m_bytesCodepage, static_cast<unsigned char>(m_bytes.back()));
    if (!trail && consumeSkip()) {
        return;
    }
    const int codepage = currentCodepage();
    if (!m_bytes.isEmpty() && (codepage != m_bytesCodepage)) {
        flushBytes();
    }
    m_bytesCodepage = codepage;
    m_bytes.append(static_cast<char>(byte));
}

void Parser::flushBytes()
{
    if (m_bytes.isEmpty()) {
        return;
    }
    const QString text = m_decoders.decode(m_bytes, m_bytesCodepage);
    m_bytes.clear();
    appendText(text);
}

int Parser::currentCodepage() const
{
    const int font = m_st.chr.font >= 0 ? m_st.chr.font : m_defaultFont;
    const auto it = m_fonts.constFind(font);
    if (it != m_fonts.constEnd() && it->name.compare(QLatin1String("Symbol"), Qt::CaseInsensitive) == 0) {
        return kSymbolCodepage;
    }
    const int codepage = it == m_fonts.constEnd() ? -1 : codepageForCharset(it->charset);
    return codepage > 0 ? codepage : m_ansiCodepage;
}

void Parser::skipBinary(int count)
{
    const qint64 available = m_end - m_p;
    m_p += std::clamp<qint64>(count, 0, available);
}

void Parser::keyword(std::string_view word, bool hasParam, int param)
{
    m_groupStart = false;
    const auto& table = keywords();
    const auto it = table.find(word);
    const bool star = m_starPending;
    m_starPending = false;
    if (it == table.end()) {
        if (star) {
            m_st.dest = Dest::Skip; // an optional destination we do not know
        } else {
            consumeSkip();
        }
        return;
    }
    const KwInfo info = it->second;
    if (info.kw == Kw::Bin) {
        flushBytes();
        if (m_st.dest == Dest::Pict) {
            readPictBinary(hasParam ? param : 0);
        } else {
            skipBinary(hasParam ? param : 0);
        }
        return;
    }
    if (m_st.dest == Dest::Skip) {
        return;
    }
    if (info.kw != Kw::U) {
        flushBytes();
    }
    if (consumeSkip()) {
        return;
    }
    if (star && info.kw != Kw::Pn && info.kw != Kw::ShpPict) {
        m_st.dest = Dest::Skip;
        return;
    }
    switch (info.kw) {
    case Kw::SkipDest:
        m_st.dest = Dest::Skip;
        return;
    case Kw::FontTable:
        m_st.dest = Dest::FontTable;
        m_fontTableCurrent = -1;
        return;
    case Kw::ColorTable:
        m_st.dest = Dest::ColorTable;
        return;
    case Kw::PnText:
        m_st.dest = Dest::PnText;
        m_pnText.clear();
        return;
    case Kw::Pn:
        m_st.dest = Dest::Pn;
        m_para.list = ListKind::Bullet;
        return;
    case Kw::ListText:
    case Kw::Fldrslt:
        m_st.dest = Dest::Text;
        return;
    case Kw::ShpPict:
        // Word and LibreOffice put the picture here and a metafile copy for older readers in \nonshppict.
        if (m_st.dest == Dest::Text) {
            return;
        }
        m_st.dest = Dest::Skip;
        return;
    case Kw::NonShpPict:
        m_st.dest = Dest::Skip;
        return;
    case Kw::Pict:
        if (m_st.dest == Dest::Text) {
            flushRun();
            m_st.dest = Dest::Pict;
            m_pict = PictState();
        } else {
            m_st.dest = Dest::Skip;
        }
        return;
    case Kw::Char:
        appendChar(info.ch);
        return;
    case Kw::U: {
        flushBytes();
        const int unit = param < 0 ? param + 65536 : param;
        appendChar(static_cast<char16_t>(unit & 0xFFFF));
        m_skip = m_st.uc;
        return;
    }
    default:
        break;
    }
    if (m_st.dest == Dest::FontTable) {
        fontTableKeyword(info.kw, param);
    } else if (m_st.dest == Dest::ColorTable) {
        const int value = qBound(0, param, 255);
        if (info.kw == Kw::Red || info.kw == Kw::Green || info.kw == Kw::Blue) {
            (info.kw == Kw::Red ? m_red : info.kw == Kw::Green ? m_green : m_blue) = value;
            m_colorGiven = true;
        }
    } else if (m_st.dest == Dest::Pict) {
        pictKeyword(word, info.kw, param);
    } else if (m_st.dest == Dest::Pn) {
        bulletKeyword(info.kw);
    } else if (m_st.dest == Dest::PnText) {
        characterKeyword(info.kw, hasParam, param);
        if (info.kw == Kw::Tab) {
            appendChar(u'\t');
        }
    } else if (m_st.dest != Dest::PnAffix) {
        documentKeyword(info.kw, hasParam, param);
        characterKeyword(info.kw, hasParam, param);
        paragraphKeyword(info.kw, hasParam, param);
    }
}

void Parser::fontTableKeyword(Kw kw, int param)
{
    if (kw == Kw::F) {
        if (m_fontTableCurrent >= 0 && !m_fontName.isEmpty()) {
            m_fonts[m_fontTableCurrent].name = decodeWindows1252(m_fontName).trimmed();
        }
        m_fontName.clear();
        m_fontTableCurrent = param;
        m_fonts[param];
    } else if (kw == Kw::FCharset && m_fontTableCurrent >= 0) {
        m_fonts[m_fontTableCurrent].charset = param;
    }
}

void Parser::pictKeyword(std::string_view word, Kw kw, int param)
{
    switch (kw) {
    case Kw::PictKind:
        m_pict.kind = QByteArray(word.data(), qsizetype(word.size()));
        if (m_pict.kind == "wmetafile" || m_pict.kind == "pmmetafile") {
            m_pict.kind += QByteArray::number(param); // the mapping mode travels with it
        }
        break;
    case Kw::PicW:
        m_pict.picw = param;
        break;
    case Kw::PicH:
        m_pict.pich = param;
        break;
    case Kw::PicWGoal:
        m_pict.goalw = param;
        break;
    case Kw::PicHGoal:
        m_pict.goalh = param;
        break;
    case Kw::PicScaleX:
        m_pict.scalex = param;
        break;
    case Kw::PicScaleY:
        m_pict.scaley = param;
        break;
    default:
        break;
    }
}

void Parser::bulletKeyword(Kw kw)
{
    switch (kw) {
    case Kw::PnLvlBlt:
        m_para.list = ListKind::Bullet;
        break;
    case Kw::PnDec:
        m_para.list = ListKind::Decimal;
        break;
    case Kw::PnLcLtr:
        m_para.list = ListKind::LowerAlpha;
        break;
    case Kw::PnUcLtr:
        m_para.list = ListKind::UpperAlpha;
        break;
    case Kw::PnLcRm:
        m_para.list = ListKind::LowerRoman;
        break;
    case Kw::PnUcRm:
        m_para.list = ListKind::UpperRoman;
        break;
    case Kw::PnTxtA:
    case Kw::PnTxtB:
        m_st.dest = Dest::PnAffix;
        m_affixIsPrefix = kw == Kw::PnTxtB;
        m_pnAffix.clear();
        break;
    default:
        break;
    }
}

void Parser::documentKeyword(Kw kw, bool hasParam, int param)
{
    switch (kw) {
    case Kw::Ansi:
        m_ansiCodepage = 1252;
        break;
    case Kw::Mac:
        m_ansiCodepage = 10000;
        break;
    case Kw::Pc:
        m_ansiCodepage = 437;
        break;
    case Kw::Pca:
        m_ansiCodepage = 850;
        break;
    case Kw::AnsiCpg:
        m_ansiCodepage = param > 0 ? param : 1252;
        break;
    case Kw::Deff:
        m_defaultFont = param;
        break;
    case Kw::Uc:
        m_st.uc = qBound(0, hasParam ? param : 1, 10);
        break;
    default:
        break;
    }
}

void Parser::characterKeyword(Kw kw, bool hasParam, int param)
{
    CharProps& c = m_st.chr;
    const bool on = !hasParam || param != 0;
    switch (kw) {
    case Kw::Plain:
        c = CharProps();
        break;
    case Kw::B:
        c.bold = on;
        break;
    case Kw::I:
        c.italic = on;
        break;
    case Kw::Ul:
        c.underline = on;
        break;
    case Kw::UlNone:
        c.underline = false;
        break;
    case Kw::Strike:
        c.strike = on;
        break;
    case Kw::F:
        c.font = param;
        break;
    case Kw::Fs:
        c.halfPoints = hasParam ? qBound(0, param, 3276) : 24;
        break;
    case Kw::Cf:
        c.color = param;
        break;
    case Kw::Highlight:
        c.highlight = param;
        break;
    case Kw::Super:
        c.vertical = 1;
        break;
    case Kw::Sub:
        c.vertical = -1;
        break;
    case Kw::NoSuperSub:
        c.vertical = 0;
        break;
    default:
        break;
    }
}

void Parser::paragraphKeyword(Kw kw, bool hasParam, int param)
{
    switch (kw) {
    case Kw::Pard:
        m_para = ParagraphProps();
        break;
    case Kw::Ql:
        m_para.align = Qt::AlignLeft;
        break;
    case Kw::Qc:
        m_para.align = Qt::AlignHCenter;
        break;
    case Kw::Qr:
        m_para.align = Qt::AlignRight;
        break;
    case Kw::Qj:
        m_para.align = Qt::AlignJustify;
        break;
    case Kw::Li:
        m_para.li = qBound(-31680, param, 31680);
        break;
    case Kw::Ri:
        m_para.ri = qBound(-31680, param, 31680);
        break;
    case Kw::Fi:
        m_para.fi = qBound(-31680, param, 31680);
        break;
    case Kw::Par:
    case Kw::Row:
        endParagraph();
        break;
    case Kw::Line:
        appendChar(QChar::LineSeparator);
        break;
    case Kw::Tab:
    case Kw::Cell:
        appendChar(u'\t');
        break;
    default:
        Q_UNUSED(hasParam);
        break;
    }
}

} // namespace jotlet::rtfparse
