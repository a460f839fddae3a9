// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QString>

namespace jotlet {

// Icons come from the desktop's icon theme by their freedesktop names, with the distribution's Adwaita theme
// behind it (and as the theme where the platform names none, as on the offscreen platform of the tests). Safe to
// call more than once.
void setUpIconTheme();

// The theme's icon name for a menu image key ("Save", "Bold" ...); empty for an unknown key.
QString menuIconName(const QString& key);

// The icon of a menu image key, from the theme; a null icon when the theme has none.
QIcon menuIcon(const QString& key);

// The icon as a checkable menu item shows it: when the item is checked, with a check mark drawn over its corner,
// so that the state can be seen whatever the style does with checked items that have an icon.
QIcon iconWithCheckState(const QIcon& icon);

} // namespace jotlet
