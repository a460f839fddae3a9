#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quorvel
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds a release build and starts Jotlet; arguments go to the program.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bash "$root/scripts/install-deps.sh" run
# In a subshell: relative file arguments still mean the caller's folder.
(cd "$root" && cmake --preset release >/dev/null && cmake --build --preset release)
exec "$root/build-release/jotlet" "$@"
