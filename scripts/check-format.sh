#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quorvel
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails, listing the files, when a C++ source file is not formatted with the committed .clang-format, or a source
# file (C++, CMake, shell) does not say its licence in an SPDX line.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -t files < <(git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h' | while read -r f; do [ -f "$f" ] && echo "$f"; done)
else
    mapfile -t files < <(find support platform rtf notes sync note dialogs window special manager search app i18n tests bench fuzz tools share -name '*.cpp' -o -name '*.h' 2>/dev/null)
fi
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -t sources < <(git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h' '*.h.in' '*.sh' \
        '*CMakeLists.txt' '*.cmake' .ci/run | while read -r f; do [ -f "$f" ] && echo "$f"; done)
    # REUSE-IgnoreStart
    unlicensed=()
    for f in "${sources[@]}"; do
        head -n 5 "$f" | grep -q 'SPDX-License-Identifier: ' || unlicensed+=("$f")
    done
    if [ ${#unlicensed[@]} -gt 0 ]; then
        echo "These files do not say their licence (add '// SPDX-License-Identifier: GPL-3.0-or-later' at the top):"
        printf '  %s\n' "${unlicensed[@]}"
        exit 1
    fi
    # REUSE-IgnoreEnd
fi
bad=()
for f in "${files[@]}"; do
    if ! clang-format --dry-run --Werror "$f" >/dev/null 2>&1; then
        bad+=("$f")
    fi
done
if [ ${#bad[@]} -gt 0 ]; then
    echo "These files are not formatted (run: clang-format -i FILE):"
    printf '  %s\n' "${bad[@]}"
    exit 1
fi
echo "Formatting: ${#files[@]} files checked, all formatted; every source file says its licence."
