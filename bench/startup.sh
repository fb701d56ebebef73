#!/usr/bin/env bash
# Start-up time of the real program: from process start to the board window
# shown, on an Xvfb display with openbox. Prints each run and the median.
# usage: bench/startup.sh [runs]     (after scripts/test or scripts/run has built)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}
E2E_PROGRAM=$PWD/build/src/app/X9-000
[ -x "$E2E_PROGRAM" ] || { echo "build the program first" >&2; exit 1; }
source tests/e2e/lib.sh
e2e_start_display

times=()
for run in $(seq "$runs"); do
  start=$(date +%s%N)
  e2e_start_program
  until xdotool search --onlyvisible --pid "$E2E_APP" >/dev/null 2>&1; do :; done
  shown=$(date +%s%N)
  kill "$E2E_APP"; wait "$E2E_APP" 2>/dev/null || true
  rm -rf "$E2E_HOME"; E2E_APP=""; E2E_HOME=""
  ms=$(( (shown - start) / 1000000 ))
  times+=("$ms")
  echo "run $run: $ms ms"
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
echo "median: ${sorted[$(( runs / 2 ))]} ms (min ${sorted[0]}, max ${sorted[$(( runs - 1 ))]}, $runs runs)"
