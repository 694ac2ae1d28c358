#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the arcade into a temporary directory and checks what a desktop needs from it: the
# program, the desktop entry, the icon at every size and the AppStream metadata, run through
# desktop-file-validate and appstreamcli; then starts the installed program from the read-only
# prefix and checks that it keeps its settings in the per-user data directory.
#
#   tools/check-install.sh [build-dir]     (default build-test; configured and built if needed)
#
# Needs the Debian packages desktop-file-utils, appstream, xvfb and xdotool. Exits non-zero on
# any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/installed-tree.sh

build=${1:-build-test}
if [ -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" >/dev/null
else
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" -j"$(nproc 2>/dev/null || echo 2)" --target ZelkGame app-icons >/dev/null

root=$tmp/root
DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
echo "Installed into $root:"
(cd "$root" && find . -type f | sort | sed 's/^\./  /')

check_tree "$root" bin
check_runs_per_user "$root" bin
finish check-install
