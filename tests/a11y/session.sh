#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quorvel
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a check of the program as a screen reader or a keyboard-only user meets it: a private session bus and the
# AT-SPI accessibility bus (with its registry) for the test's X server, the program started on them with its
# accessibility on, and a script that drives it. Everything is stopped at the end.
# Usage (through tests/testenv.sh x11): session.sh <jotlet program> <check script>
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/private-bus.sh"
program=$1
check=$2
python=/usr/bin/python3
launcher=/usr/libexec/at-spi-bus-launcher
if ! "$python" -c 'import pyatspi' 2>/dev/null || [ ! -x "$launcher" ] || ! command -v dbus-daemon >/dev/null; then
    echo "SKIP: at-spi2-core, python3-pyatspi or dbus-daemon is not installed"
    exit 77
fi

bus_dir="$JOTLET_TEST_SCRATCH/bus"
mkdir -p "$bus_dir"
write_private_bus_config "$bus_dir"
pids=()
stop_all() {
    local pid
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        pid=${pids[$i]}
        pkill -TERM -P "$pid" 2>/dev/null # the accessibility bus's own daemon and registry
        kill -TERM "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
    done
    return 0
}
trap stop_all EXIT

dbus-daemon --config-file="$bus_dir/bus.conf" --nofork --print-address=1 >"$bus_dir/address" 2>"$bus_dir/daemon.log" &
pids+=($!)
for _ in $(seq 1 100); do
    [ -s "$bus_dir/address" ] && break
    sleep 0.05
done
DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$bus_dir/address")
export DBUS_SESSION_BUS_ADDRESS
"$launcher" --launch-immediately >"$bus_dir/launcher.log" 2>&1 &
pids+=($!)
ready=no
for _ in $(seq 1 100); do
    if dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1; then
        ready=yes
        break
    fi
    sleep 0.1
done
if [ "$ready" != yes ]; then
    echo "FAIL: the accessibility bus did not start"
    cat "$bus_dir/launcher.log"
    exit 1
fi

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
unset NO_AT_BRIDGE
"$program" >"$JOTLET_TEST_SCRATCH/program.log" 2>&1 &
program_pid=$!
pids+=("$program_pid")
"$python" "$check" "$program_pid" "$program"
status=$?
if [ $status -ne 0 ]; then
    echo "--- the program's output:"
    tail -n 30 "$JOTLET_TEST_SCRATCH/program.log"
fi
exit $status
