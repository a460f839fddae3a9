#!/usr/bin/env bash
# Fuzzes the RTF reader and writer with libFuzzer (clang from Debian), seeded with the shared
# RTF corpus. Usage: fuzz/run.sh [seconds]   (default 120)
# Inputs that crash or hang are copied to tests/data/rtf-fuzz/, where tst_rtfreader replays them.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds=${1:-120}
bash "$root/scripts/install-deps.sh" test
if ! command -v clang++ >/dev/null || ! dpkg-query -W libclang-rt-14-dev >/dev/null 2>&1; then
    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq clang libclang-rt-14-dev
fi
build="$root/build-fuzz"
flags="-fsanitize=address,undefined,fuzzer-no-link -fno-omit-frame-pointer -g -O1"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
    -DJOTLET_FUZZ=ON -DJOTLET_BUILD_TESTS=OFF -DJOTLET_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target rtf_fuzzer

work="$build/corpus"
findings="$build/findings"
mkdir -p "$work" "$findings"
cp "$root"/../shared/corpus/rtf/*.rtf "$work"/ 2>/dev/null || true
cp "$root"/tests/data/rtf-fuzz/* "$work"/ 2>/dev/null || true

status=0
QT_QPA_PLATFORM=offscreen "$build/fuzz/rtf_fuzzer" "$work" -max_total_time="$seconds" -max_len=65536 \
    -timeout=10 -rss_limit_mb=2048 -artifact_prefix="$findings/" -print_final_stats=1 || status=$?
for f in "$findings"/*; do
    [ -e "$f" ] || continue
    cp "$f" "$root/tests/data/rtf-fuzz/$(basename "$f")"
    echo "finding kept for replay: tests/data/rtf-fuzz/$(basename "$f")"
done
exit $status
