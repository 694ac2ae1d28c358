# Helpers for the tests that run the real program in a real X server (sourced, not run).
# They click at the windows' own places, given in twips relative to a window's client area.

# Starts Xvfb on a free display and exports DISPLAY; stops it when the test exits.
start_x() {
  local fifo
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  XVFB_PID=$!
  local display
  read -r -t 20 display <"$fifo" || { echo "Xvfb did not start" >&2; exit 1; }
  rm -f "$fifo"
  export DISPLAY=":$display"
}

stop_x() {
  if [ -n "${WM_PID:-}" ]; then kill "$WM_PID" 2>/dev/null || true; wait "$WM_PID" 2>/dev/null || true; fi
  if [ -n "${XVFB_PID:-}" ]; then kill "$XVFB_PID" 2>/dev/null || true; wait "$XVFB_PID" 2>/dev/null || true; fi
  return 0
}

# start_wm: starts openbox, with its default theme, on the display and waits until it manages
# windows; stop_x stops it.
start_wm() {
  openbox --sm-disable >/dev/null 2>&1 &
  WM_PID=$!
  for _ in $(seq 200); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    sleep 0.1
  done
  echo "openbox did not start" >&2
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
