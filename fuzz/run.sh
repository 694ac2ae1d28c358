#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fuzzes the settings file's reader and writer and NumVal with libFuzzer for a bounded time:
# builds fuzz/ with clang into build-fuzz/, then runs each target from the committed seed corpus
# (fuzz/corpus/<target>/) for FUZZ_SECONDS seconds (25 by default). Exits non-zero when a
# target crashes or finds a fault; the input that shows it is kept in build-fuzz/artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${FUZZ_SECONDS:-25}
build=build-fuzz

for tool in clang clang++ cmake; do
  command -v "$tool" >/dev/null || { echo "fuzz: $tool is missing (Debian: clang libclang-rt-14-dev cmake)" >&2; exit 1; }
done
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
if [ ! -f "$build/CMakeCache.txt" ]; then
  CC=clang CXX=clang++ cmake -S fuzz -B "$build" "${generator[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build" -j"$(nproc 2>/dev/null || echo 2)"

mkdir -p "$build/artifacts"
status=0
for target in inifile numval; do
  # New inputs go to a working corpus in the build tree; the committed seeds are only read.
  work="$build/corpus/$target"
  mkdir -p "$work"
  log="$build/$target.log"
  if ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$build/fuzz_$target" -max_total_time="$seconds" -timeout=10 -max_len=4096 -print_final_stats=1 \
      -artifact_prefix="$build/artifacts/$target-" "$work" "fuzz/corpus/$target" >"$log" 2>&1; then
    result="no fault"
  else
    result="FAULT FOUND (see $log and $build/artifacts/)"
    status=1
    tail -n 40 "$log" >&2
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  echo "fuzz_$target: ${runs:-0} executions in ${seconds} s, $result"
done
exit $status
