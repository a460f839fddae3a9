// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "note/notelook.h"

#include "platform/desktoplook.h"
#include "support/settings.h"

#include <QtMath>

#include <optional>

namespace jotlet {

namespace {

// Light enough on every dark paper, without the glare of pure white.
const QColor kLightInk(0xEC, 0xEC, 0xEC);
const QColor kDarkInk(Qt::black);

double channel(double c)
{
    return c <= 0.03928 ? c / 12.92 : qPow((c + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& color)
{
    const QColor rgb = color.toRgb();
    return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) + 0.0722 * channel(rgb.blueF());
}

QColor inkFor(const QColor& paper)
{
    return contrastRatio(kDarkInk, paper) >= contrastRatio(kLightInk, paper) ? kDarkInk : kLightInk;
}

// The same hue, muted and dark: a yellow note stays recognisably yellow on a dark desktop.
QColor darkVariant(const QColor& color)
{
    const QColor hsl = color.toHsl();
    const double saturation = qMin(hsl.hslSaturationF(), 0.45);
    const double lightness = qMin(hsl.lightnessF(), 0.22);
    return QColor::fromHslF(qMax(0.0, hsl.hslHueF()), saturation, lightness).toRgb();
}

// "Dark" or "Light" (any case); nothing for anything else, which follows what comes next.
std::optional<bool> chosenDark(const QString& choice)
{
    if (choice.compare(kLookDark, Qt::CaseInsensitive) == 0) {
        return true;
    }
    if (choice.compare(kLookLight, Qt::CaseInsensitive) == 0) {
        return false;
    }
    return std::nullopt;
}

} // namespace

double contrastRatio(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

NotePaint notePaint(const QColor& noteColor, bool dark)
{
    NotePaint look;
    look.dark = dark;
    look.paper = dark ? darkVariant(noteColor) : noteColor.toRgb();
    look.ink = inkFor(look.paper);
    const bool lightInk = look.ink == kLightInk;
    look.link = lightInk ? QColor(0x9E, 0xC5, 0xFF) : QColor(0, 0, 238);
    if (contrastRatio(look.link, look.paper) < 3.0) {
        look.link = look.ink;
    }
    return look;
}

QColor legibleColor(const QColor& stored, const NotePaint& look)
{
    // 3:1 is the floor for large text; below it a colour cannot be read, and the ink is what the writer meant.
    return contrastRatio(stored, look.paper) >= 3.0 ? stored : look.ink;
}

bool notesDarkByDefault()
{
    return chosenDark(readSetting(Setting::NoteLook)).value_or(DesktopLook::instance().prefersDark());
}

bool isDarkLook(const QString& choice)
{
    const std::optional<bool> chosen = chosenDark(choice);
    return chosen ? *chosen : notesDarkByDefault();
}

} // namespace jotlet
