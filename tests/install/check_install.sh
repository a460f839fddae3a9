#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quorvel
# SPDX-License-Identifier: GPL-3.0-or-later
# Jotlet as a user gets it from `cmake --install`: installed into a prefix, its desktop entry, AppStream file and file
# type valid, a .not file recognised and given to Jotlet, the installed program started from its desktop entry with
# a file. (The Debian package is checked by scripts/check-package.sh.)
# Usage: check_install.sh <build folder> <source folder>   (run by CTest through tests/testenv.sh, on an X server)
set -euo pipefail
build=$1
source=$2
scratch=$(mktemp -d)
launched=""
cleanup() {
    [ -n "$launched" ] && kill "$launched" 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*"
    exit 1
}

prefix="$scratch/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install"
share="$prefix/share"
for file in bin/jotlet share/applications/jotlet.desktop share/icons/hicolor/scalable/apps/jotlet.svg \
    share/icons/hicolor/48x48/apps/jotlet.png share/mime/packages/jotlet.xml \
    share/metainfo/com.quorvel.jotlet.metainfo.xml share/man/man1/jotlet.1 \
    share/icons/hicolor/scalable/mimetypes/application-x-jotlet-note.svg; do
    [ -e "$prefix/$file" ] || fail "$file was not installed"
done
# The parts loaded when first needed (feeds and quotes, printing, KNotes' messages, the alert sound, spelling,
# Sticky Notes' database), where the installed program looks for them.
for module in jotlet-mime jotlet-net jotlet-print jotlet-sound jotlet-spell jotlet-sqlite; do
    [ -n "$(find "$prefix" -path "*/jotlet/$module.so")" ] || fail "the module $module was not installed"
done
desktop-file-validate "$share/applications/jotlet.desktop" || fail "desktop-file-validate"
appstreamcli validate --pedantic --no-net "$share/metainfo/com.quorvel.jotlet.metainfo.xml" ||
    fail "appstreamcli validate"
MANPAGER=cat man -l "$share/man/man1/jotlet.1" 2>&1 | grep -q 'jotlet - sticky notes for the desktop' ||
    fail "man -l does not render the manual page"
xmllint --noout "$share/mime/packages/jotlet.xml" || fail "xmllint"
echo "PASS: installed files are in place and valid"

# The desktop's view of the installed files (GNOME's tools: gio reads the MIME database and the desktop entries).
export XDG_DATA_DIRS="$share:/usr/share" XDG_CURRENT_DESKTOP=GNOME
update-mime-database "$share/mime"
update-desktop-database "$share/applications"
sample="$scratch/groceries.not"
cp "$source/tests/data/not/legacy-one-note-richedit1.not" "$sample"
type=$(xdg-mime query filetype "$sample")
[ "$type" = application/x-jotlet-note ] || fail "a .not file is '$type'"
cp "$sample" "$scratch/groceries-without-extension"
type=$(xdg-mime query filetype "$scratch/groceries-without-extension")
[ "$type" = application/x-jotlet-note ] || fail "a note file without its extension is '$type'"
default=$(xdg-mime query default application/x-jotlet-note)
[ "$default" = jotlet.desktop ] || fail "the default application for notes is '$default'"
echo "PASS: .not files are notes and open with jotlet.desktop"

# Started as the desktop starts it, with the file.
PATH="$prefix/bin:$PATH" gio launch "$share/applications/jotlet.desktop" "$sample" &
window=""
for _ in $(seq 1 100); do
    window=$(xdotool search --onlyvisible --name '^Jotlet - groceries\.not' 2>/dev/null | head -1 || true)
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || fail "the installed program did not show the note"
launched=$(xdotool getwindowpid "$window")
[ "$(readlink -f "/proc/$launched/exe")" = "$(readlink -f "$prefix/bin/jotlet")" ] || fail "not the installed program"
kill "$launched"
launched=""
echo "PASS: the installed program opens a note from its desktop entry"
