#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program read by a screen reader: in a real X server with its own session bus and
# accessibility bus (at-spi2-core), a small reader (tests/atspi_check.py, python3-pyatspi) opens
# every window from the menu by pressing its buttons through AT-SPI and checks that every control
# is named and every one that can be pressed takes the focus. ATSPI_DUMP=CAPTION prints the tree
# of that window.
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
  /usr/bin/python3 "$2" ${ATSPI_DUMP:+--dump "$ATSPI_DUMP"} || status=$?
  kill $pid $launcher 2>/dev/null || true
  wait $pid 2>/dev/null || true
  exit $status
' session "$work" "$here/atspi_check.py"
