#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quorvel
# SPDX-License-Identifier: GPL-3.0-or-later
# CPU time and wake-ups of the program over a minute with 20 notes open and another window active, first as 20
# ordinary notes, then the same beside a system tray (trayer: the tray icon shows and the new-note key is taken),
# then as 20 time notes (turned into time notes through each note's menu with xdotool). Wake-ups are counted as the
# process's voluntary context switches. Runs on a private Xvfb with openbox.
# Usage: bench/special_cpu.sh [jotlet-binary] [seconds]
set -eu
jotlet=${1:-build/jotlet}
seconds=${2:-60}
[ -x "$jotlet" ] || { echo "build $jotlet first" >&2; exit 1; }
source "$(dirname "${BASH_SOURCE[0]}")/xserver.sh"

main_note_file() {
    printf '<?xml version="1.0" standalone="yes"?>\r\n<NOTES version="1.0.0.1">\r\n'
    for ((i = 0; i < 20; i++)); do
        printf '<NOTE>\r\n<COLOR>yellow</COLOR>\r\n<DATA>{\\rtf1\\ansi note %d\\par}</DATA>\r\n<TIMEDATE>x</TIMEDATE>\r\n<HEIGHT>1600</HEIGHT>\r\n<WIDTH>2400</WIDTH>\r\n<LEFT>%d</LEFT>\r\n<TOP>%d</TOP>\r\n</NOTE>\r\n' \
            "$i" $((300 + (i % 5) * 2600)) $((300 + (i / 5) * 1800))
    done
    printf '</NOTES>\r\n'
}

cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
wakeups() { awk '/^voluntary_ctxt_switches/ {print $2}' "/proc/$1/status"; }

measure() { # mode
    main_note_file > "$JOTLET_HOME/jotlet.dat"
    local tray=""
    if [ "$1" = tray ]; then
        trayer --edge top --align right --widthtype pixel --width 200 --height 32 >/dev/null 2>&1 &
        tray=$!
        sleep 1
    fi
    "$jotlet" >/dev/null 2>&1 &
    local pid=$!
    until [ "$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l)" -ge 20 ]; do sleep 0.1; done
    sleep 1
    if [ "$1" = time ]; then
        for id in $(xdotool search --onlyvisible --pid "$pid"); do
            eval "$(xdotool getwindowgeometry --shell "$id")"
            xdotool mousemove $((X + 30)) $((Y + 35)) click 3
            sleep 0.3
            xdotool key Down Down Down Right Return
            sleep 0.2
        done
    fi
    if [ -n "$tray" ]; then
        local embedded=no
        for host in $(xdotool search --class '^trayer$'); do
            xwininfo -tree -id "$host" | grep -q '"jotlet" "Jotlet"' && embedded=yes
        done
        echo "tray icon embedded in trayer: $embedded"
    fi
    xev -geometry 100x100+1100+650 >/dev/null 2>&1 & # another window, active: no note blinks a caret
    local other=$!
    sleep 3
    local hz ticks0 wake0
    hz=$(getconf CLK_TCK)
    ticks0=$(cpu_ticks "$pid")
    wake0=$(wakeups "$pid")
    sleep "$seconds"
    local ticks=$(($(cpu_ticks "$pid") - ticks0))
    local woke=$(($(wakeups "$pid") - wake0))
    kill "$other" 2>/dev/null || true
    [ -n "$tray" ] && kill "$tray" 2>/dev/null
    kill -TERM "$pid"
    wait "$pid" 2>/dev/null || true
    rm -f "$JOTLET_HOME/jotlet.dat" "$JOTLET_HOME/recovery.dat"
    awk -v t="$ticks" -v hz="$hz" -v s="$seconds" -v w="$woke" -v m="$1" \
        'BEGIN {printf "%-9s %6.2f%% of one core, %d wake-ups in %d s\n", m, 100 * t / hz / s, w, s}'
}

echo "20 notes, another window active:"
measure ordinary
command -v trayer >/dev/null && measure tray
measure time
