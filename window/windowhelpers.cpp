// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/windowhelpers.h"

#include <QAction>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#ifdef Q_OS_WIN
#include <windows.h>
#endif
#ifdef JOTLET_HAVE_XCB
#include "platform/x11.h"

#include <cstdlib>
#endif

namespace jotlet {

#ifdef JOTLET_HAVE_XCB
namespace {

// The window's _NET_WM_STATE with the atoms added or taken out, as the window manager reads it when it maps the
// window (Qt adds its own states to what it finds there).
void writeStateProperty(
    xcb_connection_t* connection, xcb_window_t window, xcb_atom_t state, const QList<xcb_atom_t>& atoms, bool add)
{
    QList<xcb_atom_t> states;
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, state, XCB_ATOM_ATOM, 0, 1024), nullptr);
    if (reply && reply->format == 32 && reply->type == XCB_ATOM_ATOM) {
        const auto* data = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
        states = QList<xcb_atom_t>(data, data + xcb_get_property_value_length(reply) / 4);
    }
    std::free(reply);
    for (const xcb_atom_t atom : atoms) {
        states.removeAll(atom);
        if (add) {
            states.append(atom);
        }
    }
    xcb_change_property(
        connection, XCB_PROP_MODE_REPLACE, window, state, XCB_ATOM_ATOM, 32, uint32_t(states.size()), states.data());
}

// Asks the window manager to change the states of a mapped window (the EWMH _NET_WM_STATE request).
void requestStates(xcb_connection_t* connection,
                   xcb_window_t root,
                   xcb_window_t window,
                   xcb_atom_t state,
                   xcb_atom_t first,
                   xcb_atom_t second,
                   bool add)
{
    xcb_client_message_event_t message = {};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = state;
    message.data.data32[0] = add ? 1 : 0; // _NET_WM_STATE_ADD, _NET_WM_STATE_REMOVE
    message.data.data32[1] = first;
    message.data.data32[2] = second;
    message.data.data32[3] = 1; // a normal application asks
    xcb_send_event(connection,
                   0,
                   root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
}

} // namespace
#endif

void setKeptOutOfTaskbar(QWidget* window, bool out, WindowMapping mapping)
{
    if (!window) {
        return;
    }
#ifdef JOTLET_HAVE_XCB
    xcb_connection_t* connection = x11Connection();
    if (!connection) {
        return;
    }
    const auto id = xcb_window_t(window->winId());
    const xcb_atom_t state = x11Atom(connection, "_NET_WM_STATE");
    const xcb_atom_t skipTaskbar = x11Atom(connection, "_NET_WM_STATE_SKIP_TASKBAR");
    const xcb_atom_t skipPager = x11Atom(connection, "_NET_WM_STATE_SKIP_PAGER");
    if (mapping == WindowMapping::NotYet) {
        writeStateProperty(connection, id, state, {skipTaskbar, skipPager}, out);
    } else {
        requestStates(connection, x11RootWindow(connection), id, state, skipTaskbar, skipPager, out);
    }
    xcb_flush(connection);
#elif defined(Q_OS_WIN)
    // A tool window has no taskbar button; the taskbar notices the change when the window is next shown.
    Q_UNUSED(mapping);
    const HWND hwnd = reinterpret_cast<HWND>(window->winId());
    LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
    style = out ? ((style | WS_EX_TOOLWINDOW) & ~WS_EX_APPWINDOW) : (style & ~WS_EX_TOOLWINDOW);
    SetWindowLongPtrW(hwnd, GWL_EXSTYLE, style);
#else
    Q_UNUSED(out);
    Q_UNUSED(mapping);
#endif
}

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

void closeOnEscape(QWidget* window)
{
    auto* escape = new QAction(window);
    escape->setObjectName(QStringLiteral("actCloseOnEscape"));
    escape->setShortcut(Qt::Key_Escape);
    escape->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(escape, &QAction::triggered, window, &QWidget::close);
    window->addAction(escape);
}

void bringToFront(QWidget* window, bool onTop)
{
    setStaysOnTop(window, onTop);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace jotlet
