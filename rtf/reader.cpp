#include "rtf/reader.h"

#include "rtf/codepages.h"
#include "rtf/format.h"
#include "support/codepage.h"

#include <QHash>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include <algorithm>
#include <string_view>
#include <unordered_map>

namespace jotlet {

namespace {

enum class Dest { Text, Skip, FontTable, ColorTable, PnText, Pn, PnAffix };

enum class ListKind { None, Bullet, Decimal, LowerAlpha, UpperAlpha, LowerRoman, UpperRoman };

struct CharProps
{
    int font = -1;      // -1: the default font
    int halfPoints = 0; // 0: not given, the document's default size applies
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    int color = 0;
    int highlight = 0;
    int vertical = 0; // 1 superscript, -1 subscript

    bool operator==(const CharProps& o) const
    {
        return font == o.font && halfPoints == o.halfPoints && bold == o.bold && italic == o.italic
               && underline == o.underline && strike == o.strike && color == o.color && highlight == o.highlight
               && vertical == o.vertical;
    }
    bool operator!=(const CharProps& o) const { return !(*this == o); }
};

struct GroupState
{
    Dest dest = Dest::Text;
    CharProps chr;
    int uc = 1;
};

struct ParaProps
{
    Qt::Alignment align = Qt::AlignLeft;
    int li = 0;
    int ri = 0;
    int fi = 0;
    ListKind list = ListKind::None;
    QString listPrefix;
    QString listSuffix = QStringLiteral(".");
};

struct FontEntry
{
    QString name;
    int charset = -1;
};

// Control words the reader acts on; everything else is ignored.
enum class Kw {
    Rtf,
    Ansi,
    Mac,
    Pc,
    Pca,
    AnsiCpg,
    Deff,
    Uc,
    U,
    Bin,
    FontTable,
    ColorTable,
    SkipDest,
    PnText,
    Pn,
    ListText,
    Fldrslt,
    F,
    FCharset,
    Red,
    Green,
    Blue,
    Plain,
    B,
    I,
    Ul,
    UlNone,
    Strike,
    Fs,
    Cf,
    Highlight,
    Super,
    Sub,
    NoSuperSub,
    Pard,
    Ql,
    Qc,
    Qr,
    Qj,
    Li,
    Ri,
    Fi,
    Par,
    Line,
    Tab,
    Cell,
    Row,
    PnLvlBlt,
    PnLvlBody,
    PnLvlCont,
    PnDec,
    PnLcLtr,
    PnUcLtr,
    PnLcRm,
    PnUcRm,
    PnTxtA,
    PnTxtB,
    Char, // a keyword standing for one character
};

struct KwInfo
{
    Kw kw;
    char16_t ch = 0;
};

const std::unordered_map<std::string_view, KwInfo>& keywords()
{
    static const std::unordered_map<std::string_view, KwInfo> table = [] {
        std::unordered_map<std::string_view, KwInfo> t {
            {"rtf", {Kw::Rtf}},
            {"ansi", {Kw::Ansi}},
            {"mac", {Kw::Mac}},
            {"pc", {Kw::Pc}},
            {"pca", {Kw::Pca}},
            {"ansicpg", {Kw::AnsiCpg}},
            {"deff", {Kw::Deff}},
            {"uc", {Kw::Uc}},
            {"u", {Kw::U}},
            {"bin", {Kw::Bin}},
            {"fonttbl", {Kw::FontTable}},
            {"colortbl", {Kw::ColorTable}},
            {"pntext", {Kw::PnText}},
            {"pn", {Kw::Pn}},
            {"listtext", {Kw::ListText}},
            {"fldrslt", {Kw::Fldrslt}},
            {"f", {Kw::F}},
            {"fcharset", {Kw::FCharset}},
            {"red", {Kw::Red}},
            {"green", {Kw::Green}},
            {"blue", {Kw::Blue}},
            {"plain", {Kw::Plain}},
            {"b", {Kw::B}},
            {"i", {Kw::I}},
            {"ul", {Kw::Ul}},
            {"uld", {Kw::Ul}},
            {"uldb", {Kw::Ul}},
            {"ulw", {Kw::Ul}},
            {"ulwave", {Kw::Ul}},
            {"uldash", {Kw::Ul}},
            {"ulth", {Kw::Ul}},
            {"ulnone", {Kw::UlNone}},
            {"strike", {Kw::Strike}},
            {"strikedl", {Kw::Strike}},
            {"fs", {Kw::Fs}},
            {"cf", {Kw::Cf}},
            {"highlight", {Kw::Highlight}},
            {"cb", {Kw::Highlight}},
            {"super", {Kw::Super}},
            {"sub", {Kw::Sub}},
            {"nosupersub", {Kw::NoSuperSub}},
            {"pard", {Kw::Pard}},
            {"ql", {Kw::Ql}},
            {"qc", {Kw::Qc}},
            {"qr", {Kw::Qr}},
            {"qj", {Kw::Qj}},
            {"li", {Kw::Li}},
            {"ri", {Kw::Ri}},
            {"fi", {Kw::Fi}},
            {"par", {Kw::Par}},
            {"line", {Kw::Line}},
            {"tab", {Kw::Tab}},
            {"cell", {Kw::Cell}},
            {"nestcell", {Kw::Cell}},
            {"row", {Kw::Row}},
            {"nestrow", {Kw::Row}},
            {"pnlvlblt", {Kw::PnLvlBlt}},
            {"pnlvlbody", {Kw::PnLvlBody}},
            {"pnlvlcont", {Kw::PnLvlCont}},
            {"pndec", {Kw::PnDec}},
            {"pnlcltr", {Kw::PnLcLtr}},
            {"pnucltr", {Kw::PnUcLtr}},
            {"pnlcrm", {Kw::PnLcRm}},
            {"pnucrm", {Kw::PnUcRm}},
            {"pntxta", {Kw::PnTxtA}},
            {"pntxtb", {Kw::PnTxtB}},
            {"lquote", {Kw::Char, 0x2018}},
            {"rquote", {Kw::Char, 0x2019}},
            {"ldblquote", {Kw::Char, 0x201C}},
            {"rdblquote", {Kw::Char, 0x201D}},
            {"endash", {Kw::Char, 0x2013}},
            {"emdash", {Kw::Char, 0x2014}},
            {"bullet", {Kw::Char, 0x2022}},
            {"emspace", {Kw::Char, 0x2003}},
            {"enspace", {Kw::Char, 0x2002}},
            {"qmspace", {Kw::Char, 0x2005}},
            {"zwj", {Kw::Char, 0x200D}},
            {"zwnj", {Kw::Char, 0x200C}},
            {"ltrmark", {Kw::Char, 0x200E}},
            {"rtlmark", {Kw::Char, 0x200F}},
        };
        // Destinations whose content is never text.
        for (const char* name : {"stylesheet",
                                 "info",
                                 "pict",
                                 "objdata",
                                 "header",
                                 "headerl",
                                 "headerr",
                                 "headerf",
                                 "footer",
                                 "footerl",
                                 "footerr",
                                 "footerf",
                                 "annotation",
                                 "atnid",
                                 "atnauthor",
                                 "xe",
                                 "tc",
                                 "txe",
                                 "listtable",
                                 "listoverridetable",
                                 "revtbl",
                                 "rsidtbl",
                                 "generator",
                                 "themedata",
                                 "colorschememapping",
                                 "latentstyles",
                                 "datastore",
                                 "xmlnstbl",
                                 "filetbl",
                                 "fldinst",
                                 "bkmkstart",
                                 "bkmkend",
                                 "nonshppict",
                                 "shp",
                                 "shpinst",
                                 "mmathPr",
                                 "pgdsctbl",
                                 "template",
                                 "userprops",
                                 "docvar",
                                 "private",
                                 "fchars",
                                 "lchars",
                                 "objclass",
                                 "objname",
                                 "objtime",
                                 "falt",
                                 "panose",
                                 "fname",
                                 "pgptbl",
                                 "protusertbl",
                                 "wgrffmtfilter",
                                 "blipuid",
                                 "comment",
                                 "author",
                                 "operator",
                                 "title",
                                 "subject",
                                 "keywords",
                                 "doccomm",
                                 "creatim",
                                 "revtim",
                                 "printim",
                                 "buptim"}) {
            t.emplace(name, KwInfo {Kw::SkipDest});
        }
        return t;
    }();
    return table;
}

constexpr int kMaxKeywordLetters = 32;
constexpr int kMaxParameterDigits = 10;

class Parser
{
public:
    Parser(const char* begin, const char* end, QTextDocument* doc, const RtfReadLimits& limits)
        : m_p(begin)
        , m_end(end)
        , m_doc(doc)
        , m_cursor(doc)
        , m_limits(limits)
    {
    }

    void run();

private:
    // Tokens
    void controlWord();
    void controlSymbol();
    void textByte(unsigned char byte);
    void hexByte(unsigned char byte);
    void openGroup();
    void closeGroup();
    void keyword(std::string_view word, bool hasParam, int param);
    void skipBinary(int count);
    bool consumeSkip();

    // Keyword groups
    void characterKeyword(Kw kw, bool hasParam, int param);
    void paragraphKeyword(Kw kw, bool hasParam, int param);
    void bulletKeyword(Kw kw);
    void documentKeyword(Kw kw, bool hasParam, int param);
    void fontTableKeyword(Kw kw, int param);

    // Output
    void appendText(QStringView text);
    void appendChar(char16_t ch) { appendText(QStringView(&ch, 1)); }
    void flushBytes();
    void flushRun();
    void startContent();
    void endParagraph();
    void finishBlock();
    void finish();
    const QTextCharFormat& formatFor(const CharProps& props);
    int currentCodepage() const;

    const char* m_p;
    const char* m_end;
    QTextDocument* m_doc;
    QTextCursor m_cursor;
    RtfReadLimits m_limits;

    GroupState m_st;
    QVector<GroupState> m_stack;
    int m_depth = 0;         // groups open, the outermost RTF group included
    int m_overflowDepth = 0; // groups opened past the depth limit
    bool m_starPending = false;
    bool m_groupStart = false; // nothing read yet in the group just opened
    bool m_done = false;
    int m_skip = 0; // fallback characters still to skip after \uN

    QHash<int, FontEntry> m_fonts;
    int m_defaultFont = 0;
    int m_ansiCodepage = 1252;
    int m_fontTableCurrent = -1;
    QByteArray m_fontName;
    QVector<QColor> m_colors;
    int m_red = 0, m_green = 0, m_blue = 0;
    bool m_colorGiven = false;

    QByteArray m_bytes; // \'hh bytes waiting to be decoded together
    int m_bytesCodepage = 1252;

    QString m_run;
    CharProps m_runProps;
    CharProps m_formatProps;
    QTextCharFormat m_format;
    bool m_formatValid = false;

    ParaProps m_para;
    bool m_paragraphPending = false; // a \par was read; the next content starts a new block
    bool m_blockTouched = false;
    QString m_pnText;
    QString m_pnAffix; // the text of {\pntxta ...} or {\pntxtb ...}
    bool m_affixIsPrefix = false;
    QTextList* m_list = nullptr;
    ParaProps m_listProps;
    int m_lastListBlock = -1;
};

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
            if (m_depth > 0) {
                textByte(c);
            }
            break;
        }
    }
    finish();
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
        return;
    case Dest::PnAffix:
        m_pnAffix += QChar(char16_t(byte));
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
    const QString text = decodeCodepage(m_bytes, m_bytesCodepage);
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
        skipBinary(hasParam ? param : 0);
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
    if (star && info.kw != Kw::Pn) {
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
        m_para = ParaProps();
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

void Parser::appendText(QStringView text)
{
    if (text.isEmpty()) {
        return;
    }
    if (m_st.dest == Dest::PnText) {
        if (m_pnText.size() < 64) {
            m_pnText += text;
        }
        return;
    }
    if (m_st.dest != Dest::Text) {
        return;
    }
    if (!m_run.isEmpty() && m_runProps != m_st.chr) {
        flushRun();
    }
    if (m_run.isEmpty()) {
        startContent();
        m_runProps = m_st.chr;
    }
    m_run += text;
}

// Begins the content of a paragraph: a new block after a \par, and the paragraph's \pntext
// shown as text when no \pn turned the paragraph into a list item.
void Parser::startContent()
{
    if (m_paragraphPending) {
        QTextBlockFormat plain;
        m_cursor.insertBlock(plain, formatFor(m_st.chr));
        m_paragraphPending = false;
    }
    m_blockTouched = true;
    if (!m_pnText.isEmpty()) {
        const QString marker = m_pnText;
        m_pnText.clear();
        if (m_para.list == ListKind::None) {
            m_cursor.insertText(marker, formatFor(m_st.chr));
        }
    }
}

void Parser::flushRun()
{
    if (m_run.isEmpty()) {
        return;
    }
    // Lone surrogates (broken \u pairs) would make the text invalid UTF-16; control characters
    // other than the tab have no place in a note.
    qsizetype out = 0;
    for (qsizetype i = 0; i < m_run.size(); ++i) {
        const QChar ch = m_run.at(i);
        if (ch.isHighSurrogate() && i + 1 < m_run.size() && m_run.at(i + 1).isLowSurrogate()) {
            m_run[out++] = ch;
            m_run[out++] = m_run.at(++i);
        } else if (ch.isSurrogate()) {
            m_run[out++] = QChar::ReplacementCharacter;
        } else if (ch.unicode() >= 0x20 || ch == QLatin1Char('\t')) {
            m_run[out++] = ch;
        }
    }
    m_run.truncate(out);
    if (m_run.isEmpty()) {
        return;
    }
    m_cursor.insertText(m_run, formatFor(m_runProps));
    m_run.clear();
}

const QTextCharFormat& Parser::formatFor(const CharProps& c)
{
    if (m_formatValid && c == m_formatProps) {
        return m_format;
    }
    QTextCharFormat f;
    const auto font = m_fonts.constFind(c.font >= 0 ? c.font : m_defaultFont);
    if (font != m_fonts.constEnd() && !font->name.isEmpty()) {
        f.setFontFamilies(QStringList {font->name});
    }
    if (c.halfPoints > 0) {
        f.setFontPointSize(c.halfPoints / 2.0);
    }
    if (c.bold) {
        f.setFontWeight(QFont::Bold);
    }
    f.setFontItalic(c.italic);
    f.setFontUnderline(c.underline);
    f.setFontStrikeOut(c.strike);
    if (c.color > 0 && c.color < m_colors.size() && m_colors.at(c.color).isValid()) {
        f.setForeground(m_colors.at(c.color));
    }
    if (c.highlight > 0 && c.highlight < m_colors.size() && m_colors.at(c.highlight).isValid()) {
        f.setBackground(m_colors.at(c.highlight));
    }
    if (c.vertical != 0) {
        f.setVerticalAlignment(c.vertical > 0 ? QTextCharFormat::AlignSuperScript : QTextCharFormat::AlignSubScript);
    }
    m_format = f;
    m_formatProps = c;
    m_formatValid = true;
    return m_format;
}

void Parser::endParagraph()
{
    flushRun();
    if (m_paragraphPending) {
        // An empty paragraph between two \par.
        m_cursor.insertBlock(QTextBlockFormat(), formatFor(m_st.chr));
    }
    m_pnText.clear();
    finishBlock();
    m_paragraphPending = true;
    m_blockTouched = false;
}

QTextListFormat::Style listStyle(ListKind kind)
{
    switch (kind) {
    case ListKind::Decimal:
        return QTextListFormat::ListDecimal;
    case ListKind::LowerAlpha:
        return QTextListFormat::ListLowerAlpha;
    case ListKind::UpperAlpha:
        return QTextListFormat::ListUpperAlpha;
    case ListKind::LowerRoman:
        return QTextListFormat::ListLowerRoman;
    case ListKind::UpperRoman:
        return QTextListFormat::ListUpperRoman;
    default:
        return QTextListFormat::ListDisc;
    }
}

// Applies the paragraph properties in force to the current block.
void Parser::finishBlock()
{
    QTextBlockFormat block;
    block.setAlignment(m_para.align);
    block.setRightMargin(m_para.ri / kTwipsPerPixel);
    if (m_para.list == ListKind::None) {
        // A list item is indented by its list; its RTF indents are only kept for saving.
        block.setLeftMargin(m_para.li / kTwipsPerPixel);
        block.setTextIndent(m_para.fi / kTwipsPerPixel);
    }
    block.setProperty(RtfProperty::LeftIndentTwips, m_para.li);
    block.setProperty(RtfProperty::RightIndentTwips, m_para.ri);
    block.setProperty(RtfProperty::FirstIndentTwips, m_para.fi);
    m_cursor.setBlockFormat(block);
    const int blockNumber = m_cursor.blockNumber();
    if (m_para.list == ListKind::None) {
        m_list = nullptr;
        return;
    }
    const bool continues = m_list && m_listProps.list == m_para.list && m_listProps.listSuffix == m_para.listSuffix
                           && m_listProps.listPrefix == m_para.listPrefix && m_lastListBlock == blockNumber - 1;
    if (continues) {
        m_list->add(m_cursor.block());
    } else {
        QTextListFormat format;
        format.setStyle(listStyle(m_para.list));
        format.setIndent(1);
        if (m_para.list != ListKind::Bullet) {
            format.setNumberPrefix(m_para.listPrefix);
            format.setNumberSuffix(m_para.listSuffix);
        }
        m_list = m_cursor.createList(format);
        m_listProps = m_para;
    }
    m_lastListBlock = blockNumber;
}

void Parser::finish()
{
    flushBytes();
    flushRun();
    if (!m_paragraphPending && (m_blockTouched || m_cursor.block().length() > 1)) {
        finishBlock();
    }
}

} // namespace

bool looksLikeRtf(const QByteArray& bytes)
{
    const qsizetype at = bytes.indexOf("{\\rtf");
    return at >= 0 && at < 16;
}

namespace {

// At least as many paragraphs as the input can make: every \par control word of RTF, every line of plain text.
// Counted before anything is built, so that refusing a huge text costs milliseconds.
qsizetype paragraphMarks(const QByteArray& rtf, bool isRtf)
{
    if (!isRtf) {
        const qsizetype lineFeeds = rtf.count('\n');
        return lineFeeds > 0 ? lineFeeds : rtf.count('\r');
    }
    qsizetype marks = 0;
    for (qsizetype at = rtf.indexOf("\\par"); at >= 0; at = rtf.indexOf("\\par", at + 4)) {
        const char next = at + 4 < rtf.size() ? rtf.at(at + 4) : ' ';
        marks += !((next >= 'a' && next <= 'z') || (next >= 'A' && next <= 'Z')); // not \pard, \pararsid ...
    }
    return marks;
}

bool refuse(QTextDocument* doc, QString* error, const QString& reason)
{
    doc->clear();
    if (error) {
        *error = reason;
    }
    return false;
}

} // namespace

bool readRtf(const QByteArray& rtf, QTextDocument* doc, QString* error, const RtfReadLimits& limits)
{
    doc->clear();
    if (rtf.size() > limits.maxInputBytes) {
        return refuse(doc,
                      error,
                      QStringLiteral("The rich text is %1 bytes long; at most %2 bytes are read")
                          .arg(rtf.size())
                          .arg(limits.maxInputBytes));
    }
    const bool isRtf = looksLikeRtf(rtf);
    if (paragraphMarks(rtf, isRtf) > limits.maxParagraphs) {
        return refuse(doc,
                      error,
                      QStringLiteral("The text has more than %1 paragraphs, more than a note can show")
                          .arg(limits.maxParagraphs));
    }
    if (!isRtf) {
        // Not RTF: a rich-edit control shows such text as it is.
        QTextCursor cursor(doc);
        cursor.insertText(isValidUtf8(rtf) ? QString::fromUtf8(rtf) : decodeWindows1252(rtf));
    } else {
        const qsizetype start = rtf.indexOf("{\\rtf");
        Parser parser(rtf.constData() + start, rtf.constData() + rtf.size(), doc, limits);
        parser.run();
    }
    if (doc->characterCount() > limits.maxCharacters) {
        return refuse(doc,
                      error,
                      QStringLiteral("The text has more than %1 characters, more than a note can show")
                          .arg(limits.maxCharacters));
    }
    return true;
}

QString documentPlainTextWithMarkers(const QTextDocument& doc)
{
    QString text;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        if (block != doc.begin()) {
            text += QLatin1Char('\n');
        }
        if (QTextList* list = block.textList()) {
            const auto style = list->format().style();
            const bool bullet = style == QTextListFormat::ListDisc || style == QTextListFormat::ListCircle
                                || style == QTextListFormat::ListSquare;
            text += bullet ? QStringLiteral("\u2022 ") : list->itemText(block) + QLatin1Char(' ');
        }
        QString line = block.text();
        line.replace(QChar::LineSeparator, QLatin1Char('\n'));
        text += line;
    }
    return text;
}

QString rtfToPlainText(const QByteArray& rtf)
{
    QTextDocument doc;
    readRtf(rtf, &doc);
    return documentPlainTextWithMarkers(doc);
}

} // namespace jotlet
