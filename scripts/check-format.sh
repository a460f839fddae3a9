#!/usr/bin/env bash
# Fails, listing the files, when a C++ source file is not formatted with the committed .clang-format.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -t files < <(git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h' | while read -r f; do [ -f "$f" ] && echo "$f"; done)
else
    mapfile -t files < <(find support platform rtf notes dialogs window special manager app tests bench fuzz tools -name '*.cpp' -o -name '*.h' 2>/dev/null)
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
echo "Formatting: ${#files[@]} files checked, all formatted."
