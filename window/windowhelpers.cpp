// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/windowhelpers.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace jotlet {

bool setStaysOnTop(QWidget* window, bool on)
{
    if (!window) {
        return false;
    }
    QWindow* handle = window->windowHandle();
    if (!handle) {
        // Not created yet: the flag takes effect when the window is first shown.
        window->setWindowFlag(Qt::WindowStaysOnTopHint, on);
        return true;
    }
    // setWindowFlag() on a visible widget would recreate its native window; set the hint on the
    // QWindow and keep the widget's own flags in step without telling the window system again.
    handle->setFlag(Qt::WindowStaysOnTopHint, on);
    Qt::WindowFlags flags = window->windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, on);
    window->overrideWindowFlags(flags);
    return true;
}

bool windowSystemPlacesWindows()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void addDropShadow(QWidget* window)
{
#ifdef Q_OS_WIN
    if (window) {
        const HWND hwnd = reinterpret_cast<HWND>(window->winId());
        const ULONG_PTR style = GetClassLongPtrW(hwnd, GCL_STYLE);
        SetClassLongPtrW(hwnd, GCL_STYLE, static_cast<LONG_PTR>(style | CS_DROPSHADOW));
    }
#else
    Q_UNUSED(window);
#endif
}

} // namespace jotlet
