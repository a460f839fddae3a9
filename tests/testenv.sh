#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quorvel
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one test executable in a private environment: fresh data, config and runtime folders,
# removed afterwards. Usage: testenv.sh offscreen|x11 <test-executable> [arguments...]
set -u
platform=$1
shift

scratch=$(mktemp -d "${TMPDIR:-/tmp}/jotlet-test.XXXXXX") || exit 1
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/home" "$scratch/config" "$scratch/data" "$scratch/cache" "$scratch/runtime"
chmod 0700 "$scratch/runtime"

export JOTLET_HOME="$scratch/home"
export XDG_CONFIG_HOME="$scratch/config"
export XDG_DATA_HOME="$scratch/data"
export XDG_CACHE_HOME="$scratch/cache"
export XDG_RUNTIME_DIR="$scratch/runtime"
export JOTLET_TEST_SCRATCH="$scratch"

case "$platform" in
x11)
    if [ -z "${JOTLET_X11_DISPLAY:-}" ]; then
        echo "SKIP: no X server (scripts/test.sh starts one and sets JOTLET_X11_DISPLAY)"
        exit 77
    fi
    export DISPLAY="$JOTLET_X11_DISPLAY"
    export QT_QPA_PLATFORM=xcb
    ;;
wayland)
    if [ -z "${JOTLET_WAYLAND_DISPLAY:-}" ]; then
        echo "SKIP: no Wayland compositor (scripts/test.sh starts one and sets JOTLET_WAYLAND_DISPLAY)"
        exit 77
    fi
    unset DISPLAY
    export WAYLAND_DISPLAY="$JOTLET_WAYLAND_DISPLAY"
    export QT_QPA_PLATFORM=wayland
    ;;
*)
    unset DISPLAY WAYLAND_DISPLAY
    export QT_QPA_PLATFORM=offscreen
    ;;
esac

"$@"
