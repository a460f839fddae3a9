// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QRect>

class QScreen;

namespace jotlet {

// Twips per pixel on each axis (15 at 96 dots per inch).
struct TwipsPerPixel
{
    double x = 15.0;
    double y = 15.0;
};

// The twips per pixel of a screen (of the primary screen when given none).
TwipsPerPixel twipsPerPixel(const QScreen* screen = nullptr);

// Pixels to twips and back on a screen, each value rounded.
QRect toTwips(const QRect& pixels, const TwipsPerPixel& perPixel);
QRect toPixels(const QRect& twips, const TwipsPerPixel& perPixel);

// What a note needs to know of the screens, in twips of the primary screen.
struct ScreenTwips
{
    QSize primary;          // the primary screen's size
    QRect desktop;          // all screens together
    QList<QRect> available; // each screen's work area
};
ScreenTwips screenTwips();

// The screen a note with this geometry (twips) is on: the one holding its centre, else the primary screen.
QScreen* screenOfNote(const QRect& twips);

} // namespace jotlet
