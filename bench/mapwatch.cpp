// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a program and prints how long it took until the window manager had mapped n windows of it (frames mapped on
// the root window), in microseconds, then its resident set in kB at that moment and a second later, and ends it. It
// waits on the X connection itself: nothing polls beside the start being timed.
// Usage: mapwatch <n> <program> [arguments...]
#include <xcb/xcb.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

long long nowMicroseconds()
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<long long>(t.tv_sec) * 1000000 + t.tv_nsec / 1000;
}

long residentKb(pid_t pid)
{
    char path[64];
    char line[256];
    long kb = -1;
    snprintf(path, sizeof path, "/proc/%d/status", static_cast<int>(pid));
    FILE* status = std::fopen(path, "r");
    if (!status) {
        return -1;
    }
    while (fgets(line, sizeof line, status)) {
        if (strncmp(line, "VmRSS:", 6) == 0) {
            kb = strtol(line + 6, nullptr, 10);
        }
    }
    fclose(status);
    return kb;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        fprintf(stderr, "usage: mapwatch <n> <program> [arguments...]\n");
        return 2;
    }
    const int wanted = atoi(argv[1]);
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        fprintf(stderr, "mapwatch: no X display\n");
        return 2;
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(x)).data;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(x);
    const long long start = nowMicroseconds();
    const pid_t pid = fork();
    if (pid == 0) {
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDOUT_FILENO);
        dup2(quiet, STDERR_FILENO);
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    int mapped = 0;
    struct pollfd connection = {xcb_get_file_descriptor(x), POLLIN, 0};
    while (mapped < wanted && !xcb_connection_has_error(x)) {
        xcb_generic_event_t* event = xcb_poll_for_event(x);
        if (!event) {
            // Nothing yet: wait for the X server, and look now and then whether the program is still there.
            if (poll(&connection, 1, 200) == 0 && waitpid(pid, nullptr, WNOHANG) == pid) {
                fprintf(stderr, "mapwatch: the program ended after %d windows\n", mapped);
                return 1;
            }
            continue;
        }
        if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
            ++mapped;
        }
        free(event);
    }
    const long long elapsed = nowMicroseconds() - start;
    const long rss = residentKb(pid);
    sleep(1);
    const long settled = residentKb(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    xcb_disconnect(x);
    if (mapped < wanted) {
        fprintf(stderr, "mapwatch: the X connection ended after %d windows\n", mapped);
        return 1;
    }
    printf("%lld %ld %ld\n", elapsed, rss, settled);
    return 0;
}
