#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quorvel
# SPDX-License-Identifier: GPL-3.0-or-later
# How long the program takes to turn away a hostile note file named on the command line: time from launching the
# process until its (new, empty) note is visible, and the peak resident memory, next to an ordinary one-note file.
# Runs on a private Xvfb with openbox. Usage: bench/hostile_files.sh [build-dir] [runs]
set -eu
build=${1:-build}
runs=${2:-5}
jotlet="$build/jotlet"
[ -x "$jotlet" ] || { echo "build $jotlet first" >&2; exit 1; }

source "$(dirname "${BASH_SOURCE[0]}")/xserver.sh"

note_file() { # data height width
    printf '<?xml version="1.0" standalone="yes"?>\r\n<NOTES version="1.0.0.1">\r\n<NOTE>\r\n<COLOR>yellow</COLOR>\r\n'
    printf '<DATA>%s</DATA>\r\n<TIMEDATE>x</TIMEDATE>\r\n' "$1"
    printf '<HEIGHT>%s</HEIGHT>\r\n<WIDTH>%s</WIDTH>\r\n<LEFT>1500</LEFT>\r\n<TOP>1500</TOP>\r\n</NOTE>\r\n</NOTES>\r\n' "$2" "$3"
}

files=$scratch/files
mkdir -p "$files"
note_file '{\rtf1\ansi call Anna\par}' 2085 2325 > "$files/ordinary.not"
python3 - "$files" <<'PY'
import sys
d = sys.argv[1]
with open(f"{d}/deep-100000.not", "w") as f:
    f.write("<NOTES>" + "<NOTE>" * 100000 + "</NOTE>" * 100000 + "</NOTES>")
with open(f"{d}/50MB.not", "w") as f:
    f.write(" " * (50 * 1024 * 1024))
with open(f"{d}/million-paragraphs.not", "w") as f:
    f.write('<?xml version="1.0"?><NOTES><NOTE><DATA>{\\rtf1\\ansi ' + "x\\par\r\n" * 1000000
            + "}</DATA><HEIGHT>2085</HEIGHT><WIDTH>2325</WIDTH></NOTE></NOTES>")
with open(f"{d}/million-words.not", "w") as f:
    f.write('<?xml version="1.0"?><NOTES><NOTE><DATA>{\\rtf1\\ansi ' + "word " * 1000000
            + "}</DATA><HEIGHT>2085</HEIGHT><WIDTH>2325</WIDTH></NOTE></NOTES>")
PY
note_file '{\rtf1\ansi big}' 2147483647 2147483647 > "$files/size-2147483647.not"
mkfifo "$files/fifo.not"

# Prints "milliseconds peak-rss-kB" for one start with the file.
measure() { # file
    local start now pid rss
    start=$(date +%s%N)
    "$jotlet" "$1" >/dev/null 2>&1 &
    pid=$!
    until xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; do
        kill -0 "$pid" 2>/dev/null || { echo "the program ended without showing a note" >&2; exit 1; }
        sleep 0.005
    done
    now=$(date +%s%N)
    rss=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
    kill -TERM "$pid"
    wait "$pid" 2>/dev/null || true
    rm -f "$JOTLET_HOME/jotlet.dat"
    echo "$(((now - start) / 1000000)) $rss"
}

printf '%-26s %8s %12s\n' file ms "peak RSS kB"
for name in ordinary.not deep-100000.not 50MB.not fifo.not million-paragraphs.not million-words.not \
    size-2147483647.not; do
    results=()
    for ((r = 0; r < runs; r++)); do
        results+=("$(measure "$files/$name")")
    done
    ms=$(printf '%s\n' "${results[@]}" | cut -d' ' -f1 | median)
    kb=$(printf '%s\n' "${results[@]}" | cut -d' ' -f2 | median)
    printf '%-26s %8s %12s\n' "$name" "$ms" "$kb"
done
