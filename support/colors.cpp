// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/colors.h"

#include <QGuiApplication>
#include <QPalette>

namespace jotlet {

namespace {

constexpr qint64 kSystemColorBit = 0x80000000LL;

struct SystemColor
{
    int index;
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// The system colour indexes a stored value can name, and the palette colour that plays the same part.
constexpr SystemColor kSystemColors[] = {
    {0, QPalette::Active, QPalette::Window},           // scroll bar
    {1, QPalette::Active, QPalette::Window},           // desktop
    {2, QPalette::Active, QPalette::Highlight},        // active caption
    {3, QPalette::Inactive, QPalette::Window},         // inactive caption
    {4, QPalette::Active, QPalette::Window},           // menu
    {5, QPalette::Active, QPalette::Base},             // window background
    {6, QPalette::Active, QPalette::Shadow},           // window frame
    {7, QPalette::Active, QPalette::WindowText},       // menu text
    {8, QPalette::Active, QPalette::Text},             // window text
    {9, QPalette::Active, QPalette::HighlightedText},  // caption text
    {10, QPalette::Active, QPalette::Mid},             // active border
    {11, QPalette::Inactive, QPalette::Mid},           // inactive border
    {12, QPalette::Active, QPalette::Dark},            // application workspace
    {13, QPalette::Active, QPalette::Highlight},       // highlight
    {14, QPalette::Active, QPalette::HighlightedText}, // highlighted text
    {15, QPalette::Active, QPalette::Button},          // button face
    {16, QPalette::Active, QPalette::Dark},            // button shadow
    {17, QPalette::Disabled, QPalette::Text},          // grey text
    {18, QPalette::Active, QPalette::ButtonText},      // button text
    {19, QPalette::Inactive, QPalette::WindowText},    // inactive caption text
    {20, QPalette::Active, QPalette::Light},           // button highlight
    {21, QPalette::Active, QPalette::Shadow},          // 3-D dark shadow
    {22, QPalette::Active, QPalette::Midlight},        // 3-D light
    {23, QPalette::Active, QPalette::ToolTipText},     // tooltip text
    {24, QPalette::Active, QPalette::ToolTipBase},     // tooltip background
    {26, QPalette::Active, QPalette::Link},            // hot-tracked item
    {27, QPalette::Active, QPalette::Highlight},       // gradient active caption
    {28, QPalette::Inactive, QPalette::Window},        // gradient inactive caption
    {29, QPalette::Active, QPalette::Highlight},       // menu highlight
    {30, QPalette::Active, QPalette::Window},          // menu bar
};

} // namespace

QColor colorFromBgr(quint32 color)
{
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

quint32 bgrFromColor(const QColor& color)
{
    const QColor rgb = color.toRgb();
    return quint32(rgb.red()) | (quint32(rgb.green()) << 8) | (quint32(rgb.blue()) << 16);
}

bool isSystemColor(qint64 value)
{
    return (value & 0xFFFFFFFFLL & kSystemColorBit) != 0;
}

std::optional<QColor> translateColor(qint64 value)
{
    const qint64 bits = value & 0xFFFFFFFFLL;
    if (!isSystemColor(value)) {
        if (value < 0 || value > 0x00FFFFFF) {
            return std::nullopt;
        }
        return colorFromBgr(quint32(value));
    }
    if ((bits & 0x7FFFFF00LL) != 0) {
        return std::nullopt;
    }
    const int index = int(bits & 0xFF);
    for (const SystemColor& entry : kSystemColors) {
        if (entry.index == index) {
            return QGuiApplication::palette().color(entry.group, entry.role);
        }
    }
    return std::nullopt;
}

} // namespace jotlet
