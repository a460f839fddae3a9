// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QtGlobal>

class QPainter;
class QPaintDevice;

namespace jotlet {

// Fills a rectangle with a two-colour linear gradient at any angle: the first colour where the gradient starts,
// the second where it ends. Angle 0 runs from left to right, 90 from bottom to top, 270 from top to bottom. The
// blend is one colour step per pixel of the sweep across the area, as a band of one-pixel lines perpendicular to
// the direction, moved across the rectangle one pixel at a time, would give.
class GradientPainter
{
public:
    // Colours as 0x00BBGGRR. A value with the top bit set and an index below 25 in the low bits names a system
    // colour and stores that colour; any other value is stored as it is.
    quint32 color1() const { return m_color1; }
    void setColor1(quint32 value) { m_color1 = storedColor(value); }
    quint32 color2() const { return m_color2; }
    void setColor2(quint32 value) { m_color2 = storedColor(value); }
    // Degrees, kept in [0, 360): 450 is kept as 90, -100 as 260.
    float angle() const { return m_angle; }
    void setAngle(float degrees);

    // Fills the rectangle; false (and nothing painted) when it is not wider and taller than one pixel.
    bool paint(QPainter& painter, const QRect& area) const;
    bool paint(QPaintDevice& device) const;

private:
    static quint32 storedColor(quint32 value);

    quint32 m_color1 = 0xFFFFD0;
    quint32 m_color2 = 0x400000;
    float m_angle = 315.0F;
};

} // namespace jotlet
