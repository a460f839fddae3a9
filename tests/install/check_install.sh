#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quorvel
# SPDX-License-Identifier: GPL-3.0-or-later
# Jotlet as a user gets it: installed into a prefix, its desktop entry, AppStream file and file type valid, a .not
# file recognised and given to Jotlet, the installed program started from its desktop entry with a file, and a
# Debian package built with its dependencies listed.
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
    share/metainfo/com.quorvel.jotlet.metainfo.xml share/man/man1/jotlet.1.gz share/doc/jotlet/copyright \
    share/icons/hicolor/scalable/mimetypes/application-x-jotlet-note.svg; do
    [ -e "$prefix/$file" ] || fail "$file was not installed"
done
desktop-file-validate "$share/applications/jotlet.desktop" || fail "desktop-file-validate"
appstreamcli validate --pedantic --no-net "$share/metainfo/com.quorvel.jotlet.metainfo.xml" ||
    fail "appstreamcli validate"
MANPAGER=cat man -l "$share/man/man1/jotlet.1.gz" 2>&1 | grep -q 'jotlet - sticky notes for the desktop' ||
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

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/package" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log"; fail "cpack -G DEB"; }
package=$(ls "$scratch"/package/*.deb)
depends=$(dpkg-deb --field "$package" Depends)
echo "$(basename "$package"): Depends: $depends"
for needed in libqt6widgets6 libqt6svg6 libhunspell; do
    [[ "$depends" == *"$needed"* ]] || fail "the package does not depend on $needed"
done
contents=$(dpkg-deb --contents "$package")
[[ "$contents" == *' ./usr/bin/jotlet'* ]] || fail "the package holds no /usr/bin/jotlet"
echo "PASS: the Debian package builds with its dependencies"

# Debian's view: lintian clean, the binary hardened as the distribution builds its own.
lint=$(lintian --tag-display-limit 0 "$package" 2>&1 | grep -E '^[EW]: ' || true)
[ -z "$lint" ] || fail "lintian: $lint"
extracted="$scratch/extracted"
dpkg-deb -x "$package" "$extracted"
binary="$extracted/usr/bin/jotlet"
readelf -d "$binary" | grep -q 'BIND_NOW' || fail "the packaged binary binds late (no BIND_NOW)"
readelf -l "$binary" | grep -q 'GNU_RELRO' || fail "the packaged binary has no RELRO"
symbols=$(readelf --dyn-syms -W "$binary")
[[ "$symbols" == *__stack_chk_fail* ]] || fail "the packaged binary has no stack protector"
[[ "$symbols" =~ __[a-z]+_chk ]] || fail "the packaged binary uses no fortified functions"
echo "PASS: lintian reports no errors or warnings, and the binary is hardened"

# As a user of the package: installed, used until a log-off (which writes the autostart entry), purged.
if [ "$(id -u)" -ne 0 ] || ! command -v apt-get >/dev/null; then
    echo "SKIP: installing the package needs root and apt"
    exit 0
fi
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$package" >"$scratch/apt.log" 2>&1 ||
    { cat "$scratch/apt.log"; fail "apt-get install of the package"; }
export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/home/.config" JOTLET_HOME="$scratch/home/notes"
mkdir -p "$HOME"
/usr/bin/jotlet &
started=$!
for _ in $(seq 1 100); do
    grep -q SigCgt "/proc/$started/status" 2>/dev/null &&
        [ $(( 0x$(sed -n 's/^SigCgt:\s*//p' "/proc/$started/status") & 0x4000 )) -ne 0 ] && break
    sleep 0.1
done
sleep 1
kill -TERM "$started"
wait "$started" || true
entry="$XDG_CONFIG_HOME/autostart/jotlet.desktop"
[ -f "$entry" ] || fail "the log-off wrote no autostart entry"
desktop-file-validate "$entry" || fail "desktop-file-validate on the autostart entry"
grep -qx 'TryExec=/usr/bin/jotlet' "$entry" || fail "the autostart entry has no TryExec for /usr/bin/jotlet"
DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq jotlet >"$scratch/apt.log" 2>&1 ||
    { cat "$scratch/apt.log"; fail "apt-get purge"; }
left=()
while read -r path; do
    [ -f "/$path" ] && left+=("/$path")
done < <(dpkg-deb --contents "$package" | awk '{ print $6 }' | sed 's|^\./||')
[ ${#left[@]} -eq 0 ] || fail "left after apt purge: ${left[*]}"
[ ! -e /usr/bin/jotlet ] || fail "/usr/bin/jotlet is still there"
echo "PASS: the package installs and purges without a trace; the autostart entry it leaves is skipped (TryExec)"
