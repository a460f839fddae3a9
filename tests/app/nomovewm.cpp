// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// A window manager that maps windows and lets them change size but never moves them: what a window system that
// refuses or delays a program's moves looks like to the program. Runs until killed.
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>

int main()
{
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "nomovewm: cannot connect to the X server\n");
        return 1;
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const uint32_t redirect = XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_generic_error_t* error = xcb_request_check(
        connection, xcb_change_window_attributes_checked(connection, screen->root, XCB_CW_EVENT_MASK, &redirect));
    if (error) {
        std::fprintf(stderr, "nomovewm: another window manager runs\n");
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    while (xcb_generic_event_t* event = xcb_wait_for_event(connection)) {
        switch (event->response_type & ~0x80) {
        case XCB_MAP_REQUEST:
            xcb_map_window(connection, reinterpret_cast<xcb_map_request_event_t*>(event)->window);
            break;
        case XCB_CONFIGURE_REQUEST: {
            const auto* request = reinterpret_cast<xcb_configure_request_event_t*>(event);
            // The size as asked, the place never.
            const uint32_t size[] = {request->width, request->height};
            xcb_configure_window(connection, request->window, XCB_CONFIG_WINDOW_WIDTH | XCB_CONFIG_WINDOW_HEIGHT, size);
            break;
        }
        default:
            break;
        }
        std::free(event);
        xcb_flush(connection);
    }
    return 0;
}
