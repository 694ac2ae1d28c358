#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The arcade's performance against a bare Qt window, both measured in this same run:
#
#   bench/perf/run.sh [BUILD_DIR]
#
# builds what it needs (in BUILD_DIR, default build-perf, configured RelWithDebInfo like the
# shipped build when new), runs everything under Xvfb when it is installed (offscreen otherwise,
# or when PERF_PLATFORM=offscreen), repeats each measurement and prints medians in a table:
#
#   start-up       fork until the first window has been painted (ARCADE_REPORT_PAINT), for the
#                  arcade's menu and for perf_baseline's window, started in turn (perf_probe)
#   peak memory    VmHWM half a second after that paint
#   idle CPU       CPU time of all threads over 10 s left alone, from a second after the paint
#   play CPU       CPU time of the process during a play on the real clock (perf_play)
#   timelines      the START click to the end of the play, against the length the game's own
#                  timings give; slot and dog race also with every core kept busy
#   memory growth  VmRSS after opening and leaving each of the nine games ROUNDS times, against
#                  VmRSS after the first round
#
# Takes about three minutes after the build; exits non-zero when a figure misses its target.
# Repetitions: REPS (start-up, default 15), IDLE_REPS (default 3), PLAY_REPS (default 3),
# ROUNDS (open-and-leave rounds, default 20). PERF_KEEP=DIR keeps the raw measurements there.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=${1:-$root/build-perf}
REPS=${REPS:-15}
IDLE_REPS=${IDLE_REPS:-3}
PLAY_REPS=${PLAY_REPS:-3}
ROUNDS=${ROUNDS:-20}

if [ ! -f "$build/CMakeCache.txt" ]; then
  generator=()
  command -v ninja >/dev/null && generator=(-G Ninja)
  cmake -S "$root" -B "$build" "${generator[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
log=$(mktemp)
if ! cmake --build "$build" --target ZelkGame perf_baseline perf_probe perf_play -j"$(nproc 2>/dev/null || echo 2)" >"$log" 2>&1; then
  cat "$log" >&2
  rm -f "$log"
  exit 1
fi
rm -f "$log"
probe=$build/bench/perf/perf_probe
play=$build/bench/perf/perf_play
baseline=$build/bench/perf/perf_baseline

work=$(mktemp -d)
pids=()
cleanup() {
  local status=$?
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  # What the programs said on their error output, when the run failed before its table.
  if [ $status -ne 0 ] && [ ! -e "$work/table" ] && [ -s "$work/errors" ]; then
    echo "Errors:" >&2
    grep -v -e XDG_RUNTIME_DIR -e 'does not support raise' "$work/errors" | tail -n 20 >&2
  fi
  rm -rf "$work"
}
trap cleanup EXIT
# A copy of the program in a fresh directory: its own settings file and lock.
cp "$build/ZelkGame" "$work/ZelkGame"
arcade=$work/ZelkGame
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$work/runtime}

if [ "${PERF_PLATFORM:-}" != offscreen ] && command -v Xvfb >/dev/null; then
  fifo=$work/display
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  pids+=($!)
  read -r -t 20 display <"$fifo" || { echo "Xvfb did not start" >&2; exit 1; }
  export DISPLAY=":$display"
  unset QT_QPA_PLATFORM
  platform="xcb (Xvfb $DISPLAY)"
else
  export QT_QPA_PLATFORM=offscreen
  platform=offscreen
fi
echo "Platform: $platform; $(nproc) cores; build $(grep -m1 CMAKE_BUILD_TYPE: "$build/CMakeCache.txt" | cut -d= -f2)"

# field NAME < lines: the values of NAME=value, one a line.
field() { sed -n "s/.*\b$1=\([-0-9.]*\).*/\1/p"; }
median() { sort -g | awk '{ v[NR] = $1 } END { if (NR == 0) print "nan"; else if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# Start-up and peak memory: the two programs in turn, after one warm-up start of each.
echo "Start-up and memory: $REPS starts of each..."
"$probe" "$arcade" >/dev/null 2>>"$work/errors"
"$probe" "$baseline" >/dev/null 2>>"$work/errors"
for i in $(seq "$REPS"); do
  if [ $((i % 2)) -eq 0 ]; then
    "$probe" "$arcade" >>"$work/arcade.start" 2>>"$work/errors"
    "$probe" "$baseline" >>"$work/baseline.start" 2>>"$work/errors"
  else
    "$probe" "$baseline" >>"$work/baseline.start" 2>>"$work/errors"
    "$probe" "$arcade" >>"$work/arcade.start" 2>>"$work/errors"
  fi
done

# Idle CPU: both programs side by side, left alone for 10 s after their first paint.
echo "Idle CPU: $IDLE_REPS x 10 s..."
for _ in $(seq "$IDLE_REPS"); do
  "$probe" --settle 1000 --idle 10 "$arcade" >>"$work/arcade.idle" 2>>"$work/errors" &
  a=$!
  "$probe" --settle 1000 --idle 10 "$baseline" >>"$work/baseline.idle" 2>>"$work/errors" &
  b=$!
  wait "$a" "$b"
done

# Plays on the real clock: the Bingo games side by side (56 s each), the other plays one after
# another meanwhile.
echo "Plays on the real clock: $PLAY_REPS of each (about a minute)..."
bingo=()
for i in $(seq "$PLAY_REPS"); do
  "$play" play bingo 1 >"$work/bingo.$i" 2>>"$work/errors" &
  bingo+=($!)
done
for g in roulette dice slot dograce; do
  "$play" play "$g" "$PLAY_REPS" >>"$work/plays" 2>>"$work/errors"
done
wait "${bingo[@]}"
cat "$work"/bingo.* >>"$work/plays"

# The same slot spins and races on a busy machine: every core kept busy by a spinning shell.
echo "Slot and dog race with every core busy..."
hogs=()
for _ in $(seq "$(nproc 2>/dev/null || echo 2)"); do
  sh -c 'while :; do :; done' &
  hogs+=($!)
  pids+=($!)
done
for g in slot dograce; do
  "$play" play "$g" "$PLAY_REPS" 2>>"$work/errors" | sed 's/^play \([a-z]*\)/loaded \1/' >>"$work/plays"
done
kill "${hogs[@]}" 2>/dev/null || true
wait "${hogs[@]}" 2>/dev/null || true

echo "Opening and leaving each of the nine games $ROUNDS times..."
"$play" cycle "$ROUNDS" >"$work/cycle" 2>>"$work/errors"

# The table. verdict EXPR: EXPR in awk over the row's a (measured), b (baseline) and r (ratio).
rows=()
row() { rows+=("$(printf '%-34s %12s %12s %8s %-30s %s' "$@")"); }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b == 0) print "-"; else printf "%.3f", a / b }'; }
verdict() { awk -v a="$a" -v b="$b" -v r="$r" "BEGIN { print ($1) ? \"pass\" : \"FAIL\" }"; }

a=$(field startup_ms <"$work/arcade.start" | median)
b=$(field startup_ms <"$work/baseline.start" | median)
r=$(ratio "$a" "$b")
row "Start-up to first paint (ms)" "$a" "$b" "$r" "<= 1.25 x baseline" "$(verdict 'a <= 1.25 * b')"

a=$(field hwm_kb <"$work/arcade.start" | median)
b=$(field hwm_kb <"$work/baseline.start" | median)
r=$(ratio "$a" "$b")
row "Peak memory, menu shown (KiB)" "$a" "$b" "$r" "<= 1.25 x baseline" "$(verdict 'a <= 1.25 * b')"

a=$(field idle_cpu_pct <"$work/arcade.idle" | median)
b=$(field idle_cpu_pct <"$work/baseline.idle" | median)
idle=$b
r=$(ratio "$a" "$b")
row "CPU, menu idle 10 s (% of a core)" "$a" "$b" "$r" "< 1 %" "$(verdict 'a < 1')"

for g in roulette bingo dice; do
  a=$(grep "^play $g " "$work/plays" | field cpu_pct | median)
  b=$idle
  r=$(ratio "$a" "$b")
  row "CPU during a $g play (%)" "$a" "$b" "$r" "< 5 %" "$(verdict 'a < 5')"
done

# Timelines: each play against its own length from the game's timings; the ratio is the median
# of the plays' ratios (a roulette run's length depends on where it stops).
timeline() { # PREFIX GAME LABEL TARGET-TEXT VERDICT-EXPR
  local lines
  lines=$(grep "^$1 $2 " "$work/plays")
  a=$(field real_ms <<<"$lines" | median)
  b=$(field target_ms <<<"$lines" | median)
  r=$(paste <(field real_ms <<<"$lines") <(field target_ms <<<"$lines") | awk '{ print $1 / $2 }' | median)
  r=$(printf '%.4f' "$r")
  row "$3" "$a" "$b" "$r" "$4" "$(verdict "$5")"
}
timeline play bingo "Bingo game, START to redeal (ms)" "within 1 % of 56100" 'r >= 0.99 && r <= 1.01'
timeline play roulette "Roulette run (ms)" "within 1 % of (Stop+82)*40+2500" 'r >= 0.99 && r <= 1.01'
# Slot and dog race: about 3.5 s and 5 s, and as long as their own timings say (within 2 %),
# on an idle machine and on a busy one alike.
about='r >= 0.98 && r <= 1.02 && a > 0.9 * T && a < 1.1 * T'
timeline play slot "Slot spin (ms)" "~3500, within 2 % of 897 x 4" "${about//T/3500}"
timeline loaded slot "Slot spin, every core busy (ms)" "~3500, within 2 % of 897 x 4" "${about//T/3500}"
timeline play dograce "Dog race, START to finish (ms)" "~5000, within 2 % of its frames" "${about//T/5000}"
timeline loaded dograce "Dog race, every core busy (ms)" "~5000, within 2 % of its frames" "${about//T/5000}"

b=$(sed -n 1p "$work/cycle" | field rss_kb)
last=$(tail -n 1 "$work/cycle" | field rss_kb)
a=$((last - b))
r=$(ratio "$last" "$b")
row "RSS growth, rounds 1..$ROUNDS (KiB)" "$a" "$b" "$r" "< 2048 KiB over round 1" "$(verdict 'a < 2048')"
b=$(sed -n 1p "$work/cycle" | field heap_kb)
last=$(tail -n 1 "$work/cycle" | field heap_kb)
a=$((last - b))
row "  heap in use, growth (KiB)" "$a" "$b" "$(ratio "$last" "$b")" "(for diagnosis)" "-"

touch "$work/table"
echo
printf '%-34s %12s %12s %8s %-30s %s\n' figure measured baseline ratio target result
printf '%s\n' "${rows[@]}"
echo
echo "Baselines: the bare Qt window of perf_baseline for start-up, memory and CPU (its idle CPU);"
echo "the game's own timings for the timelines; the RSS after round 1 for the growth."
echo "Medians of: $REPS starts, $IDLE_REPS idle periods, $PLAY_REPS plays of each game."
if [ -n "${PERF_KEEP:-}" ]; then mkdir -p "$PERF_KEEP" && cp "$work"/*.start "$work"/*.idle "$work"/plays "$work"/cycle "$PERF_KEEP"/; fi
grep -q FAIL <<<"$(printf '%s\n' "${rows[@]}")" && exit 1
exit 0
