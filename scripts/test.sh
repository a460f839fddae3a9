#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quorvel
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, checks formatting and runs every test. Tests labelled x11 run on a private
# Xvfb server with the openbox window manager, tests labelled wayland on a private headless weston with Xwayland,
# both started and stopped here.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build"

bash "$root/scripts/install-deps.sh" test
bash "$root/scripts/check-format.sh"

cd "$root"
cmake --preset dev >/dev/null
cmake --build --preset dev

xvfb_pid=""
openbox_pid=""
cups_pid=""
cups_dir=""
weston_pid=""
weston_runtime=""
wm_runtime=""
stop_x() {
    [ -n "$openbox_pid" ] && kill "$openbox_pid" 2>/dev/null && wait "$openbox_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    [ -n "$wm_runtime" ] && rm -rf "$wm_runtime"
    [ -n "$cups_pid" ] && kill "$cups_pid" 2>/dev/null && wait "$cups_pid" 2>/dev/null
    [ -n "$cups_dir" ] && rm -rf "$cups_dir"
    [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null && wait "$weston_pid" 2>/dev/null
    [ -n "$weston_runtime" ] && rm -rf "$weston_runtime"
    return 0
}
trap stop_x EXIT

# A private CUPS server with a PDF queue for the print test: its own configuration, spool and socket (CUPS_SERVER),
# so the system's printers are neither used nor changed. Its folders are in a temporary folder of their own that
# anyone may pass through: CUPS runs its filters as the unprivileged lp user, who could not reach a spool inside a
# clone in a private (0700) folder.
start_cups() {
    local ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd dir
    if [ ! -x /usr/sbin/cupsd ] || [ ! -f "$ppd" ]; then
        echo "CUPS or cups-pdf is not installed: the print-queue test will be skipped"
        return 0
    fi
    cups_dir=$(mktemp -d /tmp/jotlet-cups.XXXXXX)
    chmod 0755 "$cups_dir"
    dir="$cups_dir"
    mkdir -p "$dir"/etc/ppd "$dir"/spool/tmp "$dir"/cache "$dir"/state "$dir"/log "$dir"/run
    printf '%s\n' "ServerRoot $dir/etc" "RequestRoot $dir/spool" "CacheDir $dir/cache" "StateDir $dir/state" \
        "TempDir $dir/spool/tmp" "ErrorLog $dir/log/error_log" "AccessLog $dir/log/access_log" \
        "PageLog $dir/log/page_log" "ServerBin /usr/lib/cups" "DataDir /usr/share/cups" >"$dir/etc/cups-files.conf"
    printf '%s\n' "Listen $dir/run/cups.sock" "LogLevel warn" "WebInterface No" \
        "<Location />" "Order allow,deny" "Allow all" "</Location>" \
        "<Location /admin>" "Order allow,deny" "Allow all" "</Location>" >"$dir/etc/cupsd.conf"
    /usr/sbin/cupsd -f -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" >"$dir/log/cupsd.out" 2>&1 &
    cups_pid=$!
    for _ in $(seq 1 50); do
        [ -S "$dir/run/cups.sock" ] && break
        sleep 0.1
    done
    export CUPS_SERVER="$dir/run/cups.sock" JOTLET_CUPS_LOG="$dir/log/error_log"
    if lpadmin -p JotletPDF -v cups-pdf:/ -E -P "$ppd" 2>/dev/null; then
        export JOTLET_CUPS_QUEUE=JotletPDF
    else
        echo "the private CUPS server did not take a PDF queue: the print-queue test will be skipped"
    fi
}
start_cups

# A private X server with openbox, on a display number nobody uses: no lock file or socket here, and no abstract
# socket of that name in this network namespace (a neighbour in another container can hold one that a lock-file
# check cannot see, and X clients try it first). -noreset: without it the server resets as its first client
# (the readiness check) leaves, and a client connecting meanwhile (openbox) is refused. When the server or the window
# manager does not come up all the same, both are stopped and the pair is started again on the next free number.
display=""
wm_runtime=$(mktemp -d)
chmod 0700 "$wm_runtime"
stop_display() {
    [ -n "$openbox_pid" ] && kill "$openbox_pid" 2>/dev/null && wait "$openbox_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    openbox_pid=""
    xvfb_pid=""
    display=""
    return 0
}
next_display=91
free_number=""
free_display() {
    local n
    for n in $(seq "$next_display" 400); do
        if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ] \
            && ! grep -q "@/tmp/.X11-unix/X$n\$" /proc/net/unix 2>/dev/null; then
            next_display=$((n + 1))
            free_number=$n
            return 0
        fi
    done
    return 1
}
start_xvfb() {
    free_display || return 1
    display=":$free_number"
    Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp -noreset >"$build/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 1 100); do
        kill -0 "$xvfb_pid" 2>/dev/null || return 1
        xdpyinfo -display "$display" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}
start_openbox() {
    DISPLAY="$display" XDG_RUNTIME_DIR="$wm_runtime" openbox --sm-disable >"$build/openbox.log" 2>&1 &
    openbox_pid=$!
    for _ in $(seq 1 100); do
        kill -0 "$openbox_pid" 2>/dev/null || return 1
        xprop -display "$display" -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        sleep 0.1
    done
    return 1
}
x_ready=no
for attempt in 1 2 3 4 5; do
    if start_xvfb && start_openbox && kill -0 "$xvfb_pid" 2>/dev/null; then
        x_ready=yes
        break
    fi
    echo "attempt $attempt: the X server or window manager did not come up on '${display}'; trying again"
    tail -n 5 "$build/xvfb.log" "$build/openbox.log" 2>/dev/null || true
    stop_display
    sleep 1
done
if [ "$x_ready" != yes ]; then
    echo "Xvfb with openbox did not start:"
    cat "$build/xvfb.log" "$build/openbox.log" 2>/dev/null
    exit 1
fi

export JOTLET_X11_DISPLAY="$display"

# A private Wayland compositor with Xwayland, for the tests of Wayland sessions: headless weston, its sockets in a
# runtime folder of its own; Xwayland starts on the display it names when an X client first connects.
start_weston() {
    if ! command -v weston >/dev/null || ! command -v Xwayland >/dev/null; then
        echo "weston or Xwayland is not installed: the Wayland tests will be skipped"
        return 0
    fi
    weston_runtime=$(mktemp -d)
    chmod 0700 "$weston_runtime"
    XDG_RUNTIME_DIR="$weston_runtime" weston --backend=headless-backend.so --xwayland --socket=wayland-jotlet \
        --width=1280 --height=800 --idle-time=0 --log="$build/weston.log" >/dev/null 2>&1 &
    weston_pid=$!
    local xwayland=""
    for _ in $(seq 1 100); do
        xwayland=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$build/weston.log" 2>/dev/null | tail -n 1 || true)
        [ -S "$weston_runtime/wayland-jotlet" ] && [ -n "$xwayland" ] && break
        sleep 0.1
    done
    if [ -S "$weston_runtime/wayland-jotlet" ] && [ -n "$xwayland" ]; then
        export JOTLET_WAYLAND_DISPLAY="$weston_runtime/wayland-jotlet" JOTLET_XWAYLAND_DISPLAY="$xwayland"
    else
        echo "weston did not start: the Wayland tests will be skipped"
        tail -n 20 "$build/weston.log" 2>/dev/null
    fi
}
start_weston
cd "$build"
status=0
ctest --output-on-failure -j2 || status=$?
stop_x
exit $status
