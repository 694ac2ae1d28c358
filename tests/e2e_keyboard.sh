#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program played from the keyboard alone: a round of the nine games with keys only (no
# mouse event at all), Tab moving the focus to the control wanted, read over AT-SPI, and Space
# acting on it (tests/keyboard_round.py); the settings file is checked after each game.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/x11.sh"
program=$1
work=$(mktemp -d)
trap 'stop_x; rm -rf "$work"' EXIT
cp "$program" "$work/ZelkGame"
start_x
unset QT_QPA_PLATFORM
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 XDG_RUNTIME_DIR=$work
dbus-run-session -- bash -c '
  set -euo pipefail
  /usr/libexec/at-spi-bus-launcher --launch-immediately &
  launcher=$!
  cd "$1" && ./ZelkGame &
  pid=$!
  status=0
  /usr/bin/python3 "$2" "$1/ZelkGame.ini" || status=$?
  kill $pid $launcher 2>/dev/null || true
  wait $pid 2>/dev/null || true
  exit $status
' session "$work" "$here/keyboard_round.py"
