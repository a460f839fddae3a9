// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "note/screens.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace jotlet {

TwipsPerPixel twipsPerPixel(const QScreen* screen)
{
    if (!screen) {
        screen = QGuiApplication::primaryScreen();
    }
    if (!screen) {
        return {};
    }
    return {1440.0 / screen->logicalDotsPerInchX(), 1440.0 / screen->logicalDotsPerInchY()};
}

QRect toTwips(const QRect& pixels, const TwipsPerPixel& perPixel)
{
    return {int(std::lround(pixels.left() * perPixel.x)),
            int(std::lround(pixels.top() * perPixel.y)),
            int(std::lround(pixels.width() * perPixel.x)),
            int(std::lround(pixels.height() * perPixel.y))};
}

QRect toPixels(const QRect& twips, const TwipsPerPixel& perPixel)
{
    return {int(std::lround(twips.left() / perPixel.x)),
            int(std::lround(twips.top() / perPixel.y)),
            int(std::lround(twips.width() / perPixel.x)),
            int(std::lround(twips.height() / perPixel.y))};
}

ScreenTwips screenTwips()
{
    ScreenTwips result;
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (!primary) {
        result.primary = QSize(15360, 11520); // 1024 x 768
        result.desktop = QRect(QPoint(0, 0), result.primary);
        result.available << result.desktop;
        return result;
    }
    const TwipsPerPixel perPixel = twipsPerPixel(primary);
    result.primary = toTwips(primary->geometry(), perPixel).size();
    result.desktop = toTwips(primary->virtualGeometry(), perPixel);
    for (const QScreen* screen : QGuiApplication::screens()) {
        result.available << toTwips(screen->availableGeometry(), perPixel);
    }
    return result;
}

QScreen* screenOfNote(const QRect& twips)
{
    const QPoint centre = toPixels(twips, twipsPerPixel()).center();
    QScreen* screen = QGuiApplication::screenAt(centre);
    return screen ? screen : QGuiApplication::primaryScreen();
}

} // namespace jotlet
