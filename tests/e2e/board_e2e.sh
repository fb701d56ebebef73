#!/usr/bin/env bash
# The board as a user first sees it, on a real X display with a window manager.
# usage: board_e2e.sh PROGRAM
set -euo pipefail
E2E_PROGRAM=$1
source "$(dirname "$0")/lib.sh"
shots=$(mktemp -d)

e2e_start_display
e2e_start_program
board=$(e2e_window 429x234)
sleep 0.3

# At the top-left corner, at its design size.
[ "$(e2e_geometry "$board" position)" = "0,0" ] || e2e_fail "board at $(e2e_geometry "$board" position), not 0,0"

e2e_screenshot "$shots/start.png"
# Rounded outline: the corner pixel shows the black root window, the plate
# just inside the corner does not.
[ "$(e2e_count_pixels "$shots/start.png" 0 0 2 2 0 0 0 8)" -eq 4 ] || e2e_fail "the top-left corner is not cut away"
[ "$(e2e_count_pixels "$shots/start.png" 427 232 2 2 0 0 0 8)" -eq 4 ] || e2e_fail "the bottom-right corner is not cut away"
[ "$(e2e_count_pixels "$shots/start.png" 200 4 20 6 231 231 231 12)" -gt 60 ] || e2e_fail "no plate grey along the top edge"

# Eight white captions over eight blank fare displays: unlit segments only.
lefts=(115 188 259 333)
dlefts=(110 183 255 328)
for i in 0 1 2 3 4 5 6 7; do
  ctop=$([ $i -lt 4 ] && echo 70 || echo 141)
  dtop=$([ $i -lt 4 ] && echo 96 || echo 166)
  white=$(e2e_count_pixels "$shots/start.png" "${lefts[i % 4]}" "$ctop" 54 21 255 255 255 40)
  [ "$white" -gt 15 ] || e2e_fail "caption $((i + 1)) shows $white white pixels"
  lit=$(e2e_count_pixels "$shots/start.png" "${dlefts[i % 4]}" "$dtop" 65 34 248 210 114 40)
  unlit=$(e2e_count_pixels "$shots/start.png" "${dlefts[i % 4]}" "$dtop" 65 34 150 150 150 20)
  [ "$lit" -eq 0 ] || e2e_fail "fare display $((i + 1)) has $lit lit pixels"
  [ "$unlit" -gt 100 ] || e2e_fail "fare display $((i + 1)) shows only $unlit unlit segment pixels"
done

# A left-drag on the background (the label column) moves the board...
# The move starts where the pointer is once the window manager takes it
# over, so the hand waits a moment after pressing, as a user's does.
xdotool mousemove 40 150 mousedown 1
sleep 0.3
for step in 1 2 3 4 5 6 7 8 9 10; do xdotool mousemove $((40 + step * 20)) $((150 + step * 10)); sleep 0.03; done
xdotool mouseup 1
e2e_wait_position "$board" 200,100 "after a left-drag the board"

# ...a right-drag does not, and neither does a left-drag that starts on a display.
xdotool mousemove 240 250 mousedown 3
for step in 1 2 3 4 5; do xdotool mousemove $((240 + step * 20)) 250; sleep 0.03; done
xdotool mouseup 3
sleep 0.3
[ "$(e2e_geometry "$board" position)" = "200,100" ] || e2e_fail "a right-drag moved the board"
xdotool mousemove 340 215 mousedown 1
for step in 1 2 3 4 5; do xdotool mousemove $((340 + step * 20)) 215; sleep 0.03; done
xdotool mouseup 1
sleep 0.3
[ "$(e2e_geometry "$board" position)" = "200,100" ] || e2e_fail "a drag on a fare display moved the board"

rm -rf "$shots"
echo "board e2e: all checks passed"
