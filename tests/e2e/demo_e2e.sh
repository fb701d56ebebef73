#!/usr/bin/env bash
# The whole program from the demo settings, as a new user meets it: route 12
# keyed from section 1, the lamp test and the fares, the announcements with
# their chime and speech stepping the board, the ticket preview copied to the
# clipboard, the late-night fare and the backlight, closing with Yes and
# starting again with everything restored.
# usage: demo_e2e.sh PROGRAM MAKE_DEMO_SETTINGS DEMO_FOLDER CLIPBOARD_PROBE PCM_LEVELS
set -euo pipefail
E2E_PROGRAM=$1
make_settings=$2
demo=$3
probe=$4
pcm_levels=$5
here=$(dirname "$0")
source "$here/lib.sh"
shots=${E2E_SHOTS:-$(mktemp -d)}

E2E_HOME=$(mktemp -d)
cp "$E2E_PROGRAM" "$E2E_HOME/"
"$make_settings" "$(e2e_settings_file)" "$demo" >/dev/null
# Sound goes to a file we can analyse.
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$E2E_HOME/audio.raw"

e2e_start_display
e2e_start_program
board=$(e2e_window 429x234)
panel=$(e2e_window 594x173)
sleep 0.5

read -r px py <<<"$(xwininfo -id "$panel" | awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 } END { print x, y }')"
click() { xdotool mousemove $((px + $1)) $((py + $2)) click "${3:-1}"; sleep 0.2; }

lefts=(110 183 255 328)
lit() {
  local k=$1 top
  top=$([ "$k" -le 4 ] && echo 96 || echo 166)
  e2e_count_pixels "$2" "${lefts[(k - 1) % 4]}" "$top" 65 34 248 210 114 40
}
lit_displays() {
  local n=0 k
  for k in 1 2 3 4 5 6 7 8; do [ "$(lit "$k" "$1")" -gt 50 ] && n=$((n + 1)); done
  echo "$n"
}

# 系統 1 2, 区間 1, リセット: the lamp test, then the first stop's one fare.
click 71 130; click 39 102; click 71 102; click 103 130; click 39 102; click 70 156
sleep 1
e2e_screenshot "$shots/demo_lamp.png"
[ "$(lit_displays "$shots/demo_lamp.png")" -eq 8 ] || e2e_fail "the lamp test does not light all eight displays"
sleep 2.8
e2e_screenshot "$shots/demo_stop1.png"
[ "$(lit_displays "$shots/demo_stop1.png")" -eq 1 ] ||
  e2e_fail "the first stop shows $(lit_displays "$shots/demo_stop1.png") fares, not the one of ticket 1"

# The announcements: the greeting (jingle), the ticket notice, then the first
# "次は" row, which steps the board to the second stop (two fares).
announce_next() { click 200 121; }
announce_next; sleep 6
announce_next; sleep 3
announce_next; sleep 3
e2e_screenshot "$shots/demo_stop2.png"
[ "$(lit_displays "$shots/demo_stop2.png")" -eq 2 ] ||
  e2e_fail "the announcement of the next stop did not step the board to the second stop"

# The chime before the "次は" row (E5 then C5) and speech after it sound in
# what the audio device played.
"$pcm_levels" "$SDL_DISKAUDIOFILE" 659 523 >"$shots/levels.txt"
python3 - "$shots/levels.txt" <<'PY' || e2e_fail "no chime followed by speech in the played sound"
import sys
rows = [list(map(float, l.split())) for l in open(sys.argv[1])]
# The chime: E5 loud, then C5 loud 300 to 700 ms later; the jingle and the
# voice never reach that level at these pitches.
e5 = [r[0] for r in rows if r[1] > 8000]
c5 = [r[0] for r in rows if r[2] > 8000]
starts = [e for e in e5 if any(300 <= c - e <= 700 for c in c5)]
if not starts:
    sys.exit("no E5-C5 chime")
start = starts[0]
# Speech follows the chime's 1.2 s: loud windows in the next three seconds.
speech = [r for r in rows if start + 1300 <= r[0] <= start + 4300 and r[3] > 800]
if len(speech) < 25:
    sys.exit("no speech after the chime (%d loud windows)" % len(speech))
print("chime at %d ms, %d windows of speech after it" % (start, len(speech)))
PY

# The ticket preview shows the ticket of the second stop, whole: the demo
# plug-in's ticket is 3300 x 1740 twips, 220 x 116 pixels, its barcodes in
# the lower part. Its menu copies it.
e2e_screenshot "$shots/demo_preview.png"
ink=$(e2e_count_pixels "$shots/demo_preview.png" $((px + 361)) $((py + 26)) 220 116 255 255 255 30)
[ "$ink" -lt 23000 ] || e2e_fail "the ticket preview is blank"
# Below 93 pixels: the ticket's white paper with ink on it, not the panel.
paper=$(e2e_count_pixels "$shots/demo_preview.png" $((px + 361)) $((py + 26 + 93)) 220 23 255 255 255 30)
[ "$paper" -gt 1500 ] && [ "$paper" -lt 4800 ] ||
  e2e_fail "the ticket's lower part is not shown ($paper white pixels of 5060 below 93 pixels)"
click 471 72 3
xdotool key c
sleep 0.3
copied=$("$probe") || e2e_fail "nothing was copied to the clipboard"
[ "$copied" = "220x116" ] || e2e_fail "the clipboard holds a $copied image, not the ticket's 220x116"

# Late-night fares are doubled from the next refresh: back and forth to the
# second stop again, and other digits light up.
before=$(lit 1 "$shots/demo_stop2.png")
click 243 136
click 159 58
click 205 58
e2e_screenshot "$shots/demo_late.png"
[ "$(lit 1 "$shots/demo_late.png")" != "$before" ] || e2e_fail "the late-night fare did not change display 1"

# ON1 lights the board with the demo's own picture.
off=$(e2e_count_pixels "$shots/demo_late.png" 5 215 420 15 231 231 231 12)
click 287 37
sleep 0.3
e2e_screenshot "$shots/demo_on1.png"
on1=$(e2e_count_pixels "$shots/demo_on1.png" 5 215 420 15 231 231 231 12)
[ "$on1" -lt "$off" ] || e2e_fail "the ON1 picture did not replace the plate"

# Closing with Yes saves; the second start restores the panel as it was.
wmctrl -c 集中操作盤
for _ in $(seq 100); do
  box=$(xdotool search --onlyvisible --name 'ハルカゼの終了確認' 2>/dev/null | head -1) && [ -n "$box" ] && break
  sleep 0.05
done
[ -n "${box:-}" ] || e2e_fail "no confirmation box"
sleep 0.3
xdotool windowfocus --sync "$box" key Return
e2e_wait_exit 10
[ -s "$(e2e_settings_file)" ] || e2e_fail "no settings file after closing with Yes"
e2e_screenshot "$shots/demo_closed.png"
# The scroll settings and the late-night box.
settings_crop() { convert "$1" -crop "118x95+$((px + 238))+$((py + 55))" +repage "$2"; }
settings_crop "$shots/demo_late.png" "$E2E_HOME/panel_before.png"
settings_crop "$shots/demo_stop1.png" "$E2E_HOME/panel_first.png"
first=$(compare -metric AE "$E2E_HOME/panel_before.png" "$E2E_HOME/panel_first.png" null: 2>&1 || true)
[ "$first" -gt 30 ] || e2e_fail "the late-night box looks as it did at the first start"

e2e_start_program
e2e_window 429x234 >/dev/null
panel=$(e2e_window 594x173)
sleep 0.5
e2e_screenshot "$shots/demo_restart.png"
read -r px2 py2 <<<"$(xwininfo -id "$panel" | awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 } END { print x, y }')"
[ "$px2,$py2" = "$px,$py" ] || e2e_fail "the panel came back at $px2,$py2, not $px,$py"
settings_crop "$shots/demo_restart.png" "$E2E_HOME/panel_after.png"
diff=$(compare -metric AE "$E2E_HOME/panel_before.png" "$E2E_HOME/panel_after.png" null: 2>&1 || true)
[ "$diff" -lt 10 ] || e2e_fail "the panel's scroll and late-night settings differ after the restart ($diff pixels)"

# Stopped from a terminal (Ctrl-C) or by a logout (SIGTERM) once a sound and
# a speech line have played, the program ends at once and saves nothing.
saved=$(md5sum <"$(e2e_settings_file)")
for signal in TERM INT; do
  [ "$signal" = TERM ] || { e2e_start_program; e2e_window 429x234 >/dev/null; panel=$(e2e_window 594x173); sleep 0.5; }
  read -r px py <<<"$(xwininfo -id "$panel" | awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 } END { print x, y }')"
  click 71 130; click 39 102; click 71 102; click 103 130; click 39 102; click 70 156
  sleep 3.5
  announce_next; sleep 6
  announce_next; sleep 1
  kill -s "$signal" "$E2E_APP"
  e2e_wait_exit 3
  [ "$E2E_STATUS" -ne 0 ] || e2e_fail "SIG$signal ended the program with status 0, as if closed normally"
  [ "$(md5sum <"$(e2e_settings_file)")" = "$saved" ] || e2e_fail "SIG$signal changed the settings file"
done
[ -n "${E2E_SHOTS:-}" ] || rm -rf "$shots"
echo "demo e2e: all checks passed"
