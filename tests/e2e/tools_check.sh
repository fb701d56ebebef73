#!/usr/bin/env bash
# The end-to-end checks name a missing tool and its package in one line
# before they start, instead of failing later without saying why.
set -euo pipefail
lib="$(cd "$(dirname "$0")" && pwd)/lib.sh"
bin=$(mktemp -d)
trap 'rm -rf "$bin"' EXIT
# Every tool the checks use but xwininfo.
for tool in Xvfb openbox xdotool wmctrl xprop import convert compare identify python3 awk; do
  ln -s "$(command -v "$tool")" "$bin/$tool"
done
out=$(PATH=$bin /bin/bash -c "source '$lib'; e2e_require_tools" 2>&1) && { echo "FAIL: no tool was found missing"; exit 1; }
expected="FAIL: the command xwininfo is missing: install the Debian package x11-utils"
[ "$out" = "$expected" ] || { echo "FAIL: said \"$out\", not \"$expected\""; exit 1; }
ln -s "$(command -v xwininfo)" "$bin/xwininfo"
PATH=$bin /bin/bash -c "source '$lib'; e2e_require_tools" || { echo "FAIL: a complete set of tools was refused"; exit 1; }
echo "tools check: passed"
