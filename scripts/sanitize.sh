#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quorvel
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds with AddressSanitizer and UndefinedBehaviorSanitizer and runs the offscreen tests
# (the RTF corpus among them). Usage: scripts/sanitize.sh
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build-asan"
bash "$root/scripts/install-deps.sh" test
cd "$root"
cmake --preset asan >/dev/null
cmake --build --preset asan
cd "$build"
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --output-on-failure -L offscreen -j2
