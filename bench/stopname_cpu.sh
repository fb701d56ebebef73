#!/usr/bin/env bash
# CPU use of a shown stop-name strip while it scrolls a seven-cell name, on an
# Xvfb display with openbox: the process's CPU time (user + system) over ten
# seconds, as a share of one core. One run per Speed given (default 5).
# With SCREENSHOT=FILE, the display is also captured mid-scroll.
# usage: bench/stopname_cpu.sh [SPEED ...]     (after stopname_bench is built)
set -euo pipefail
cd "$(dirname "$0")/.."
program=$PWD/build/bench/stopname_bench
[ -x "$program" ] || { echo "build the stopname_bench target first" >&2; exit 1; }
E2E_PROGRAM=$program
source tests/e2e/lib.sh
e2e_start_display

hz=$(getconf CLK_TCK)
# utime + stime in clock ticks; the fields after the command name, which may hold spaces.
cpu_ticks() { sed 's/^.*) //' "/proc/$1/stat" | awk '{ print $12 + $13 }'; }

for speed in "${@:-5}"; do
  "$program" --scroll "$speed" >/dev/null 2>&1 &
  E2E_APP=$!
  e2e_window 95x220 >/dev/null
  sleep 2  # start-up and the first blank pause are not what is measured
  before=$(cpu_ticks "$E2E_APP")
  start=$(date +%s%N)
  sleep 10
  after=$(cpu_ticks "$E2E_APP")
  end=$(date +%s%N)
  if [ -n "${SCREENSHOT:-}" ]; then e2e_screenshot "$SCREENSHOT"; fi
  kill "$E2E_APP"
  wait "$E2E_APP" 2>/dev/null || true
  E2E_APP=""
  awk -v t=$((after - before)) -v hz="$hz" -v ns=$((end - start)) -v speed="$speed" 'BEGIN {
    cpu = t / hz; wall = ns / 1e9
    printf "Speed %s: %.2f s CPU in %.2f s = %.2f %% of one core\n", speed, cpu, wall, 100 * cpu / wall }'
done
