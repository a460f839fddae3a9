#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quorvel
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up time and memory of Jotlet with 1, 20, 100 and 500 notes in the main note file, side by side with the
# toolkit's floor (bench/floor_notes: the same number of frameless QTextEdit windows), and of 100 notes that each
# hold a 2,048 px picture against the same 100 notes without it. Time is from launching the process until all its
# windows are mapped; memory is the resident set at that moment and a second later, when what is drawn after the
# windows show (pictures decoded on a worker thread) is in it. The programs take turns
# in each round, so a busy moment of the machine falls on both; the least of the rounds is reported, and the ratio of
# the medians beside it. One note takes five times the rounds and 20 and 100 notes three times: their starts are short
# enough that a busy moment of the machine outweighs the difference.
# Runs on a private Xvfb with openbox. Usage: bench/startup.sh [build-dir] [rounds]
set -eu
build=${1:-build}
rounds=${2:-5}
jotlet="$build/jotlet"
floor="$build/bench/floor_notes"
mapwatch="$build/bench/mapwatch"
[ -x "$jotlet" ] && [ -x "$floor" ] && [ -x "$mapwatch" ] || { echo "build $jotlet, $floor and $mapwatch first" >&2; exit 1; }

source "$(dirname "${BASH_SOURCE[0]}")/xserver.sh"

# A 2,048 px PNG (a gradient) as hex, for the picture notes.
picture_hex() {
    python3 - <<'EOF'
import struct, zlib
side = 2048
raw = bytearray()
for y in range(side):
    raw.append(0)
    for x in range(side):
        raw += bytes(((x // 64) * 8 & 255, (y // 64) * 8 & 255, 160))
def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
png = (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", side, side, 8, 2, 0, 0, 0))
       + chunk(b"IDAT", zlib.compress(bytes(raw), 6)) + chunk(b"IEND", b""))
print(png.hex())
EOF
}

main_note_file() { # n [picture-hex]
    local picture=""
    [ $# -gt 1 ] && picture="{\\pict\\pngblip\\picw2048\\pich2048\\picwgoal1500\\pichgoal1500 $2}\\par "
    printf '<?xml version="1.0" standalone="yes"?>\r\n<NOTES version="1.0.0.1">\r\n'
    for ((i = 0; i < $1; i++)); do
        printf '<NOTE>\r\n<COLOR>yellow</COLOR>\r\n<DATA>{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fnil\\fcharset0 Comic Sans MS;}}\r\n\\viewkind4\\uc1\\pard\\f0\\fs20 %snote %d: call Anna about the \\b trip\\b0\\par\r\n}\r\n</DATA>\r\n<TIMEDATE>12/6/2026 3:04:05 PM</TIMEDATE>\r\n<HEIGHT>2085</HEIGHT>\r\n<WIDTH>2325</WIDTH>\r\n<LEFT>%d</LEFT>\r\n<TOP>%d</TOP>\r\n</NOTE>\r\n' \
            "$picture" "$i" $((300 + (i % 10) * 1800)) $((300 + (i / 10 % 10) * 900))
    done
    printf '</NOTES>\r\n'
}

# Prints "milliseconds rss-kB rss-kB-a-second-later" for one start of the command, which must show $1 windows. The
# windows are counted as the window manager maps their frames: mapwatch waits on its X connection for them, so
# nothing polls beside the start being timed.
measure() { # n command...
    "$mapwatch" "$@" | awk '{printf "%.1f %d %d\n", $1 / 1000, $2, $3}'
}

least() { sort -g | head -1; }

declare -A results
hex=$(picture_hex)
main_note_file 100 "$hex" > "$scratch/pictures.dat"
# One count at a time, the two programs taking turns in each round. The 500 notes come last: the window manager stays
# slower for a while after handling that many windows, which would fall on whatever ran after them.
for n in 1 20 100 pictures 500; do
    repetitions=$rounds
    case $n in
    1) repetitions=$((rounds * 5)) ;;
    20 | 100) repetitions=$((rounds * 3)) ;;
    esac
    for ((r = 0; r < repetitions; r++)); do
        if [ "$n" = pictures ]; then
            cp "$scratch/pictures.dat" "$JOTLET_HOME/jotlet.dat"
            results[pictures-100]+="$(measure 100 "$jotlet")"$'\n'
            rm -f "$JOTLET_HOME/jotlet.dat"
            continue
        fi
        main_note_file "$n" > "$JOTLET_HOME/jotlet.dat"
        results[jotlet-$n]+="$(measure "$n" "$jotlet")"$'\n'
        rm -f "$JOTLET_HOME/jotlet.dat"
        results[floor-$n]+="$(measure "$n" "$floor" "$n")"$'\n'
    done
done

column() { printf '%s' "${results[$1]}" | awk -v c="$2" 'NF {print $c}' | least; }
middle() { printf '%s' "${results[$1]}" | awk 'NF {print $1}' | median; }
printf '%-6s %-16s %8s %10s %16s\n' notes program "ms" "RSS kB" "RSS kB 1 s on"
for key in jotlet-1 floor-1 jotlet-20 floor-20 jotlet-100 floor-100 jotlet-500 floor-500 pictures-100; do
    printf '%-6s %-16s %8s %10s %16s\n' "${key##*-}" "${key%-*}" "$(column "$key" 1)" "$(column "$key" 2)" \
        "$(column "$key" 3)"
done
echo
for n in 1 20 100 500; do
    awk -v n="$n" -v j="$(column jotlet-$n 1)" -v f="$(column floor-$n 1)" \
        -v jm="$(middle jotlet-$n)" -v fm="$(middle floor-$n)" \
        'BEGIN {printf "%d notes: Jotlet %.2fx the floor (medians %.2fx)\n", n, j / f, jm / fm}'
done
awk -v p="$(column pictures-100 1)" -v j="$(column jotlet-100 1)" -v pr="$(column pictures-100 3)" \
    -v jr="$(column jotlet-100 3)" \
    'BEGIN {printf "100 picture notes: %.2fx the time of 100 plain ones, %.1f MB against %.1f MB a second on\n", p / j, pr / 1024, jr / 1024}'
for program in jotlet floor; do
    awk -v program="$program" -v a="$(column $program-20 2)" -v b="$(column $program-100 2)" \
        -v c="$(column $program-500 2)" \
        -v a1="$(column $program-20 3)" -v b1="$(column $program-100 3)" \
        'BEGIN {printf "%s: %.0f KB per extra note from 20 to 100 (%.0f KB a second on), %.0f KB from 100 to 500\n", program, (b - a) / 80, (b1 - a1) / 80, (c - b) / 400}'
done
