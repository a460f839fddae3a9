#!/usr/bin/env bash
# Installs what is missing, builds, checks formatting and runs every test. Tests labelled x11
# run on a private Xvfb server with the openbox window manager, started and stopped here.
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
stop_x() {
    [ -n "$openbox_pid" ] && kill "$openbox_pid" 2>/dev/null && wait "$openbox_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    return 0
}
trap stop_x EXIT

# A private X server on a display number nobody uses; when one is taken after all (a server still going away),
# the next number is tried.
display=""
for n in $(seq 91 140); do
    if [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; then
        continue
    fi
    Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp >"$build/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 1 100); do
        kill -0 "$xvfb_pid" 2>/dev/null || break
        xdpyinfo -display ":$n" >/dev/null 2>&1 && break
        sleep 0.1
    done
    if kill -0 "$xvfb_pid" 2>/dev/null && xdpyinfo -display ":$n" >/dev/null 2>&1; then
        display=":$n"
        break
    fi
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
    xvfb_pid=""
done
[ -n "$display" ] || { echo "Xvfb did not start:"; cat "$build/xvfb.log"; exit 1; }

wm_runtime=$(mktemp -d)
chmod 0700 "$wm_runtime"
DISPLAY="$display" XDG_RUNTIME_DIR="$wm_runtime" openbox --sm-disable >"$build/openbox.log" 2>&1 &
openbox_pid=$!
wm_ready=no
for _ in $(seq 1 100); do
    if xprop -display "$display" -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
        wm_ready=yes
        break
    fi
    sleep 0.1
done
if [ "$wm_ready" != yes ] || ! kill -0 "$openbox_pid" 2>/dev/null; then
    echo "the window manager did not start on $display:"
    cat "$build/openbox.log"
    exit 1
fi

export JOTLET_X11_DISPLAY="$display"
cd "$build"
status=0
ctest --output-on-failure -j2 || status=$?
stop_x
rm -rf "$wm_runtime"
exit $status
