#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quorvel
# SPDX-License-Identifier: GPL-3.0-or-later
# Fuzzes with libFuzzer (clang from Debian). Usage: fuzz/run.sh [rtf|notefile] [seconds]   (default rtf, 120)
#   rtf       the RTF reader and writer, seeded with the shared RTF corpus
#   notefile  the note file reader, record extraction, writer and append, seeded with the legacy note files
# Inputs that crash or hang are copied to tests/data/<target>-fuzz/, where the unit tests replay them.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
target=${1:-rtf}
seconds=${2:-120}
case "$target" in
rtf) max_len=65536 ;;
notefile) max_len=16384 ;;
*) echo "usage: fuzz/run.sh [rtf|notefile] [seconds]" >&2; exit 2 ;;
esac
bash "$root/scripts/install-deps.sh" test
if ! command -v clang++ >/dev/null || ! dpkg-query -W libclang-rt-14-dev >/dev/null 2>&1; then
    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq clang libclang-rt-14-dev
fi
build="$root/build-fuzz"
flags="-fsanitize=address,undefined,fuzzer-no-link -fno-omit-frame-pointer -g -O1"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
    -DJOTLET_FUZZ=ON -DJOTLET_BUILD_TESTS=OFF -DJOTLET_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target "${target}_fuzzer"

work="$build/corpus-$target"
findings="$build/findings-$target"
kept="$root/tests/data/$target-fuzz"
mkdir -p "$work" "$findings" "$kept"
if [ "$target" = rtf ]; then
    cp "$root"/../shared/corpus/rtf/*.rtf "$work"/ 2>/dev/null || true
else
    cp "$root"/tests/data/not/*.not "$root"/tests/data/not/*.dat "$work"/ 2>/dev/null || true
fi
cp "$kept"/* "$work"/ 2>/dev/null || true

status=0
QT_QPA_PLATFORM=offscreen "$build/fuzz/${target}_fuzzer" "$work" -max_total_time="$seconds" -max_len=$max_len \
    -timeout=10 -rss_limit_mb=2048 -artifact_prefix="$findings/" -print_final_stats=1 || status=$?
for f in "$findings"/*; do
    [ -e "$f" ] || continue
    cp "$f" "$kept/$(basename "$f")"
    echo "finding kept for replay: tests/data/$target-fuzz/$(basename "$f")"
done
exit $status
