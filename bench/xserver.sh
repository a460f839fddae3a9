# SPDX-FileCopyrightText: 2026 Quorvel
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the benchmark scripts: a private Xvfb with openbox, a session bus and a scratch home for the program,
# all gone when the script ends. Sets DISPLAY, XDG_CONFIG_HOME, XDG_RUNTIME_DIR, DBUS_SESSION_BUS_ADDRESS,
# JOTLET_HOME and $scratch.
scratch=$(mktemp -d)
display=:$((150 + RANDOM % 50))
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
sleep 1
DISPLAY=$display openbox --sm-disable >/dev/null 2>&1 &
wm=$!
trap 'kill $wm $xvfb 2>/dev/null; rm -rf "$scratch"' EXIT
sleep 1
# The runtime folder is in memory, as a desktop session's /run/user/<uid> is: the program's single-instance lock
# lives there, and on a disk every start would wait for the lock file to be synced.
runtime=$scratch/runtime
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
    runtime=$(mktemp -d /dev/shm/jotlet-bench.XXXXXX)
    trap 'kill $wm $xvfb 2>/dev/null; rm -rf "$scratch" "$runtime"' EXIT
fi
export DISPLAY=$display XDG_CONFIG_HOME=$scratch/config XDG_RUNTIME_DIR=$runtime JOTLET_HOME=$scratch/home
# A session bus of its own, as a desktop session has (without one, a program's first question to the bus makes
# libdbus look for a bus to start): on a socket in the scratch folder, nothing activated.
if command -v dbus-daemon >/dev/null; then
    source "$(dirname "${BASH_SOURCE[0]}")/../scripts/private-bus.sh"
    write_private_bus_config "$scratch"
    bus_info=$(dbus-daemon --config-file="$scratch/bus.conf" --fork --print-address=1 --print-pid=1)
    DBUS_SESSION_BUS_ADDRESS=$(echo "$bus_info" | sed -n 1p)
    export DBUS_SESSION_BUS_ADDRESS
    bus_pid=$(echo "$bus_info" | sed -n 2p)
    trap 'kill $wm $xvfb $bus_pid 2>/dev/null; rm -rf "$scratch" "$runtime"' EXIT
fi
mkdir -p "$XDG_RUNTIME_DIR" "$JOTLET_HOME"
chmod 700 "$XDG_RUNTIME_DIR"

median() { sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }
