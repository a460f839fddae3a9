// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The X server the program's windows are on, for the few requests Qt has no call for.
#include <xcb/xcb.h>

namespace jotlet {

// Qt's own connection to the X server; nullptr on any other window system.
xcb_connection_t* x11Connection();
// The root window of the default screen.
xcb_window_t x11RootWindow(xcb_connection_t* connection);
// The atom of a name; XCB_ATOM_NONE when onlyIfExists and no client has made it yet, or the server did not answer.
xcb_atom_t x11Atom(xcb_connection_t* connection, const char* name, bool onlyIfExists = false);
// Whether a client owns the selection of the default screen that a manager takes to announce itself: the name with
// the screen's number after it ("_NET_WM_CM_S" for the compositor, "_NET_SYSTEM_TRAY_S" for the tray).
bool x11ManagerPresent(xcb_connection_t* connection, const char* selectionPrefix);

} // namespace jotlet
