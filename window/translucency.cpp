// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/translucency.h"

#include <QGuiApplication>
#include <QWidget>

#ifdef JOTLET_HAVE_XCB
#include "platform/x11.h"
#endif

namespace jotlet {

bool Translucency::isSupported()
{
    // The offscreen platform and some Wayland compositors cannot; X11 and Windows can.
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("xcb") || platform == QLatin1String("windows");
}

bool Translucency::isAvailable()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        return isSupported();
    }
#ifdef JOTLET_HAVE_XCB
    // On X11 only a compositing manager draws windows translucent; it owns the selection _NET_WM_CM_S<screen>.
    xcb_connection_t* connection = x11Connection();
    return connection && x11ManagerPresent(connection, "_NET_WM_CM_S");
#else
    return true;
#endif
}

Translucency::Translucency(QWidget* window, int alpha)
    : m_window(window)
    , m_alpha(255)
{
    setAlpha(alpha);
}

Translucency::~Translucency()
{
    if (m_window && isSupported()) {
        m_window->setWindowOpacity(1.0);
    }
}

void Translucency::setAlpha(int alpha)
{
    m_alpha = qBound(0, alpha, 255);
    if (m_window && isSupported()) {
        m_window->setWindowOpacity(m_alpha / 255.0);
    }
}

} // namespace jotlet
