# SPDX-License-Identifier: GPL-3.0-or-later
# Helpers for the tests that run the real program in a real X server (sourced, not run): the X
# server and a window manager, windows and their frames, clicks at the windows' own places (given
# in twips relative to a window's client area), counted checks and the settings file $ini.

# start_x [XVFB-OPTION...]: starts Xvfb on a free display and exports DISPLAY.
start_x() {
  local fifo
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp "$@" 3>"$fifo" >/dev/null 2>&1 &
  XVFB_PID=$!
  local display
  read -r -t 20 display <"$fifo" || { echo "Xvfb did not start" >&2; exit 1; }
  rm -f "$fifo"
  export DISPLAY=":$display"
}

stop_wm() {
  if [ -n "${WM_PID:-}" ]; then kill "$WM_PID" 2>/dev/null || true; wait "$WM_PID" 2>/dev/null || true; fi
  WM_PID=''
  for _ in $(seq 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' || return 0
    sleep 0.1
  done
}

stop_x() {
  if [ -n "${WM_PID:-}" ]; then kill "$WM_PID" 2>/dev/null || true; wait "$WM_PID" 2>/dev/null || true; fi
  if [ -n "${XVFB_PID:-}" ]; then kill "$XVFB_PID" 2>/dev/null || true; wait "$XVFB_PID" 2>/dev/null || true; fi
  return 0
}

# start_wm [openbox|metacity]: starts the window manager (openbox by default) with its default
# settings (not the user's) on the display and waits until it manages windows; stop_wm or stop_x
# stops it. The display must answer first; it is started again if it ends at once (a busy machine
# can make its first connection fail).
start_wm() {
  local wm=${1:-openbox} log try
  log=$(mktemp)
  for _ in $(seq 100); do
    xprop -root >/dev/null 2>&1 && break
    sleep 0.1
  done
  for try in 1 2 3; do
    if [ "$wm" = metacity ]; then
      XDG_CONFIG_HOME=/nonexistent metacity --replace --no-composite --sm-disable >"$log" 2>&1 &
    else
      XDG_CONFIG_HOME=/nonexistent openbox --sm-disable >"$log" 2>&1 &
    fi
    WM_PID=$!
    for _ in $(seq 200); do
      if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
        rm -f "$log"
        return 0
      fi
      kill -0 "$WM_PID" 2>/dev/null || break
      sleep 0.1
    done
    kill "$WM_PID" 2>/dev/null || true
    wait "$WM_PID" 2>/dev/null || true
    echo "$wm did not start (try $try):" >&2
    cat "$log" >&2
  done
  rm -f "$log"
  exit 1
}

# frame_geometry WINDOW: prints the left, top, width and height of the window with the frame its
# window manager gave it (_NET_FRAME_EXTENTS; none on a bare X server).
frame_geometry() {
  local info x y w h l=0 r=0 t=0 b=0 extents
  info=$(xwininfo -id "$1" 2>/dev/null) || return 1
  x=$(sed -n 's/^ *Absolute upper-left X: *//p' <<<"$info")
  y=$(sed -n 's/^ *Absolute upper-left Y: *//p' <<<"$info")
  w=$(sed -n 's/^ *Width: *//p' <<<"$info")
  h=$(sed -n 's/^ *Height: *//p' <<<"$info")
  extents=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/^_NET_FRAME_EXTENTS(CARDINAL) = //p')
  [ -z "$extents" ] || IFS=', ' read -r l r t b <<<"$extents"
  echo "$((x - l)) $((y - t)) $((w + l + r)) $((h + t + b))"
}

# is_centred WINDOW: whether the window with its frame is centred on the screen, within a pixel.
is_centred() {
  local x y w h screen sw sh
  read -r x y w h <<<"$(frame_geometry "$1")" || return 1
  screen=$(xwininfo -root 2>/dev/null) || return 1
  sw=$(sed -n 's/^ *Width: *//p' <<<"$screen")
  sh=$(sed -n 's/^ *Height: *//p' <<<"$screen")
  local dx=$((2 * x - (sw - w))) dy=$((2 * y - (sh - h)))
  [ "${dx#-}" -le 2 ] && [ "${dy#-}" -le 2 ]
}

# wait_centred WINDOW [SECONDS]: waits for the window to be placed centred with its frame (the
# program places it again once the window manager has framed it); fails, telling where it is, if
# it is not.
wait_centred() {
  local seconds=${2:-5}
  for _ in $(seq $((seconds * 10))); do
    is_centred "$1" && return 0
    sleep 0.1
  done
  echo "window $1 is at $(frame_geometry "$1") (left, top, width, height with its frame)" >&2
  return 1
}

# click_close_button WINDOW: a left click on openbox's close button, the last of the title bar's
# square buttons at its right end (its default layout).
click_close_button() {
  local x y w h l r t b
  read -r x y w h <<<"$(frame_geometry "$1")" || return 1
  IFS=', ' read -r l r t b <<<"$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/^.* = //p')"
  xdotool mousemove $((x + w - t / 2 - 1)) $((y + t / 2)) click 1
}

# find_window TITLE [SECONDS]: prints the id of the visible window with that exact title.
find_window() {
  local title=$1 seconds=${2:-20} id
  for _ in $(seq $((seconds * 10))); do
    id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n 1) || true
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  echo "no window '$title'" >&2
  return 1
}

# click_at WINDOW LEFT TOP WIDTH HEIGHT: a left click in the middle of a widget's rect (twips).
click_at() { press_at "$@"; }

# wait_gone PID [SECONDS]: waits for a process to end; fails if it does not.
wait_gone() {
  local pid=$1 seconds=${2:-20}
  for _ in $(seq $((seconds * 10))); do
    kill -0 "$pid" 2>/dev/null || return 0
    sleep 0.1
  done
  echo "process $pid did not end" >&2
  return 1
}

# press_at WINDOW LEFT TOP WIDTH HEIGHT: the click itself. No "mousemove --sync": that waits for
# the pointer to move and so hangs for seconds when it is there already; the X server takes the
# move and the click in order, so the click lands at the place.
press_at() {
  local id=$1 x y origin
  origin=$(client_origin "$id") || return 1
  x=$((${origin% *} + ($2 + $4 / 2 + 7) / 15))
  y=$((${origin#* } + ($3 + $5 / 2 + 7) / 15))
  xdotool mousemove "$x" "$y" click 1
}

# client_origin WINDOW: prints the screen position of the window's client area, left and top.
# (xdotool's own window position is off by the frame under a window manager.)
client_origin() {
  local info
  info=$(xwininfo -id "$1" 2>/dev/null) || return 1
  echo "$(sed -n 's/^ *Absolute upper-left X: *//p' <<<"$info") $(sed -n 's/^ *Absolute upper-left Y: *//p' <<<"$info")"
}

# windows_named TITLE: the ids of every visible window with that exact title, one a line.
windows_named() {
  xdotool search --onlyvisible --name "^${1}\$" 2>/dev/null || true
}

# other_window_named TITLE WINDOW [PID]: waits up to 20 s for a visible window with that title
# other than WINDOW (a second copy's message beside the menu) and prints its id; gives up early
# once the process PID has ended.
other_window_named() {
  local found
  for _ in $(seq 200); do
    found=$(windows_named "$1" | grep -vx "$2" | head -n 1) || true
    [ -n "$found" ] && { echo "$found"; return 0; }
    [ -z "${3:-}" ] || kill -0 "$3" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}

# is_viewable WINDOW: whether a window is shown (mapped, and so are its parents).
is_viewable() {
  xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'
}

# wait_hidden WINDOW [SECONDS]: waits for a window to be hidden or destroyed; fails if it is not.
wait_hidden() {
  local id=$1 seconds=${2:-20}
  for _ in $(seq $((seconds * 10))); do
    is_viewable "$id" || return 0
    sleep 0.1
  done
  return 1
}

# window_pid WINDOW: the process id the window carries (_NET_WM_PID).
window_pid() {
  xprop -id "$1" _NET_WM_PID 2>/dev/null | sed -n 's/^_NET_WM_PID(CARDINAL) = //p'
}

# window_type WINDOW: the window type it declares, e.g. _NET_WM_WINDOW_TYPE_DIALOG.
window_type() {
  xprop -id "$1" _NET_WM_WINDOW_TYPE 2>/dev/null | sed -n 's/^_NET_WM_WINDOW_TYPE(ATOM) = //p'
}

# press_until_hidden WINDOW LEFT TOP WIDTH HEIGHT [SECONDS]: clicks a button (twips of the
# window's client area) until the window hides, for a button that stays disabled until a play is
# over. The window is looked at before every click, so no click lands on what lies beneath it.
press_until_hidden() {
  local id=$1 seconds=${6:-30} deadline
  deadline=$((SECONDS + seconds))
  while [ "$SECONDS" -lt "$deadline" ]; do
    is_viewable "$id" || return 0
    press_at "$id" "$2" "$3" "$4" "$5"
    wait_hidden "$id" 1 && return 0
  done
  echo "window $id did not go within $seconds s" >&2
  return 1
}

# press_exit MENU: presses "終了" on the menu; fails if the program ($pid) does not end, checks
# that it ends with status 0.
press_exit() {
  local status=0
  press_at "$1" 2760 1680 1095 375 # 終了
  wait_gone "$pid" || return 1
  wait "$pid" || status=$?
  pid=''
  check "the program ended with status 0, not $status" [ "$status" = 0 ]
}

# Counting checks: check DESCRIPTION COMMAND... passes when the command succeeds; summary prints
# the counts.
passed=0 failed=0
pass() { passed=$((passed + 1)); }
fail() {
  failed=$((failed + 1))
  echo "FAIL: $*" >&2
}
check() {
  local what=$1
  shift
  if "$@"; then pass; else fail "$what"; fi
}
summary() {
  summarised=1
  echo "$passed passed, $failed failed"
}

# ini_value KEY: the value of KEY in the settings file $ini without its blanks; empty when absent.
ini_value() {
  [ -f "$ini" ] || return 0
  sed -n "s/^$1=//p" "$ini" | tr -d ' \r' | tail -n 1
}
# read_saved: sets saved to CREDIT of the settings file (100 before the first save), after
# checking that BACK and MIRROR belong to it.
read_saved() {
  local back mirror
  saved=$(ini_value CREDIT)
  if [ -z "$saved" ]; then
    saved=100
    return
  fi
  back=$(ini_value BACK)
  mirror=$(ini_value MIRROR)
  if [ "$back" != "$((saved + 1963))" ] || [ "$mirror" != "$((saved + 1122))" ]; then
    fail "CREDIT $saved with BACK '$back' and MIRROR '$mirror'"
  else
    pass
  fi
}
# one_of VALUE CHOICES...: whether VALUE is one of the choices.
one_of() {
  local value=$1 v
  shift
  for v in "$@"; do [ "$value" = "$v" ] && return 0; done
  return 1
}
