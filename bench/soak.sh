#!/usr/bin/env bash
# Soak: 200 routes set and 10,000 steps in one process (bench/SoakDriver.cpp),
# with the resident memory sampled every 500 steps. Once warmed up (the
# sample at 10 % of the steps) memory must stay flat: the run fails when the
# last sample is more than SOAK_MAX_GROWTH_KB (default 2048) above it.
# usage: bench/soak.sh [soak_driver options]     (after soak_driver is built)
set -euo pipefail
cd "$(dirname "$0")/.."
driver=$PWD/build/bench/soak_driver
[ -x "$driver" ] || { echo "build the soak_driver target first" >&2; exit 1; }
max_growth_kb=${SOAK_MAX_GROWTH_KB:-2048}

out=$(mktemp)
trap 'rm -f "$out"' EXIT
start=$(date +%s%N)
QT_QPA_PLATFORM=offscreen "$driver" --routes 200 --steps 10000 --every 500 "$@" >"$out" 2>/dev/null ||
  { echo "soak: the driver failed" >&2; cat "$out" >&2; exit 1; }
seconds=$(( ($(date +%s%N) - start) / 1000000000 ))

awk -v max="$max_growth_kb" -v seconds="$seconds" '
  BEGIN { n = 0 }
  $1 == "sample" { step[n] = $2; rss[n] = $3; n++ }
  $1 == "routes" { routes = $2; steps = $4 }
  END {
    if (n < 3 || steps == 0) { print "soak: too few samples"; exit 1 }
    # The warm-up sample: the first one at or past 10 % of the steps.
    for (w = 0; w < n && step[w] * 10 < steps; w++) ;
    for (i = 0; i < n; i++) printf "  after %5d steps: VmRSS %6d kB%s\n", step[i], rss[i], i == w ? "  (warmed up)" : ""
    peak = rss[w]; for (i = w; i < n; i++) if (rss[i] > peak) peak = rss[i]
    growth = rss[n - 1] - rss[w]
    printf "soak: %d routes, %d steps in %d s\n", routes, steps, seconds
    printf "soak: VmRSS %d kB warmed up, %d kB at the end, peak %d kB\n", rss[w], rss[n - 1], peak
    printf "soak: growth %d kB (limit %d kB): %s\n", growth, max, growth < max ? "PASS, memory does not grow" : "FAIL, memory grows"
    exit growth < max ? 0 : 1
  }' "$out"
