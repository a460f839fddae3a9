// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "rtf/writer.h"

#include "rtf/format.h"
#include "rtf/paragraphprops.h"
#include "rtf/pictures.h"
#include "support/codepage.h"

#include <QColor>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QTextList>

#include <cmath>

namespace jotlet {

namespace {

struct RunProps
{
    int font = -1;
    int halfPoints = -1;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    int color = 0;
    int highlight = 0;
    int vertical = 0;
};

int twips(const QTextBlockFormat& format, int property, qreal pixels)
{
    const int fromPixels = static_cast<int>(std::lround(pixels * kTwipsPerPixel));
    if (format.hasProperty(property)) {
        const int stored = format.intProperty(property);
        // Keep the exact value read unless the margin has been changed since.
        if (std::abs(stored - fromPixels) <= 1) {
            return stored;
        }
    }
    return fromPixels;
}

bool isBulletStyle(int style)
{
    return style == QTextListFormat::ListDisc || style == QTextListFormat::ListCircle
           || style == QTextListFormat::ListSquare;
}

// The RTF list kind of a list's style: every bullet is a bullet, an unknown numbering a decimal one.
ListKind listKindOf(int style)
{
    switch (style) {
    case QTextListFormat::ListStyleUndefined:
        return ListKind::None;
    case QTextListFormat::ListLowerAlpha:
        return ListKind::LowerAlpha;
    case QTextListFormat::ListUpperAlpha:
        return ListKind::UpperAlpha;
    case QTextListFormat::ListLowerRoman:
        return ListKind::LowerRoman;
    case QTextListFormat::ListUpperRoman:
        return ListKind::UpperRoman;
    default:
        return isBulletStyle(style) ? ListKind::Bullet : ListKind::Decimal;
    }
}

class Writer
{
public:
    explicit Writer(const QTextDocument& doc)
        : m_doc(doc)
    {
    }
    QByteArray write();

private:
    void collectTables();
    int fontIndex(const QTextCharFormat& format) const;
    int colorIndex(const QBrush& brush) const;
    QString familyOf(const QTextCharFormat& format) const;
    QString defaultFamily() const;
    ParagraphProps paraProps(const QTextBlock& block) const;
    void writeHeader();
    void writeBlock(const QTextBlock& block, bool first);
    void writeParagraphStart(const QTextBlock& block, const ParagraphProps& props, bool full);
    void writeRun(const QTextCharFormat& format, const QString& text);
    void word(const char* control, int param);
    void word(const char* control);
    void text(const QString& text);
    void writeAffix(const char* control, const QString& affix);
    void writePicture(const QTextImageFormat& format);

    const QTextDocument& m_doc;
    QByteArray m_out;
    bool m_delimiter = false;
    QStringList m_fonts;
    int m_symbolFont = -1;
    bool m_hasCheckItems = false;
    QList<QColor> m_colors;
    RunProps m_run;
    ParagraphProps m_para;
};

QString Writer::familyOf(const QTextCharFormat& format) const
{
    const QStringList families = format.fontFamilies().toStringList();
    if (!families.isEmpty() && !families.first().isEmpty()) {
        return families.first();
    }
    return defaultFamily();
}

QString Writer::defaultFamily() const
{
    const QString family = m_doc.defaultFont().family();
    return family.isEmpty() ? QStringLiteral("Comic Sans MS") : family; // untranslated: a font's name
}

int Writer::fontIndex(const QTextCharFormat& format) const
{
    return static_cast<int>(m_fonts.indexOf(familyOf(format)));
}

int Writer::colorIndex(const QBrush& brush) const
{
    if (brush.style() == Qt::NoBrush) {
        return 0;
    }
    return static_cast<int>(m_colors.indexOf(brush.color().toRgb())) + 1;
}

void Writer::collectTables()
{
    m_fonts.append(defaultFamily());
    for (QTextBlock block = m_doc.begin(); block.isValid(); block = block.next()) {
        if (block.textList() && isBulletStyle(block.textList()->format().style()) && m_symbolFont < 0) {
            m_symbolFont = -2; // placed after the text fonts
        }
        m_hasCheckItems = m_hasCheckItems || block.blockFormat().marker() != QTextBlockFormat::MarkerType::NoMarker;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            const QString family = familyOf(format);
            if (!m_fonts.contains(family)) {
                m_fonts.append(family);
            }
            for (const QBrush& brush : {format.foreground(), format.background()}) {
                if (brush.style() != Qt::NoBrush && !m_colors.contains(brush.color().toRgb())) {
                    m_colors.append(brush.color().toRgb());
                }
            }
        }
    }
    if (m_symbolFont == -2) {
        m_symbolFont = static_cast<int>(m_fonts.size());
    }
}

void Writer::word(const char* control, int param)
{
    m_out += '\\';
    m_out += control;
    m_out += QByteArray::number(param);
    m_delimiter = true;
}

void Writer::word(const char* control)
{
    m_out += '\\';
    m_out += control;
    m_delimiter = true;
}

void Writer::text(const QString& text)
{
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u == '\\' || u == '{' || u == '}') {
            m_out += '\\';
            m_out += static_cast<char>(u);
            m_delimiter = false;
            continue;
        }
        if (u == '\t') {
            word("tab");
            continue;
        }
        if (u == QChar::LineSeparator || u == '\n' || u == '\r' || u == 0x0B) {
            word("line");
            continue;
        }
        if (u >= 0x20 && u < 0x7F) {
            if (m_delimiter) {
                m_out += ' ';
                m_delimiter = false;
            }
            m_out += static_cast<char>(u);
            continue;
        }
        if (u < 0x20 || u == 0x7F) {
            continue; // other control characters have no place in a note
        }
        const int byte = windows1252Byte(u);
        if (byte >= 0x80) {
            m_out += "\\'";
            m_out += QByteArray::number(byte, 16).rightJustified(2, '0');
            m_delimiter = false;
        } else {
            word("u", static_cast<int16_t>(u));
            m_out += '?';
            m_delimiter = false;
        }
    }
}

void Writer::writeAffix(const char* control, const QString& affix)
{
    if (affix.isEmpty()) {
        return;
    }
    m_out += QByteArray("{\\") + control;
    m_delimiter = true;
    text(affix);
    m_out += '}';
}

void Writer::writeHeader()
{
    m_out += "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl";
    for (int i = 0; i < m_fonts.size(); ++i) {
        m_out += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset0 ";
        m_delimiter = false;
        text(m_fonts.at(i));
        m_out += ";}";
    }
    if (m_symbolFont >= 0) {
        m_out += "{\\f" + QByteArray::number(m_symbolFont) + "\\fnil\\fcharset2 Symbol;}";
    }
    m_out += "}\r\n";
    if (!m_colors.isEmpty()) {
        m_out += "{\\colortbl ;";
        for (const QColor& color : m_colors) {
            m_out += "\\red" + QByteArray::number(color.red()) + "\\green" + QByteArray::number(color.green())
                     + "\\blue" + QByteArray::number(color.blue()) + ';';
        }
        m_out += "}\r\n";
    }
    if (m_hasCheckItems) {
        // The same boxes as word-processor lists (\ls1 unticked, \ls2 ticked), which they prefer to the \pn bullets.
        m_out += "{\\*\\listtable";
        for (const char* box : {"9744", "9746"}) {
            m_out += QByteArray("{\\list\\listtemplateid") + (box[3] == '4' ? "1" : "2")
                     + "\\listsimple{\\listlevel\\levelnfc23\\leveljc0\\levelstartat1\\levelfollow0{\\leveltext\\'02\\u"
                     + box + "?\\tab;}{\\levelnumbers;}\\fi-360\\li720}\\listid" + (box[3] == '4' ? "1" : "2") + "}";
        }
        m_out += "}\r\n{\\*\\listoverridetable{\\listoverride\\listid1\\listoverridecount0\\ls1}"
                 "{\\listoverride\\listid2\\listoverridecount0\\ls2}}\r\n";
    }
    m_out += "\\viewkind4\\uc1";
    m_delimiter = true;
}

ParagraphProps Writer::paraProps(const QTextBlock& block) const
{
    const QTextBlockFormat format = block.blockFormat();
    ParagraphProps props;
    const Qt::Alignment horizontal = format.alignment() & Qt::AlignHorizontal_Mask;
    props.align = (horizontal & (Qt::AlignHCenter | Qt::AlignRight | Qt::AlignJustify)) ? horizontal : Qt::AlignLeft;
    props.ri = twips(format, RtfProperty::RightIndentTwips, format.rightMargin());
    if (const QTextList* list = block.textList()) {
        // List items: the indents they were read with, or where they stand now and the hanging first line
        // rich-edit controls give a new bullet.
        props.list = listKindOf(list->format().style());
        if (props.list == ListKind::Bullet) {
            props.check = format.marker();
        }
        // A list made here indents by its list level; a list read from RTF by the item's own margin.
        const qreal shown = format.leftMargin() + list->format().indent() * block.document()->indentWidth();
        props.li = format.hasProperty(RtfProperty::LeftIndentTwips) ? format.intProperty(RtfProperty::LeftIndentTwips)
                                                                    : qRound(shown * kTwipsPerPixel);
        props.fi = format.hasProperty(RtfProperty::FirstIndentTwips) ? format.intProperty(RtfProperty::FirstIndentTwips)
                                                                     : -360;
    } else {
        props.li = twips(format, RtfProperty::LeftIndentTwips, format.leftMargin());
        props.fi = twips(format, RtfProperty::FirstIndentTwips, format.textIndent());
    }
    return props;
}

void Writer::writeParagraphStart(const QTextBlock& block, const ParagraphProps& props, bool full)
{
    if (full) {
        word("pard");
    }
    if (props.check != QTextBlockFormat::MarkerType::NoMarker) {
        // A check item: a bullet that is a ballot box, which any RTF reader shows as a box.
        const QString box(QChar(props.check == QTextBlockFormat::MarkerType::Checked ? 0x2612 : 0x2610));
        m_out += "{\\pntext\\f0";
        m_delimiter = true;
        text(box);
        m_out += "\\tab}";
        if (full) {
            m_out += "{\\*\\pn\\pnlvlblt\\pnf0\\pnindent0";
            writeAffix("pntxtb", box);
            m_out += '}';
            m_delimiter = false;
            word("ls", props.check == QTextBlockFormat::MarkerType::Checked ? 2 : 1);
        }
    } else if (props.list != ListKind::None) {
        const bool bullet = props.list == ListKind::Bullet;
        m_out += "{\\pntext";
        if (bullet) {
            m_out += "\\f" + QByteArray::number(m_symbolFont) + "\\'B7";
        } else {
            m_out += "\\f0";
            m_delimiter = true;
            text(block.textList()->itemText(block));
        }
        m_out += "\\tab}";
        if (full) {
            if (bullet) {
                m_out += "{\\*\\pn\\pnlvlblt\\pnf" + QByteArray::number(m_symbolFont) + "\\pnindent0{\\pntxtb\\'B7}}";
            } else {
                const char* style = props.list == ListKind::LowerAlpha   ? "pnlcltr"
                                    : props.list == ListKind::UpperAlpha ? "pnucltr"
                                    : props.list == ListKind::LowerRoman ? "pnlcrm"
                                    : props.list == ListKind::UpperRoman ? "pnucrm"
                                                                         : "pndec";
                const QTextListFormat list = block.textList()->format();
                m_out += QByteArray("{\\*\\pn\\pnlvlbody\\pnf0\\pnindent0\\pnstart1\\") + style;
                writeAffix("pntxtb", list.numberPrefix());
                // An unset suffix shows as "."; write it, as rich-edit controls do.
                writeAffix("pntxta",
                           list.hasProperty(QTextFormat::ListNumberSuffix) ? list.numberSuffix() : QStringLiteral("."));
                m_out += '}';
            }
        }
        m_delimiter = false;
    }
    if (!full) {
        return;
    }
    if (props.align == Qt::AlignHCenter) {
        word("qc");
    } else if (props.align == Qt::AlignRight) {
        word("qr");
    } else if (props.align == Qt::AlignJustify) {
        word("qj");
    }
    if (props.fi != 0) {
        word("fi", props.fi);
    }
    if (props.li != 0) {
        word("li", props.li);
    }
    if (props.ri != 0) {
        word("ri", props.ri);
    }
}

void Writer::writeRun(const QTextCharFormat& format, const QString& runText)
{
    RunProps next;
    next.font = fontIndex(format);
    const qreal points
        = format.hasProperty(QTextFormat::FontPointSize) ? format.fontPointSize() : m_doc.defaultFont().pointSizeF();
    next.halfPoints = points > 0 ? static_cast<int>(std::lround(points * 2)) : 24;
    next.bold = format.fontWeight() > QFont::Medium;
    next.italic = format.fontItalic();
    next.underline = format.fontUnderline();
    next.strike = format.fontStrikeOut();
    next.color = format.hasProperty(QTextFormat::ForegroundBrush) ? colorIndex(format.foreground()) : 0;
    next.highlight = format.hasProperty(QTextFormat::BackgroundBrush) ? colorIndex(format.background()) : 0;
    const auto align = format.verticalAlignment();
    next.vertical = align == QTextCharFormat::AlignSuperScript ? 1 : align == QTextCharFormat::AlignSubScript ? -1 : 0;

    if (next.font != m_run.font) {
        word("f", next.font);
    }
    if (next.halfPoints != m_run.halfPoints) {
        word("fs", next.halfPoints);
    }
    if (next.bold != m_run.bold) {
        next.bold ? word("b") : word("b", 0);
    }
    if (next.italic != m_run.italic) {
        next.italic ? word("i") : word("i", 0);
    }
    if (next.underline != m_run.underline) {
        next.underline ? word("ul") : word("ulnone");
    }
    if (next.strike != m_run.strike) {
        next.strike ? word("strike") : word("strike", 0);
    }
    if (next.color != m_run.color) {
        word("cf", next.color);
    }
    if (next.highlight != m_run.highlight) {
        word("highlight", next.highlight);
    }
    if (next.vertical != m_run.vertical) {
        word(next.vertical > 0 ? "super" : next.vertical < 0 ? "sub" : "nosupersub");
    }
    m_run = next;
    text(runText);
}

void Writer::writeBlock(const QTextBlock& block, bool first)
{
    const ParagraphProps props = paraProps(block);
    writeParagraphStart(block, props, first || !(props == m_para));
    m_para = props;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (fragment.charFormat().isImageFormat()) {
            for (int i = 0; i < fragment.length(); ++i) {
                writePicture(fragment.charFormat().toImageFormat());
            }
            continue;
        }
        writeRun(fragment.charFormat(), fragment.text());
    }
    if (block.begin() == block.end() || first) {
        // An empty paragraph still carries the formatting of its mark.
        if (m_run.font < 0) {
            writeRun(block.charFormat(), QString());
        }
    }
    m_out += "\\par\r\n";
    m_delimiter = false;
}

// A picture as rich-edit controls and word processors write it: its kind, its own size, the size it is shown at
// (in twips) and its bytes in hex, 128 digits to a line.
void Writer::writePicture(const QTextImageFormat& format)
{
    const StoredPicture stored = storedPicture(m_doc, format);
    if (stored.kind.isEmpty()) {
        return; // nothing kept of it
    }
    m_out += "{\\pict\\" + stored.kind;
    m_delimiter = true;
    word("picw", stored.pictureSize.width());
    word("pich", stored.pictureSize.height());
    word("picwgoal", static_cast<int>(std::lround(format.width() * kTwipsPerPixel)));
    word("pichgoal", static_cast<int>(std::lround(format.height() * kTwipsPerPixel)));
    const QByteArray hex = stored.data.toHex();
    m_out.reserve(m_out.size() + hex.size() + hex.size() / 64 + 8);
    for (qsizetype at = 0; at < hex.size(); at += 128) {
        m_out += "\r\n";
        m_out += QByteArrayView(hex).sliced(at, qMin<qsizetype>(128, hex.size() - at));
    }
    m_out += '}';
    m_delimiter = false;
}

QByteArray Writer::write()
{
    collectTables();
    m_out.reserve(m_doc.characterCount() * 2 + 256);
    writeHeader();
    bool first = true;
    for (QTextBlock block = m_doc.begin(); block.isValid(); block = block.next()) {
        writeBlock(block, first);
        first = false;
    }
    m_out += "}\r\n";
    return m_out;
}

} // namespace

QByteArray writeRtf(const QTextDocument& doc)
{
    return Writer(doc).write();
}

} // namespace jotlet
