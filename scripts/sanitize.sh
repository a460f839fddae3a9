#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quorvel
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds with sanitizers and runs tests under them. Usage: scripts/sanitize.sh [asan|tsan]
#   asan (the default): AddressSanitizer and UndefinedBehaviorSanitizer over the offscreen tests (the RTF corpus
#        among them);
#   tsan: ThreadSanitizer over the tests whose code runs on workers (the search index, the notes folder's reading
#        and writing, the recovery journal, feeds, pictures).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
kind=${1:-asan}
bash "$root/scripts/install-deps.sh" test
cd "$root"
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# Qt is not built with the sanitizer: its own memory calls are left alone and its hand-overs are told by
# support/handover.h, and a longer history keeps both stacks of a report.
export TSAN_OPTIONS="halt_on_error=1:history_size=7:ignore_noninstrumented_modules=1:second_deadlock_stack=1:suppressions=$root/scripts/tsan.supp"
cmake --preset "$kind" >/dev/null
cmake --build --preset "$kind"
ctest --preset "$kind" -j2
