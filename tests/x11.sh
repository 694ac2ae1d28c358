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
  if [ -n "${XVFB_PID:-}" ]; then kill "$XVFB_PID" 2>/dev/null || true; wait "$XVFB_PID" 2>/dev/null || true; fi
  return 0
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
click_at() {
  local id=$1 x y
  eval "$(xdotool getwindowgeometry --shell "$id")"
  x=$((X + ($2 + $4 / 2 + 7) / 15))
  y=$((Y + ($3 + $5 / 2 + 7) / 15))
  xdotool mousemove --sync "$x" "$y" click 1
}

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
