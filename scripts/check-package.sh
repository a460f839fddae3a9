#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quorvel
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Jotlet's Debian source and binary packages as the distribution does (an upstream tarball without debian/,
# then dpkg-buildpackage on the unpacked tree) and checks them: lintian on the source and the binaries with no error
# or warning, the files and dependencies of the package, the binary's hardening, and, as root, autopkgtest's tests
# of the installed package (debian/tests), after which the package is purged without a trace.
# Usage: check-package.sh [folder to keep the packages in]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
scratch=$(mktemp -d)
out=${1:-}
cleanup() { rm -rf "$scratch"; }
trap cleanup EXIT
fail() {
    echo "FAIL: $*"
    exit 1
}
step() {
    echo "== $* ($(date +%T))"
}

version=$(dpkg-parsechangelog -l "$root/debian/changelog" -S Version)
upstream=${version%-*}
grep -q "^project(Jotlet VERSION $upstream " "$root/CMakeLists.txt" ||
    fail "debian/changelog's version $version is not the project's version"
date=$(dpkg-parsechangelog -l "$root/debian/changelog" -S Timestamp)

# The tree as it would be released: the files git knows of (a fresh clone is just that), with the same
# names, owners and times on every run, so the same sources give the same tarball.
step "making the upstream tarball of $upstream"
tree="$scratch/jotlet-$upstream"
mkdir -p "$tree"
(cd "$root" && git ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' f; do [ -e "$f" ] && printf '%s\0' "$f"; done |
    tar --null -T - -cf - | tar -xf - -C "$tree")
tar --sort=name --owner=0 --group=0 --numeric-owner --mtime="@$date" --exclude="jotlet-$upstream/debian" \
    -C "$scratch" -cf - "jotlet-$upstream" | gzip -9n >"$scratch/jotlet_$upstream.orig.tar.gz"

step "dpkg-buildpackage -us -uc (source and binary)"
(cd "$tree" && dpkg-checkbuilddeps) || fail "the build dependencies in debian/control are not installed"
(cd "$tree" && DEB_BUILD_OPTIONS="parallel=$(nproc)" dpkg-buildpackage -us -uc >"$scratch/build.log" 2>&1) ||
    { tail -n 60 "$scratch/build.log"; fail "dpkg-buildpackage"; }
changes=$(ls "$scratch"/jotlet_"$version"_*.changes)
package=$(ls "$scratch"/jotlet_"$version"_*.deb)
ls -l "$scratch"/*.dsc "$scratch"/*.tar.* "$scratch"/*.deb "$scratch"/*.changes | awk '{ print $5, $9 }' |
    sed "s|$scratch/||"

step "lintian on the source and binary packages"
lintian --info --display-info --tag-display-limit 0 "$changes" 2>&1 | tee "$scratch/lintian.log" || true
! grep -qE '^[EW]: ' "$scratch/lintian.log" || fail "lintian reports errors or warnings"
echo "PASS: lintian reports no errors or warnings on the source or the binaries"

depends=$(dpkg-deb --field "$package" Depends)
echo "Depends: $depends"
for needed in libqt6widgets6 libqt6network6 libqt6printsupport6 libqt6sql6 libqt6svg6 libhunspell libgmime-3.0 libcanberra0 libc6; do
    [[ "$depends" == *"$needed"* ]] || fail "the package does not depend on $needed"
done
contents=$(dpkg-deb --contents "$package" | awk '{ print $6 }' | sed 's|^\./|/|')
echo "$contents" | grep -v '/$'
for file in /usr/bin/jotlet /usr/share/applications/jotlet.desktop /usr/share/metainfo/com.quorvel.jotlet.metainfo.xml \
    /usr/share/mime/packages/jotlet.xml /usr/share/icons/hicolor/scalable/apps/jotlet.svg \
    /usr/share/icons/hicolor/48x48/apps/jotlet.png /usr/share/man/man1/jotlet.1.gz /usr/share/doc/jotlet/copyright \
    /usr/share/doc/jotlet/changelog.Debian.gz; do
    grep -qx "$file" <<<"$contents" || fail "the package holds no $file"
done
modules="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/jotlet"
for module in jotlet-mime jotlet-net jotlet-print jotlet-sound jotlet-spell jotlet-sqlite; do
    grep -qx "$modules/$module.so" <<<"$contents" || fail "the package holds no $modules/$module.so"
done
echo "PASS: the package holds the program, its modules and desktop files, and depends on the libraries they link"

extracted="$scratch/extracted"
dpkg-deb -x "$package" "$extracted"
binary="$extracted/usr/bin/jotlet"
readelf -d "$binary" | grep -q 'BIND_NOW' || fail "the packaged binary binds late (no BIND_NOW)"
readelf -l "$binary" | grep -q 'GNU_RELRO' || fail "the packaged binary has no RELRO"
readelf -h "$binary" | grep -q 'DYN' || fail "the packaged binary is not position independent"
for module in "$extracted$modules"/*.so; do
    readelf -d "$module" | grep -q 'BIND_NOW' || fail "the module $module binds late (no BIND_NOW)"
done
symbols=$(readelf --dyn-syms -W "$binary")
[[ "$symbols" == *__stack_chk_fail* ]] || fail "the packaged binary has no stack protector"
[[ "$symbols" =~ __[a-z]+_chk ]] || fail "the packaged binary uses no fortified functions"
echo "PASS: the binary is hardened (PIE, RELRO bound at start, stack protector, fortified functions)"

if [ -n "$out" ]; then
    mkdir -p "$out"
    cp "$scratch"/*.dsc "$scratch"/*.tar.* "$scratch"/*.deb "$scratch"/*.changes "$scratch"/*.buildinfo "$out"/
fi

# Installing changes the machine: only as root, with apt (CI's machine is thrown away after the run).
if [ "$(id -u)" -ne 0 ] || ! command -v apt-get >/dev/null || ! command -v autopkgtest >/dev/null; then
    echo "SKIP: autopkgtest and the install/purge check need root, apt and autopkgtest"
    exit 0
fi
step "autopkgtest (null runner) on the built package"
autopkgtest --output-dir "$scratch/autopkgtest" "$package" "$tree" -- null >"$scratch/autopkgtest.log" 2>&1 ||
    { cat "$scratch/autopkgtest.log"; fail "autopkgtest"; }
sed -n '/^smoke /p' "$scratch/autopkgtest.log"
grep -q '^smoke[[:space:]]*PASS' "$scratch/autopkgtest.log" || { cat "$scratch/autopkgtest.log"; fail "autopkgtest smoke"; }
echo "PASS: autopkgtest"

step "purging the package"
dpkg-query -W -f='${Status}' jotlet 2>/dev/null | grep -q "install ok installed" ||
    fail "autopkgtest left the package uninstalled"
DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq jotlet >"$scratch/apt.log" 2>&1 ||
    { cat "$scratch/apt.log"; fail "apt-get purge"; }
left=()
while read -r path; do
    [ -f "$path" ] && left+=("$path")
done <<<"$contents"
[ ${#left[@]} -eq 0 ] || fail "left after apt purge: ${left[*]}"
echo "PASS: the package purges without a trace"
