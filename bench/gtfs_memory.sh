#!/usr/bin/env bash
# Peak memory (maximum resident set size) of hy3tool on a real GTFS-JP feed:
# the listing, one route's import and the import of every route, each run
# once; python3 reads the peak of the finished child. The feed is $GTFS_FEED, by default the
# 74-route feed beside the checkout; without it the figures are skipped.
# usage: bench/gtfs_memory.sh     (after hy3tool is built in build/)
set -euo pipefail
cd "$(dirname "$0")/.."
tool=$PWD/build/tools/hy3tool/hy3tool
feed=${GTFS_FEED:-$PWD/../shared/gtfs-jp/donanbus-muroran/feed.zip}
[ -x "$tool" ] || { echo "build hy3tool first" >&2; exit 1; }
if [ ! -f "$feed" ]; then
  echo "skipped: no feed at $feed (set GTFS_FEED)"
  exit 0
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# "LABEL: N kB peak RSS". Exit status 1 is written with problems, which a
# real feed has; 2 and above is a failure.
peak() {
  local label=$1 status=0
  shift
  python3 -c 'import resource, subprocess, sys
status = subprocess.call(sys.argv[2:], stdout=subprocess.DEVNULL, stderr=open(sys.argv[1], "w"))
print(resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss)
sys.exit(status)' "$work/messages" "$@" >"$work/rss" || status=$?
  if [ "$status" -gt 1 ]; then
    echo "$label: exit status $status" >&2
    tail -5 "$work/messages" >&2
    return 1
  fi
  echo "$label: $(tail -1 "$work/rss") kB peak RSS"
}

peak list "$tool" gtfs list "$feed"
peak "import one route" "$tool" gtfs import "$feed" --route 101500 --number 15 --out "$work/one"
peak "import all" "$tool" gtfs import "$feed" --all --out "$work/all"
