#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package with ./build.sh package and checks it: lintian finds no error and no
# warning; the package holds exactly the program, its desktop entry, icons, metadata, manual page
# and the usual Debian files, with no path of the build tree in any of them; and the program
# extracted from it (dpkg -x) into a read-only tree runs and keeps its settings per user.
#
#   tools/check-package.sh
#
# The Qt Test programs are left out of the package build (DEB_BUILD_OPTIONS=nocheck), as
# ./build.sh test has just run them; set DEB_BUILD_OPTIONS (even empty) to run them there too.
# Needs the Debian packages lintian, desktop-file-utils, appstream, xvfb and xdotool. Exits
# non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/installed-tree.sh

start=$SECONDS
DEB_BUILD_OPTIONS=${DEB_BUILD_OPTIONS-nocheck} ./build.sh package >"$tmp/build.log" 2>&1 || {
  tail -n 60 "$tmp/build.log" >&2
  echo "check-package: the package did not build (./build.sh package)" >&2
  exit 1
}
deb=$(tail -n 1 "$tmp/build.log")
echo "Built $deb in $((SECONDS - start)) s, $(stat -c %s "$deb") bytes."

echo "lintian:"
lintian --fail-on error,warning --display-info --pedantic "$deb" || fail "lintian"

echo "Files in the package:"
dpkg-deb --contents "$deb" | sed 's/^/  /'
expected=(
  usr/games/ZelkGame
  usr/share/applications/$app.desktop
  usr/share/doc/zelkgame/changelog.Debian.gz
  usr/share/doc/zelkgame/copyright
  usr/share/icons/hicolor/scalable/apps/$app.svg
  usr/share/lintian/overrides/zelkgame
  usr/share/man/man6/ZelkGame.6.gz
  usr/share/metainfo/$app.metainfo.xml
)
for s in "${icon_sizes[@]}"; do
  expected+=("usr/share/icons/hicolor/${s}x${s}/apps/$app.png")
done
root=$tmp/root
dpkg -x "$deb" "$root"
actual=$(cd "$root" && find . ! -type d | sed 's|^\./||' | sort)
if [ "$actual" != "$(printf '%s\n' "${expected[@]}" | sort)" ]; then
  fail "the package holds other files than the program's:"
  diff <(printf '%s\n' "${expected[@]}" | sort) <(echo "$actual") >&2 || true
fi
if grep -rl --fixed-strings "$PWD/build-deb" "$root" >&2; then
  fail "a path of the build tree is in the package"
fi

check_tree "$root" games
check_runs_per_user "$root" games
finish check-package
