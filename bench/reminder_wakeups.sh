#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quorvel
# SPDX-License-Identifier: GPL-3.0-or-later
# How often the program's window thread wakes with 20 reminder notes waiting (none due while it is measured): the
# voluntary context switches of its main thread over a minute of idling, after ten seconds to settle. A polling
# design wakes every few seconds per note; one timer per next reminder hardly at all.
# Usage: bench/reminder_wakeups.sh [build-dir] [seconds]
set -eu
build=${1:-build}
seconds=${2:-60}
jotlet="$build/jotlet"
[ -x "$jotlet" ] || { echo "build $jotlet first" >&2; exit 1; }
scratch=$(mktemp -d)
pid=""
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null; rm -rf "$scratch"' EXIT
export JOTLET_HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config" XDG_RUNTIME_DIR="$scratch/run"
export QT_QPA_PLATFORM=offscreen
mkdir -p "$JOTLET_HOME" "$XDG_RUNTIME_DIR"
chmod 0700 "$XDG_RUNTIME_DIR"
# Daily reminders two hours from now, set a day ago (JOTLET_SPECIAL_TYPE=0: the same notes without a reminder, for
# what the rest of the program wakes for).
due=$(date -d '+2 hours' '+%-I:%M:%S %p')
at=$(date -u -d '-1 day +2 hours' '+%Y-%m-%dT%H:%M:%SZ')
last=$(date -u -d '-1 hour' '+%Y-%m-%dT%H:%M:%S.000Z')
{
    printf '<?xml version="1.0" standalone="yes"?>\r\n<NOTES version="1.0.0.1">\r\n'
    for ((i = 0; i < ${JOTLET_REMINDERS:-20}; i++)); do
        printf '<NOTE>\r\n<COLOR>yellow</COLOR>\r\n<DATA>{\\rtf1\\ansi reminder %d\\par\r\n}</DATA>\r\n<TIMEDATE>x</TIMEDATE>\r\n<HEIGHT>2085</HEIGHT>\r\n<WIDTH>2325</WIDTH>\r\n<LEFT>%d</LEFT>\r\n<TOP>300</TOP>\r\n<SPECIALTYPE>'"${JOTLET_SPECIAL_TYPE:-8}"'</SPECIALTYPE>\r\n<REMINDER>%s</REMINDER>\r\n<REMINDERLAST>%s</REMINDERLAST>\r\n<REMINDERAT>%s</REMINDERAT>\r\n<REMINDERZONE>%s</REMINDERZONE>\r\n<REMINDERREPEAT>daily</REMINDERREPEAT>\r\n</NOTE>\r\n' \
            "$i" $((300 + i * 300)) "$due" "$last" "$at" "$(cat /etc/timezone 2>/dev/null || echo UTC)"
    done
    printf '</NOTES>\r\n'
} >"$JOTLET_HOME/jotlet.dat"
"$jotlet" >/dev/null 2>&1 &
pid=$!
sleep 10
switches() { sed -n 's/^voluntary_ctxt_switches:\s*//p' "/proc/$pid/task/$pid/status"; }
before=$(switches)
sleep "$seconds"
after=$(switches)
echo "${JOTLET_REMINDERS:-20} reminder notes, ${seconds} s idle: $((after - before)) wake-ups of the window thread ($(((after - before) * 60 / seconds)) a minute)"
