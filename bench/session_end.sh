#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quorvel
# SPDX-License-Identifier: GPL-3.0-or-later
# Time from SIGTERM (the end of the session) until the program has exited, with 20 and 100 open notes of a few
# kilobytes each, every one of them written to the main note file. Runs on a private Xvfb with openbox.
# Usage: bench/session_end.sh [jotlet-binary] [runs]
set -eu
jotlet=${1:-build/jotlet}
runs=${2:-5}
[ -x "$jotlet" ] || { echo "build $jotlet first" >&2; exit 1; }
source "$(dirname "${BASH_SOURCE[0]}")/xserver.sh"

main_note_file() { # n
    printf '<?xml version="1.0" standalone="yes"?>\r\n<NOTES version="1.0.0.1">\r\n'
    local body
    body=$(printf 'call Anna about the trip, bring the maps and the tickets \\par\r\n%.0s' $(seq 1 40))
    for ((i = 0; i < $1; i++)); do
        printf '<NOTE>\r\n<COLOR>yellow</COLOR>\r\n<DATA>{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil Comic Sans MS;}}\\pard\\f0\\fs20 note %d: %s}</DATA>\r\n<TIMEDATE>12/6/2026 3:04:05 PM</TIMEDATE>\r\n<HEIGHT>2085</HEIGHT>\r\n<WIDTH>2325</WIDTH>\r\n<LEFT>%d</LEFT>\r\n<TOP>%d</TOP>\r\n</NOTE>\r\n' \
            "$i" "$body" $((300 + (i % 10) * 1800)) $((300 + (i / 10) * 900))
    done
    printf '</NOTES>\r\n'
}

# Prints the milliseconds from SIGTERM to exit for one run with n notes.
measure() { # n
    main_note_file "$1" > "$JOTLET_HOME/jotlet.dat"
    "$jotlet" >/dev/null 2>&1 &
    local pid=$!
    until [ "$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l)" -ge "$1" ]; do
        kill -0 "$pid" 2>/dev/null || { echo "the program ended before showing its notes" >&2; exit 1; }
        sleep 0.02
    done
    sleep 3 # the recovery journal has been written
    local start end
    start=$(date +%s%N)
    kill -TERM "$pid"
    wait "$pid" 2>/dev/null || true
    end=$(date +%s%N)
    rm -f "$JOTLET_HOME/jotlet.dat" "$JOTLET_HOME/recovery.dat"
    echo $(((end - start) / 1000000))
}

printf '%-6s %10s\n' notes "ms to exit"
for n in 20 100; do
    results=()
    for ((r = 0; r < runs; r++)); do
        results+=("$(measure "$n")")
    done
    printf '%-6s %10s\n' "$n" "$(printf '%s\n' "${results[@]}" | median)"
done
