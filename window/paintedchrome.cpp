// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/paintedchrome.h"

#include <QFontMetrics>
#include <QPainter>

namespace jotlet {

namespace {

constexpr int kCaptionIndent = 2; // pixels between the band's left edge and the title

} // namespace

QFont PaintedChrome::captionFont()
{
    static const QFont font(QStringLiteral("Verdana"), 9);
    return font;
}

QFont PaintedChrome::subCaptionFont()
{
    static const QFont font(QStringLiteral("Verdana"), 8);
    return font;
}

QRect PaintedChrome::place(const QRect& caption, const QRect& subCaption, const QRect& line, const QRect& grip)
{
    const QRect before = m_captionRect | m_subCaptionRect | m_lineRect | m_gripRect;
    m_titleCut = m_titleCut && caption.width() == m_captionRect.width();
    m_captionRect = caption;
    m_subCaptionRect = subCaption;
    m_lineRect = line;
    m_gripRect = grip;
    return before | caption | subCaption | line | grip;
}

QRect PaintedChrome::setTitle(const QString& title, const QPaintDevice* device)
{
    m_title = title;
    m_titleDevice = device;
    m_titleCut = false;
    return m_captionRect;
}

QString PaintedChrome::shownTitle() const
{
    if (!m_titleCut) {
        const QFontMetrics metrics(captionFont(), m_titleDevice);
        m_shownTitle = metrics.elidedText(m_title, Qt::ElideRight, qMax(0, m_captionRect.width() - kCaptionIndent));
        m_titleCut = true;
    }
    return m_shownTitle;
}

QRect PaintedChrome::setSubCaption(const QString& text)
{
    m_subCaption = text;
    return m_subCaptionRect;
}

QRect PaintedChrome::rect(ChromePart part) const
{
    switch (part) {
    case ChromePart::Caption:
        return m_captionRect;
    case ChromePart::SubCaption:
        return m_subCaptionRect;
    case ChromePart::Grip:
        return m_gripRect;
    case ChromePart::None:
        break;
    }
    return {};
}

ChromePart PaintedChrome::partAt(const QPoint& at) const
{
    if (!m_shown) {
        return ChromePart::None;
    }
    // The grip is drawn over the sub-caption's right end, so it comes first.
    for (ChromePart part : {ChromePart::Grip, ChromePart::Caption, ChromePart::SubCaption}) {
        if (rect(part).contains(at)) {
            return part;
        }
    }
    return ChromePart::None;
}

void PaintedChrome::paint(QPainter& painter, const QColor& ink, const QRect& dirty) const
{
    if (!m_shown) {
        return;
    }
    // The text box shows the window's paper through it, so the window paints under every change of its text: the
    // parts outside the change are left alone.
    if (m_captionRect.intersects(dirty)) {
        painter.fillRect(m_captionRect, captionGrey());
        painter.setPen(Qt::white);
        painter.setFont(captionFont());
        painter.drawText(
            m_captionRect.adjusted(kCaptionIndent, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, shownTitle());
    }
    if (m_subCaptionRect.intersects(dirty)) {
        painter.setPen(ink);
        painter.setFont(subCaptionFont());
        painter.drawText(m_subCaptionRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, m_subCaption);
    }
    // The line: one pixel of ink across the middle of its strip.
    if (!m_lineRect.isEmpty() && m_lineRect.intersects(dirty)) {
        painter.fillRect(QRect(m_lineRect.left(), m_lineRect.center().y(), m_lineRect.width(), 1), ink);
    }
    if (m_gripRect.intersects(dirty)) {
        painter.drawPixmap(m_gripRect, m_gripPicture);
    }
}

} // namespace jotlet
