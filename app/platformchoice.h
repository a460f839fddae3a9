// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcessEnvironment>
#include <QStringList>

namespace jotlet {

// Whether the desktop session is a Wayland one ("WAYLAND_DISPLAY" or XDG_SESSION_TYPE=wayland), even when the
// program runs on its X server (Xwayland).
bool isWaylandSession(const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());

// The Qt platform the program asks for: in a Wayland session ("WAYLAND_DISPLAY" or XDG_SESSION_TYPE=wayland) where
// the user chose none (no QT_QPA_PLATFORM, no -platform argument) and Xwayland is reachable (DISPLAY), "xcb": only
// there can notes be placed where they were, kept on top and made translucent. "" leaves the choice to Qt (and to
// the user: QT_QPA_PLATFORM=wayland still runs natively).
QString chosenPlatform(const QProcessEnvironment& environment, const QStringList& arguments);

} // namespace jotlet
