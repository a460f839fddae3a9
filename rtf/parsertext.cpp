// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// Building the document: paragraphs, list items and runs of text with their character format.
#include "rtf/parser.h"

#include "rtf/format.h"
#include "rtf/pictures.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>

#include <utility>

namespace jotlet::rtfparse {

namespace {

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

enum class CheckState { None, Unchecked, Checked };

// A bulleted paragraph whose bullet is a ballot box is a check item: ☐ unticked, ☒ or ☑ ticked.
CheckState checkStateOfBullet(const ParagraphProps& para)
{
    if (para.list != ListKind::Bullet) {
        return CheckState::None;
    }
    const QString bullet = para.listPrefix.trimmed();
    if (bullet == QStringView(u"\u2610")) {
        return CheckState::Unchecked;
    }
    if (bullet == QStringView(u"\u2611") || bullet == QStringView(u"\u2612")) {
        return CheckState::Checked;
    }
    return CheckState::None;
}

} // namespace

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
    if (m_st.dest == Dest::PnAffix) {
        m_pnAffix += text; // a bullet given as \uN (a check box)
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

// Applies the paragraph properties in force to the current block.
void Parser::finishBlock()
{
    QTextBlockFormat block;
    block.setAlignment(m_para.align);
    block.setRightMargin(m_para.ri / kTwipsPerPixel);
    if (m_para.list == ListKind::None) {
        block.setLeftMargin(m_para.li / kTwipsPerPixel);
        block.setTextIndent(m_para.fi / kTwipsPerPixel);
    } else {
        // A list item's text starts at its left indent, as in rich-edit controls; its marker stands just before
        // it, in the hanging first line (with room for it when the indent is too small).
        block.setLeftMargin(qMax(m_para.li, kMinimumListIndentTwips) / kTwipsPerPixel);
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
    // Ticked and unticked boxes make one checklist.
    const bool sameBullet
        = m_listProps.listPrefix == m_para.listPrefix
          || (checkStateOfBullet(m_listProps) != CheckState::None && checkStateOfBullet(m_para) != CheckState::None);
    const bool continues = m_list && m_listProps.list == m_para.list && m_listProps.listSuffix == m_para.listSuffix
                           && sameBullet && m_lastListBlock == blockNumber - 1;
    if (continues) {
        m_list->add(m_cursor.block());
    } else {
        QTextListFormat format;
        format.setStyle(listStyle(m_para.list));
        format.setIndent(0); // the block's own left margin places it
        if (m_para.list != ListKind::Bullet) {
            format.setNumberPrefix(m_para.listPrefix);
            format.setNumberSuffix(m_para.listSuffix);
        }
        m_list = m_cursor.createList(format);
        m_listProps = m_para;
    }
    m_lastListBlock = blockNumber;
    const CheckState check = checkStateOfBullet(m_para);
    if (check != CheckState::None) {
        QTextBlockFormat checkItem;
        checkItem.setMarker(check == CheckState::Checked ? QTextBlockFormat::MarkerType::Checked
                                                         : QTextBlockFormat::MarkerType::Unchecked);
        m_cursor.mergeBlockFormat(checkItem);
    }
    colorListMarkerWithText(m_cursor.block());
}

namespace {

// How big a picture is shown: the size the file asks for (in twips, scaled), else its own pixels, within reason.
QSize shownSize(const PictState& pict, const QSize& own)
{
    const auto scaled = [](int value, int percent) { return qRound(value * qBound(1, percent, 1000) / 100.0); };
    QSize size;
    if (pict.goalw > 0 && pict.goalh > 0) {
        size = QSize(qRound(scaled(pict.goalw, pict.scalex) / kTwipsPerPixel),
                     qRound(scaled(pict.goalh, pict.scaley) / kTwipsPerPixel));
    } else if (own.isValid()) {
        size = QSize(scaled(own.width(), pict.scalex), scaled(own.height(), pict.scaley));
    } else {
        size = QSize(96, 96);
    }
    return size.boundedTo(QSize(kMaxShownSide, kMaxShownSide)).expandedTo(QSize(1, 1));
}

} // namespace

// The \pict group just read: a picture the note can draw, or a box of its size for one it cannot (a metafile, a
// broken or oversized picture). Its bytes are kept so that the note writes them back as they were.
void Parser::emitPicture()
{
    const PictState pict = std::exchange(m_pict, PictState());
    if (m_st.dest != Dest::Text || pict.kind.isEmpty()) {
        return;
    }
    flushRun();
    startContent();
    const StoredPicture stored {pict.kind, pict.data, QSize(pict.picw, pict.pich)};
    // A picture the note can draw is decoded when it is first drawn; only its header is read here.
    const QSize own = drawablePictureSize(stored);
    const QSize size = shownSize(pict, own);
    if (!m_limits.decodePictures) {
        insertPicture(m_cursor, QImage(1, 1, QImage::Format_ARGB32), size, stored);
    } else if (own.isValid()) {
        insertPictureUndecoded(m_cursor, size, stored);
    } else {
        insertPicture(m_cursor, placeholderPicture(size), size, stored);
    }
}

void Parser::finish()
{
    flushBytes();
    flushRun();
    if (!m_paragraphPending && (m_blockTouched || m_cursor.block().length() > 1)) {
        finishBlock();
    }
}

} // namespace jotlet::rtfparse
