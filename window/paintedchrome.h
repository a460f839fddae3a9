// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QRect>
#include <QString>

class QPainter;
class QPaintDevice;

namespace jotlet {

// The parts of a note's chrome the window draws itself rather than holding a widget for each: the caption band
// with the note's title, the sub-caption under the text, the line above it and the resize grip. Where each is,
// what it says, which one a point is over, and how they look.
enum class ChromePart { None, Caption, SubCaption, Grip };

class PaintedChrome
{
public:
    // The caption band's grey: white text on it has a contrast of 4.5:1.
    static QColor captionGrey() { return QColor(118, 118, 118); }
    static QFont captionFont();
    static QFont subCaptionFont();

    // Places the parts, in the window's pixels; returns what has to be drawn again.
    QRect place(const QRect& caption, const QRect& subCaption, const QRect& line, const QRect& grip);
    // Rolled up, a note shows none of them.
    void setShown(bool shown) { m_shown = shown; }
    bool isShown() const { return m_shown; }

    // The title, cut with "…" where it does not fit the band as drawn on the device; returns the band. It is cut
    // when it is drawn or asked for: measuring needs the caption's font, which a note's first paint can load.
    QRect setTitle(const QString& title, const QPaintDevice* device);
    QRect setSubCaption(const QString& text);
    void setGripPicture(const QPixmap& picture) { m_gripPicture = picture; }

    QString title() const { return m_title; }
    QString shownTitle() const;
    QString subCaption() const { return m_subCaption; }
    QRect rect(ChromePart part) const;
    ChromePart partAt(const QPoint& at) const;

    void paint(QPainter& painter, const QColor& ink, const QRect& dirty) const;

private:
    QRect m_captionRect;
    QRect m_subCaptionRect;
    QRect m_lineRect;
    QRect m_gripRect;
    QString m_title;
    const QPaintDevice* m_titleDevice = nullptr;
    mutable QString m_shownTitle;
    mutable bool m_titleCut = false; // m_shownTitle is the title cut to the band as it is
    QString m_subCaption;
    QPixmap m_gripPicture;
    bool m_shown = true;
};

} // namespace jotlet
