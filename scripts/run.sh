#!/usr/bin/env bash
# Installs what is missing, builds a release build and starts Jotlet; arguments go to the program.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bash "$root/scripts/install-deps.sh" run
cmake -S "$root" -B "$root/build-release" -G Ninja -DCMAKE_BUILD_TYPE=Release -DJOTLET_BUILD_TESTS=OFF \
    -DJOTLET_BUILD_BENCH=OFF >/dev/null
cmake --build "$root/build-release" --target jotlet
exec "$root/build-release/jotlet" "$@"
