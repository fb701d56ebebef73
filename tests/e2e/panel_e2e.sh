#!/usr/bin/env bash
# The panel as a user drives it: a route set on the keypad, the lamp test, the
# fares of the first stop, a step forward and back, and closing with No, then Yes.
# usage: panel_e2e.sh PROGRAM
set -euo pipefail
E2E_PROGRAM=$1
source "$(dirname "$0")/lib.sh"
shots=${E2E_SHOTS:-$(mktemp -d)}

e2e_start_display
e2e_start_program
board=$(e2e_window 429x234)
panel=$(e2e_window 353x173)
sleep 0.3

# Route 12 in the program's working folder, which an empty fare folder option
# means: stop s charges 100 * s + 10 * k for ticket k.
python3 - "$E2E_HOME/12.hy3" <<'PY'
import struct, sys
stops = 3
out = struct.pack('<h', stops)
for s in range(1, stops + 1):
    name = ('停留所%d' % s).encode('cp932')
    fares = [100 * s + 10 * k for k in range(1, 151)]
    out += struct.pack('<h', len(name)) + name + struct.pack('<h', s) + struct.pack('<150h', *fares)
open(sys.argv[1], 'wb').write(out)
PY

# The panel's bottom-right corner (with its border) is the screen's. The
# client's place on the screen comes from xwininfo: xdotool counts the frame in.
read -r px py <<<"$(xwininfo -id "$panel" | awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 } END { print x, y }')"
eval "$(xdotool getwindowgeometry --shell "$panel")"
extents=$(xprop -id "$panel" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
read -r fl fr ft fb <<<"$extents"
[ $((px + WIDTH + fr)) -eq 1024 ] && [ $((py + HEIGHT + fb)) -eq 768 ] ||
  e2e_fail "panel client at $px,$py ${WIDTH}x$HEIGHT with frame $extents is not at the bottom-right corner"
[ "$(e2e_geometry "$board" position)" = "0,0" ] || e2e_fail "board not at 0,0"

click() { xdotool mousemove $((px + $1)) $((py + $2)) click 1; sleep 0.15; }
lefts=(110 183 255 328)
# Lit segment pixels of fare display k (1..8) in a screenshot.
lit() {
  local k=$1 top
  top=$([ "$k" -le 4 ] && echo 96 || echo 166)
  e2e_count_pixels "$2" "${lefts[(k - 1) % 4]}" "$top" 65 34 248 210 114 40
}
displays() { for k in 1 2 3 4 5 6 7 8; do printf '%s ' "$(lit "$k" "$1")"; done; }

# 系統 1 2, 区間 1, then リセット.
click 71 130; click 39 102; click 71 102; click 103 130; click 39 102
e2e_screenshot "$shots/keyed.png"
click 70 156
sleep 1
e2e_screenshot "$shots/lamp.png"
for k in 1 2 3 4 5 6 7 8; do
  n=$(lit "$k" "$shots/lamp.png")
  [ "$n" -gt 250 ] || e2e_fail "lamp test: display $k shows only $n lit pixels"
done
sleep 2.8
e2e_screenshot "$shots/stop1.png"
stop1=$(displays "$shots/stop1.png")
for k in 1 2 3 4 5 6 7 8; do
  n=$(lit "$k" "$shots/stop1.png"); all=$(lit "$k" "$shots/lamp.png")
  [ "$n" -gt 50 ] && [ "$n" -lt "$all" ] || e2e_fail "stop 1: display $k shows $n lit pixels (lamp test $all)"
done

# データ送り, then データ戻し: another fare, then the first stop's again.
click 205 58
e2e_screenshot "$shots/stop2.png"
stop2=$(displays "$shots/stop2.png")
[ "$stop2" != "$stop1" ] || e2e_fail "stepping forward left the fares as they were"
click 159 58
e2e_screenshot "$shots/back.png"
back=$(displays "$shots/back.png")
[ "$back" = "$stop1" ] || e2e_fail "stepping back shows $back, not the first stop's $stop1"

# Idle, the program uses no CPU to speak of.
cpu_ticks() { sed 's/^.*) //' "/proc/$1/stat" | awk '{ print $12 + $13 }'; }
before=$(cpu_ticks "$E2E_APP"); sleep 2; after=$(cpu_ticks "$E2E_APP")
[ $((after - before)) -le 4 ] || e2e_fail "idle for 2 s the program used $((after - before)) CPU ticks"

# Closing asks first; No keeps everything, Yes ends the program.
question() {
  wmctrl -c 集中操作盤
  for _ in $(seq 100); do
    box=$(xdotool search --onlyvisible --name 'ハルカゼの終了確認' 2>/dev/null | head -1) && [ -n "$box" ] && return 0
    sleep 0.05
  done
  e2e_fail "no confirmation box"
}
question
sleep 0.3
e2e_screenshot "$shots/question.png"
xdotool windowfocus --sync "$box" key Escape
sleep 0.5
e2e_running || e2e_fail "No ended the program"
xdotool search --onlyvisible --name 集中操作盤 >/dev/null || e2e_fail "No closed the panel"
question
xdotool windowfocus --sync "$box" key Return
e2e_wait_exit 5
[ "$E2E_STATUS" -eq 0 ] || e2e_fail "the program ended with status $E2E_STATUS"
[ -s "$(e2e_settings_file)" ] || e2e_fail "Yes saved no settings file beside the program"

[ -n "${E2E_SHOTS:-}" ] || rm -rf "$shots"
echo "panel e2e: all checks passed"
