// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace jotlet {

// Whether the window stays above all windows that are not kept on top; the window is not moved, resized or
// recreated. Returns false for no window.
bool setStaysOnTop(QWidget* window, bool on);

// Keeps the window out of the taskbar and the pager (or lets it back in). On X11 these are the window manager's
// _NET_WM_STATE_SKIP_TASKBAR and _NET_WM_STATE_SKIP_PAGER: set on the window while it is not mapped yet (call it
// from showEvent), asked of the window manager once it is. Nothing happens where the window system has no such
// request (native Wayland).
enum class WindowMapping { NotYet, Mapped };
void setKeptOutOfTaskbar(QWidget* window, bool out, WindowMapping mapping);

// Whether the window system lets the program place its own windows and keep them on top: not native Wayland, where
// the compositor decides (a window's place is not even reported there).
bool windowSystemPlacesWindows();

// Asks for a drop shadow under the window. Window managers draw shadows themselves on Linux, so this only matters
// on Windows; failures are ignored.
void addDropShadow(QWidget* window);

// Esc closes the window, as it closes every dialog: for the program's windows that are not dialogs (Find, Trash, the
// manager).
void closeOnEscape(QWidget* window);

// Shows one of the program's windows (Find, Trash, Import ...) in front with the keyboard, kept on top when the note
// that opened it is.
void bringToFront(QWidget* window, bool onTop);

} // namespace jotlet
