// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rtf/codepages.h"
#include "rtf/paragraphprops.h"

// The RTF parser behind readRtf(), split by concern: the keyword table (keywords.cpp), groups, control words and
// characters (parser.cpp), and building the document's paragraphs and runs (parsertext.cpp). Internal to rtf/.
#include "rtf/reader.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextListFormat>

#include <string_view>
#include <unordered_map>

class QTextDocument;
class QTextList;

namespace jotlet::rtfparse {

enum class Dest { Text, Skip, FontTable, ColorTable, PnText, Pn, PnAffix, Pict };

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

// A \pict group as it is read: its kind, its bytes (from hex or \bin) and its sizes.
struct PictState
{
    QByteArray kind;
    QByteArray data;
    int nibble = -1; // the first half of a hex byte, waiting for the second
    bool overflow = false;
    int picw = 0;
    int pich = 0;
    int goalw = 0; // twips
    int goalh = 0;
    int scalex = 100;
    int scaley = 100;
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
    Pict,
    ShpPict,
    NonShpPict,
    PictKind, // \pngblip, \jpegblip, \wmetafile, \emfblip, ...
    PicW,
    PicH,
    PicWGoal,
    PicHGoal,
    PicScaleX,
    PicScaleY,
    Char, // a keyword standing for one character
};

struct KwInfo
{
    Kw kw;
    char16_t ch = 0;
};

const std::unordered_map<std::string_view, KwInfo>& keywords();

inline constexpr int kMaxKeywordLetters = 32;
inline constexpr int kMaxParameterDigits = 10;

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
    void pictKeyword(std::string_view word, Kw kw, int param);
    void readPictHex();
    void readPictBinary(int count);
    void emitPicture();

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

    PictState m_pict;

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
    CodepageDecoders m_decoders; // this reader's own

    QString m_run;
    CharProps m_runProps;
    CharProps m_formatProps;
    QTextCharFormat m_format;
    bool m_formatValid = false;

    ParagraphProps m_para;
    bool m_paragraphPending = false; // a \par was read; the next content starts a new block
    bool m_blockTouched = false;
    QString m_pnText;
    QString m_pnAffix; // the text of {\pntxta ...} or {\pntxtb ...}
    bool m_affixIsPrefix = false;
    QTextList* m_list = nullptr;
    ParagraphProps m_listProps;
    int m_lastListBlock = -1;
};

} // namespace jotlet::rtfparse
