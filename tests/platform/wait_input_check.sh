#!/usr/bin/env bash
# Types into a window while it blocks in the wait helper, on a real X display:
# the keys must arrive after the wait, none during it and none lost.
set -euo pipefail
display=:$((100 + RANDOM % 500))
Xvfb "$display" -screen 0 640x480x24 -nolisten tcp >/dev/null 2>&1 &
trap "kill $! 2>/dev/null || true" EXIT
export DISPLAY=$display QT_QPA_PLATFORM=xcb
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done

out=$(mktemp)
"$1" >"$out" &
for _ in $(seq 100); do grep -q waiting "$out" && break; sleep 0.05; done
window=$(xdotool search --sync --name wait-input-probe | head -n 1)
xdotool windowfocus --sync "$window"
xdotool key --window "$window" a b c
wait $!
result=$(tail -n 1 "$out")
echo "$result"
[ "$result" = "during 0 after 3" ]
