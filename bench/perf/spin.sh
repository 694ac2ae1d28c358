#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A slot spin's CPU, on X11 (Xvfb) and natively on Wayland (weston nested in Xvfb), for this tree
# and for a baseline in the same run:
#
#   bench/perf/spin.sh BASELINE_PERF_PLAY [BUILD_DIR]
#
# BASELINE_PERF_PLAY is the perf_play program of the build to compare with (for example one
# built from an earlier commit: git worktree add /tmp/base <commit>, then cmake and
# "cmake --build /tmp/base/build --target perf_play"); BUILD_DIR (default build-perf) is built
# here. Each program plays REPS spins (default 5) on each platform, alternating; the table
# gives the medians of cpu_pct (CPU time of the whole process over the spin, in % of one core)
# and their ratio, and beside them Qt's floor: a bare Qt window making the same motion
# ("perf_baseline spin": three plain strips moved once a display frame), on X11 sending its
# images as the arcade does.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
baseline=$1
build=${2:-$root/build-perf}
REPS=${REPS:-5}
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" --target perf_play perf_baseline >/dev/null
current=$build/bench/perf/perf_play
floor=$build/bench/perf/perf_baseline

work=$(mktemp -d)
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; rm -rf "$work"' EXIT
fifo=$work/display
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
pids+=($!)
read -r -t 20 display <"$fifo" || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$display"
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
weston --backend=x11-backend.so --use-pixman --width=1280 --height=1000 --socket=spin-wayland \
  >"$work/weston.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
  [ -S "$XDG_RUNTIME_DIR/spin-wayland" ] && break
  sleep 0.1
done

median() { sort -g | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
# spins NAME PROGRAM PLATFORM: one spin, its cpu_pct appended to $work/NAME.PLATFORM.
spin() {
  local out
  local args=(play slot 1)
  [ "$1" != floor ] || args=(spin)
  if [ "$3" = wayland ]; then
    out=$(env -u DISPLAY WAYLAND_DISPLAY=spin-wayland QT_QPA_PLATFORM=wayland "$2" "${args[@]}" 2>/dev/null)
  else
    local images=(-u QT_XCB_NO_MITSHM) # the programs choose
    [ "$1" != floor ] || images=(QT_XCB_NO_MITSHM=1)
    out=$(env "${images[@]}" QT_QPA_PLATFORM=xcb "$2" "${args[@]}" 2>/dev/null)
  fi
  sed -n 's/.*cpu_pct=\([0-9.]*\).*/\1/p' <<<"$out" >>"$work/$1.$3"
}
for _ in $(seq "$REPS"); do
  for platform in xcb wayland; do
    spin baseline "$baseline" "$platform"
    spin current "$current" "$platform"
    spin floor "$floor" "$platform"
  done
done
printf '%-28s %10s %10s %8s %10s\n' "slot spin CPU (% of a core)" baseline this ratio "Qt floor"
for platform in xcb wayland; do
  b=$(median <"$work/baseline.$platform")
  c=$(median <"$work/current.$platform")
  f=$(median <"$work/floor.$platform")
  printf '%-28s %10s %10s %8s %10s\n' "$platform" "$b" "$c" \
    "$(awk -v b="$b" -v c="$c" 'BEGIN { printf "%.3f", c / b }')" "$f"
done
echo "Medians of $REPS spins each."
