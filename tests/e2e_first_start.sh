#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program in a real X server, in a fresh directory: a first start, then "終了" clicked at
# its place on the menu. The settings file then holds the first balance of 100. Before that, the
# program started with no display at all, or with one that does not answer, says so in one line
# and ends with status 1, writing nothing.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/x11.sh"
program=$1
work=$(mktemp -d)
trap 'kill "${pid:-}" 2>/dev/null || true; stop_x; rm -rf "$work"' EXIT
cp "$program" "$work/ZelkGame"
line="ZelkGame needs a graphical desktop: no display found"
for display in "" ":999"; do
  status=0
  err=$(env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY DISPLAY="$display" "$work/ZelkGame" 2>&1 >/dev/null) ||
    status=$?
  if [ "$status" != 1 ] || [ "$err" != "$line" ]; then
    printf 'with DISPLAY="%s": status %s, error output:\n%s\n' "$display" "$status" "$err" >&2
    exit 1
  fi
done
[ ! -e "$work/ZelkGame.ini" ] || { echo "a start without a display wrote the settings file" >&2; exit 1; }
start_x
unset QT_QPA_PLATFORM
"$work/ZelkGame" &
pid=$!
menu=$(find_window "Zelkのゲーム屋さん")
[ ! -e "$work/ZelkGame.ini" ] || { echo "the first start wrote the settings file" >&2; exit 1; }
# 終了. A window just mapped may not be in its centred place or taking input yet on a loaded
# machine, so the click is repeated until the program ends.
for _ in $(seq 20); do
  click_at "$menu" 2760 1680 1095 375 2>/dev/null || true
  wait_gone "$pid" 1 2>/dev/null && break
done
wait_gone "$pid" 1
expected=$'[MAIN]\nCREDIT= 100\nBACK= 2063\nMIRROR= 1222'
actual=$(cat "$work/ZelkGame.ini")
if [ "$actual" != "$expected" ]; then
  printf 'settings file:\n%s\nexpected:\n%s\n' "$actual" "$expected" >&2
  exit 1
fi
echo "3 passed, 0 failed"
