// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/translucency.h"

#include <QGuiApplication>
#include <QWidget>

#ifdef JOTLET_HAVE_XCB
#include "platform/x11.h"

#include <cstdlib>
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
    if (!connection) {
        return false;
    }
    // The screen of DISPLAY (":0.1" is screen 1), 0 when it names none.
    const QByteArray display = qgetenv("DISPLAY");
    const qsizetype dot = display.lastIndexOf('.');
    const int screen = dot > display.lastIndexOf(':') ? display.mid(dot + 1).toInt() : 0;
    const QByteArray name = "_NET_WM_CM_S" + QByteArray::number(screen);
    const xcb_atom_t atom = x11Atom(connection, name.constData(), true);
    if (atom == XCB_ATOM_NONE) {
        return false;
    }
    xcb_get_selection_owner_reply_t* owner
        = xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, atom), nullptr);
    const bool composited = owner && owner->owner != XCB_NONE;
    std::free(owner);
    return composited;
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
