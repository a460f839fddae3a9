// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/x11.h"

#include <QByteArray>
#include <QGuiApplication>

#include <cstdlib>
#include <cstring>

namespace jotlet {

xcb_connection_t* x11Connection()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_window_t x11RootWindow(xcb_connection_t* connection)
{
    return xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
}

xcb_atom_t x11Atom(xcb_connection_t* connection, const char* name, bool onlyIfExists)
{
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, onlyIfExists ? 1 : 0, uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

bool x11ManagerPresent(xcb_connection_t* connection, const char* selectionPrefix)
{
    // The screen of DISPLAY (":0.1" is screen 1), 0 when it names none.
    const QByteArray display = qgetenv("DISPLAY");
    const qsizetype dot = display.lastIndexOf('.');
    const int screen = dot > display.lastIndexOf(':') ? display.mid(dot + 1).toInt() : 0;
    const QByteArray name = selectionPrefix + QByteArray::number(screen);
    const xcb_atom_t atom = x11Atom(connection, name.constData(), true);
    if (atom == XCB_ATOM_NONE) {
        return false;
    }
    xcb_get_selection_owner_reply_t* owner
        = xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, atom), nullptr);
    const bool present = owner && owner->owner != XCB_NONE;
    std::free(owner);
    return present;
}

} // namespace jotlet
