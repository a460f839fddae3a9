#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quorvel
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up time and memory of Jotlet with 1, 20 and 100 notes in the main note file, side by side with the
# toolkit's floor (bench/floor_notes: the same number of frameless QTextEdit windows). Time is from launching the
# process until all its windows are visible (polled with xdotool every 5 ms); memory is the resident set at that
# moment. Runs on a private Xvfb with openbox. Usage: bench/startup.sh [build-dir] [runs]
set -eu
build=${1:-build}
runs=${2:-5}
jotlet="$build/jotlet"
floor="$build/bench/floor_notes"
[ -x "$jotlet" ] && [ -x "$floor" ] || { echo "build $jotlet and $floor first" >&2; exit 1; }

source "$(dirname "${BASH_SOURCE[0]}")/xserver.sh"

main_note_file() { # n
    printf '<?xml version="1.0" standalone="yes"?>\r\n<NOTES version="1.0.0.1">\r\n'
    for ((i = 0; i < $1; i++)); do
        printf '<NOTE>\r\n<COLOR>yellow</COLOR>\r\n<DATA>{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fnil\\fcharset0 Comic Sans MS;}}\r\n\\viewkind4\\uc1\\pard\\f0\\fs20 note %d: call Anna about the \\b trip\\b0\\par\r\n}\r\n</DATA>\r\n<TIMEDATE>12/6/2026 3:04:05 PM</TIMEDATE>\r\n<HEIGHT>2085</HEIGHT>\r\n<WIDTH>2325</WIDTH>\r\n<LEFT>%d</LEFT>\r\n<TOP>%d</TOP>\r\n</NOTE>\r\n' \
            "$i" $((300 + (i % 10) * 1800)) $((300 + (i / 10) * 900))
    done
    printf '</NOTES>\r\n'
}

# Prints "milliseconds rss-kB" for one start of the command, which must show $1 windows.
measure() { # n command...
    local n=$1
    shift
    local start now pid shown rss
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 &
    pid=$!
    while :; do
        shown=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l)
        [ "$shown" -ge "$n" ] && break
        kill -0 "$pid" 2>/dev/null || { echo "the program ended before showing its windows" >&2; exit 1; }
        sleep 0.005
    done
    now=$(date +%s%N)
    rss=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
    kill -TERM "$pid"
    wait "$pid" 2>/dev/null || true
    echo "$(((now - start) / 1000000)) $rss"
}

printf '%-6s %-8s %10s %10s\n' notes program "ms" "RSS kB"
for n in 1 20 100; do
    for program in jotlet floor; do
        results=()
        for ((r = 0; r < runs; r++)); do
            if [ "$program" = jotlet ]; then
                main_note_file "$n" > "$JOTLET_HOME/jotlet.dat"
                results+=("$(measure "$n" "$jotlet")")
                rm -f "$JOTLET_HOME/jotlet.dat"
            else
                results+=("$(measure "$n" "$floor" "$n")")
            fi
        done
        ms=$(printf '%s\n' "${results[@]}" | cut -d' ' -f1 | median)
        kb=$(printf '%s\n' "${results[@]}" | cut -d' ' -f2 | median)
        printf '%-6s %-8s %10s %10s\n' "$n" "$program" "$ms" "$kb"
    done
done
