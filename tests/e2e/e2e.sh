#!/usr/bin/env bash
# The real program on one display of our own (Xvfb with openbox), driven with
# xdotool and checked on screenshots, on the files it writes and on the sound
# it plays. Each scenario starts a copy of the program in a folder of its own,
# so the settings file it saves there starts from a first start and never
# touches the build's. With E2E_SHOTS set, the screenshots are kept there.
# usage: e2e.sh PROGRAM MAKE_DEMO_SETTINGS DEMO_FOLDER CLIPBOARD_PROBE PCM_LEVELS [SCENARIO...]
#        e2e.sh --tools-check      (a missing tool is named with its package)
set -euo pipefail
source "${BASH_SOURCE[0]%/*}/lib.sh"

# Only the tools, every one but xwininfo: the driver names that one and its
# package and goes no further; with it too, it goes on.
tools_check() {
  local bin out tool expected="FAIL: the command xwininfo is missing: install the Debian package x11-utils"
  bin=$(mktemp -d)
  for tool in Xvfb openbox xdotool wmctrl xprop import convert compare identify python3 awk; do ln -s "$(command -v "$tool")" "$bin/"; done
  out=$(PATH=$bin /bin/bash "$0" --require-tools 2>&1) && e2e_fail "no tool was found missing"
  [ "$out" = "$expected" ] || e2e_fail "said \"$out\", not \"$expected\""
  ln -s "$(command -v xwininfo)" "$bin/xwininfo"
  PATH=$bin /bin/bash "$0" --require-tools || e2e_fail "a complete set of tools was refused"
  rm -rf "$bin"
}

shot() { e2e_screenshot "$shots/$1.png"; }
# click ID X,Y...: left clicks at places in the window's own area, or with
# CLICK set, clicks with those arguments of xdotool's. Its own pause after a
# click (100 ms) is not needed.
click() {
  local xy
  for xy in "${@:2}"; do
    xdotool mousemove --window "$1" "${xy%,*}" "${xy#*,}" click ${CLICK:---delay 0 1}
    sleep 0.15
  done
}
# The pointer rests where no window is, so no hover look or tooltip shows.
rest() { xdotool mousemove 1015 8; sleep 0.1; }
# drag BUTTON X Y DX DY: ten steps by hand on the screen. A move starts where
# the pointer is once the window manager takes it over, so the hand waits a
# moment after pressing, as a user's does.
drag() {
  xdotool mousemove "$2" "$3" mousedown "$1"
  sleep 0.3
  for step in $(seq 10); do xdotool mousemove $(($2 + step * $4)) $(($3 + step * $5)); sleep 0.03; done
  xdotool mouseup "$1"
  sleep 0.3
}
# close KEY: closing the panel asks first; the key answers (Return: Yes, Escape: No).
close() { wmctrl -c 集中操作盤; xdotool windowfocus --sync "$(e2e_window 'ハルカゼの終了確認')" key "$1"; }

# Pixels of fare display K (1..8) in screenshot NAME near a colour (R G B
# TOLERANCE), the board's own area at board_x,board_y; its lit segment
# pixels; how many displays are lit beyond a stray pixel or two.
display_pixels() {
  local lefts=(110 183 255 328)
  e2e_count_pixels "$shots/$2.png" $((board_x + lefts[($1 - 1) % 4])) $((board_y + ($1 <= 4 ? 96 : 166))) 65 34 "${@:3}"
}
lit() { display_pixels "$1" "$2" 248 210 114 40; }
lit_displays() { local n=0 k; for k in $(seq 8); do [ "$(lit "$k" "$1")" -le 50 ] || n=$((n + 1)); done; echo $n; }
displays() { for k in $(seq 8); do printf '%s ' "$(lit "$k" "$1")"; done; }

# 系統 1 2, 区間 1, リセット on the panel: the lamp test lights every segment
# of every display (shot "lamp"), then the first stop's fares show ("stop1").
key_route_12() {
  click "$panel" 71,130 39,102 71,102 103,130 39,102 70,156
  sleep 1
  shot lamp
  for k in $(seq 8); do [ "$(lit "$k" lamp)" -gt 250 ] || e2e_fail "lamp test: display $k shows only $(lit "$k" lamp) lit pixels"; done
  sleep 2.8
  shot stop1
}
announce() { click "$panel" 200,121; sleep "$1"; }

# The options dialog, from 設定... on the panel. Its OK, last clicked as the
# dialog hid, would still look hovered: the pointer passes over it once so it
# sees the pointer leave.
open_options() {
  click "$panel" 258,160
  options=$(e2e_window オプション)
  xdotool mousemove --window "$options" 579 355
  sleep 0.1
  rest
}
close_options() { click "$options" 579,355; e2e_wait_closed "$options" "the options dialog"; }
# show_page PAGE [STAGE]: the page buttons stand at twips 90 / 45, 900, 1740,
# 2580, 3420, 4260 (15 twips a pixel); with a stage, the page is kept as a picture.
show_page() {
  local page_y=(30 87 143 199 255 311)
  click "$options" "47,${page_y[$1]}"
  rest
  [ -z "${2:-}" ] || e2e_crop "$options" "$shots/$2-options$1.png"
}
# The format dialog from a double click on fare display 1; OK is at 195, Cancel at 285.
open_format() { CLICK="--repeat 2 --delay 80 1" click "$board" 142,113; format=$(e2e_window 表示形式の設定); rest; }
close_format() { click "$format" "$1,406"; e2e_wait_closed "$format" "the format dialog"; }
crop_format() { open_format; e2e_crop "$format" "$shots/$1-format.png"; close_format 285; }
# crop_all STAGE: board, panel, the changed option pages, the format dialog.
crop_all() {
  rest
  e2e_crop "$board" "$shots/$1-board.png"
  e2e_crop "$panel" "$shots/$1-panel.png"
  open_options
  for page in 0 1 2 4; do show_page "$page" "$1"; done
  close_options
  crop_format "$1"
}

# ---- a first start, what a user sets, closing and starting again, the panel driven ----
# The board and the panel as a user first sees them. Options on four pages of
# the options dialog, the board dragged elsewhere, the fare displays' format
# and the open ticket preview survive closing with Yes and starting again:
# each is compared as pictures, after the restart as before the close, and
# unlike the first start. Then the user's own fares, from the fare folder set.
scenario_first_start() {
  local fares=$E2E_HOME/fares chime=$E2E_HOME/chime.wav captions=(115 188 259 333) x y w h fr fb n all failed="" panel_at
  [ ! -e "$settings" ] || e2e_fail "a settings file exists before the first start: $settings"
  e2e_start_program
  board=$(e2e_window 429x234)
  panel=$(e2e_window 353x173)
  # The board at the top-left corner at its design size; the panel's
  # bottom-right corner (with its frame) is the screen's.
  e2e_at "$board" position 0,0 || e2e_fail "board at $(e2e_geometry "$board" position), not 0,0"
  read -r x y w h <<<"$(e2e_client "$panel")"
  read -r _ fr _ fb <<<"$(xprop -id "$panel" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')"
  [ $((x + w + fr)),$((y + h + fb)) = 1024,768 ] ||
    e2e_fail "panel client at $x,$y ${w}x$h with frame $fr,$fb is not at the bottom-right corner"
  rest
  e2e_crop "$board" "$shots/first-board.png"
  e2e_crop "$panel" "$shots/first-panel.png"
  # Rounded outline: the corner pixel shows the black root window, the plate
  # just inside the corner does not.
  [ "$(e2e_count_pixels "$shots/first-board.png" 0 0 2 2 0 0 0 8)" -eq 4 ] || e2e_fail "the top-left corner is not cut away"
  [ "$(e2e_count_pixels "$shots/first-board.png" 427 232 2 2 0 0 0 8)" -eq 4 ] || e2e_fail "the bottom-right corner is not cut away"
  [ "$(e2e_count_pixels "$shots/first-board.png" 200 4 20 6 231 231 231 12)" -gt 60 ] || e2e_fail "no plate grey along the top edge"
  # Eight white captions over eight blank fare displays: unlit segments only.
  for k in $(seq 8); do
    n=$(e2e_count_pixels "$shots/first-board.png" "${captions[(k - 1) % 4]}" $((k <= 4 ? 70 : 141)) 54 21 255 255 255 40)
    [ "$n" -gt 15 ] || e2e_fail "caption $k shows $n white pixels"
    [ "$(lit "$k" first-board)" -eq 0 ] || e2e_fail "fare display $k has $(lit "$k" first-board) lit pixels"
    n=$(display_pixels "$k" first-board 150 150 150 20)
    [ "$n" -gt 100 ] || e2e_fail "fare display $k shows only $n unlit segment pixels"
  done
  crop_format first

  open_options
  # Page 0: 運賃データのあるフォルダー.
  show_page 0 first
  click "$options" 340,65
  xdotool type --delay 10 "$fares"
  # Page 1, 整理券番号表示設定: the drop-down opens on a click; the keyboard picks the third style.
  show_page 1 first
  click "$options" 440,150
  xdotool key Down Down Return
  sleep 0.2
  # Page 2, 背景色: the colour dialog's second row of basic colours, first column (dark blue).
  show_page 2 first
  click "$options" 258,73
  colours=$(e2e_window 色の設定)
  click "$colours" 23,66
  xdotool key Return
  e2e_wait_closed "$colours" "the colour dialog"
  # Page 4: 系統設定時のサウンド.
  show_page 4 first
  click "$options" 415,37
  xdotool type --delay 10 "$chime"
  close_options

  # A left-drag on the plate (the label column) moves the board; a right-drag
  # does not, and neither does a left-drag that starts on a fare display.
  drag 1 40 150 20 10
  e2e_wait_geometry "$board" position 200,100 "after a left-drag the board"
  drag 3 240 250 20 0
  e2e_at "$board" position 200,100 || e2e_fail "a right-drag moved the board"
  drag 1 340 215 20 0
  e2e_at "$board" position 200,100 || e2e_fail "a drag on a fare display moved the board"

  # Another format for the fare displays: zero mode 2 keeps blank displays
  # blank, one digit shifted (the upper spin box), two zero-filled (the lower).
  open_format
  click "$format" 29,101 322,163 322,191 322,191
  close_format 195
  # The panel's >> opens the ticket preview.
  click "$panel" 340,13
  e2e_wait_geometry "$panel" size 594x173 "the panel after >>"
  crop_all before
  panel_at=$(e2e_client "$panel")

  # Closing asks first: No keeps everything, Yes saves the settings beside the program.
  close Escape
  sleep 0.5
  e2e_running || e2e_fail "No ended the program"
  e2e_find_window 集中操作盤 >/dev/null || e2e_fail "No closed the panel"
  close Return
  e2e_wait_exit 10
  [ "$E2E_STATUS" -eq 0 ] || e2e_fail "the program ended with status $E2E_STATUS"
  grep -qaF "$fares" "$settings" || e2e_fail "the settings file does not hold the fare folder $fares"
  grep -qaF "$chime" "$settings" || e2e_fail "the settings file does not hold the sound $chime"

  e2e_start_program
  board=$(e2e_window 429x234) || e2e_fail "the board did not show after the restart (a message box about the settings file?)"
  panel=$(e2e_window 集中操作盤)
  e2e_wait_geometry "$board" position 200,100 "after the restart the board"
  e2e_wait_geometry "$panel" size 594x173 "after the restart the panel (the preview open)"
  [ "$(e2e_client "$panel")" = "$panel_at" ] || e2e_fail "after the restart the panel is at $(e2e_client "$panel"), not $panel_at"
  crop_all after
  # Pictures taken again may differ by a few pixels at most; a change differs by far more.
  for part in board panel options0 options1 options2 options4 format; do
    n=$(e2e_differing_pixels "$shots/before-$part.png" "$shots/after-$part.png")
    [ "$n" -le 10 ] 2>/dev/null || failed+=$'\n'"  $part: after the restart $n pixels differ from before the close"
    n=$(e2e_differing_pixels "$shots/first-$part.png" "$shots/before-$part.png")
    [ "$n" -gt 100 ] 2>/dev/null || failed+=$'\n'"  $part: only $n pixels differ from the first start: the change did not happen"
  done
  [ -z "$failed" ] || e2e_fail "not as set before the close:$failed"$'\n'"  (first-, before- and after-*.png in $shots)"

  # Route 12 in the fare folder set: stop s charges 10 * (s + k) for ticket k
  # (two digits, so that the shifted format still shows them all).
  read -r board_x board_y _ <<<"$(e2e_client "$board")"
  # Three stops, each a name of 7 bytes in code page 932, its number and 150 fares.
  mkdir -p "$fares"
  python3 -c "import struct, sys; open(sys.argv[1], 'wb').write(struct.pack('<h', 3) + b''.join(struct.pack('<h', 7)
    + ('停留所%d' % s).encode('cp932') + struct.pack('<h150h', s, *[10 * (s + k) for k in range(1, 151)]) for s in (1, 2, 3)))" "$fares/12.hy3"
  key_route_12
  for k in $(seq 8); do
    n=$(lit "$k" stop1) all=$(lit "$k" lamp)
    [ "$n" -gt 50 ] && [ "$n" -lt "$all" ] || e2e_fail "stop 1: display $k shows $n lit pixels (lamp test $all)"
  done
  # データ送り, then データ戻し: another fare, then the first stop's again.
  click "$panel" 205,58
  shot stop2
  [ "$(displays stop2)" != "$(displays stop1)" ] || e2e_fail "stepping forward left the fares as they were"
  click "$panel" 159,58
  shot back
  [ "$(displays back)" = "$(displays stop1)" ] || e2e_fail "stepping back shows $(displays back), not the first stop's $(displays stop1)"
  # Idle, the program uses no CPU to speak of.
  # (utime + stime: the name field, "(X9-000)", holds no space.)
  n=$(awk '{ print $14 + $15 }' "/proc/$E2E_APP/stat")
  sleep 2
  n=$(($(awk '{ print $14 + $15 }' "/proc/$E2E_APP/stat") - n))
  [ "$n" -le 4 ] || e2e_fail "idle for 2 s the program used $n CPU ticks"
}

# ---- the whole program from the demo settings, sound included ----
# Route 12 keyed from section 1, the announcements with their chime and speech
# stepping the board, the ticket preview copied to the clipboard, the
# late-night fare and the backlight, closing with Yes and starting again with
# the panel's settings restored; stopped by a signal, it saves nothing.
scenario_demo() {
  local x y n panel_at
  "$make_settings" "$settings" "$demo" >/dev/null
  # Sound goes to a file we can analyse.
  export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$E2E_HOME/audio.raw
  start_demo
  key_route_12
  [ "$(lit_displays stop1)" -eq 1 ] || e2e_fail "the first stop shows $(lit_displays stop1) fares, not the one of ticket 1"
  # The greeting (jingle), the ticket notice, then the first "次は" row,
  # which steps the board to the second stop (two fares).
  announce 6; announce 3; announce 3
  shot stop2
  [ "$(lit_displays stop2)" -eq 2 ] || e2e_fail "the announcement of the next stop did not step the board to the second stop"

  # The chime before the "次は" row (E5 then C5) and speech after it sound in
  # what the audio device played.
  "$pcm_levels" "$SDL_DISKAUDIOFILE" 659 523 >"$shots/levels.txt"
  python3 - "$shots/levels.txt" <<'PY' || e2e_fail "no chime followed by speech in the played sound"
import sys
rows = [list(map(float, l.split())) for l in open(sys.argv[1])]
# The chime: E5 loud, then C5 loud 300 to 700 ms later; the jingle and the
# voice never reach that level at these pitches.
starts = [a[0] for a in rows if a[1] > 8000 and any(300 <= b[0] - a[0] <= 700 and b[2] > 8000 for b in rows)]
# Speech follows the chime's 1.2 s: loud windows in the next three seconds.
speech = [r for r in rows if starts and starts[0] + 1300 <= r[0] <= starts[0] + 4300 and r[3] > 800]
sys.exit(None if len(speech) >= 25 else "E5-C5 chimes at %s ms, %d loud windows after the first" % (starts, len(speech)))
PY

  # The ticket preview shows the ticket of the second stop, whole: the demo
  # plug-in's ticket is 3300 x 1740 twips, 220 x 116 pixels, its barcodes in
  # the lower part (below 93 pixels: white paper with ink on it, not the
  # panel). Its menu copies it.
  panel_at=$(e2e_client "$panel")
  read -r x y _ <<<"$panel_at"
  shot preview
  n=$(e2e_count_pixels "$shots/preview.png" $((x + 361)) $((y + 26)) 220 116 255 255 255 30)
  [ "$n" -lt 23000 ] || e2e_fail "the ticket preview is blank"
  n=$(e2e_count_pixels "$shots/preview.png" $((x + 361)) $((y + 119)) 220 23 255 255 255 30)
  [ "$n" -gt 1500 ] && [ "$n" -lt 4800 ] || e2e_fail "the ticket's lower part is not shown ($n white pixels of 5060 below 93 pixels)"
  CLICK=3 click "$panel" 471,72
  xdotool key c
  sleep 0.3
  n=$("$probe") || e2e_fail "nothing was copied to the clipboard"
  [ "$n" = 220x116 ] || e2e_fail "the clipboard holds a $n image, not the ticket's 220x116"

  # Late-night fares are doubled from the next refresh: back and forth to the
  # second stop again, and other digits light up.
  click "$panel" 243,136 159,58 205,58
  shot late
  [ "$(lit 1 late)" != "$(lit 1 stop2)" ] || e2e_fail "the late-night fare did not change display 1"
  # ON1 lights the board with the demo's own picture.
  click "$panel" 287,37
  sleep 0.3
  shot on1
  [ "$(e2e_count_pixels "$shots/on1.png" 5 215 420 15 231 231 231 12)" -lt "$(e2e_count_pixels "$shots/late.png" 5 215 420 15 231 231 231 12)" ] ||
    e2e_fail "the ON1 picture did not replace the plate"

  # The scroll settings and the late-night box: changed since the first stop,
  # the same after closing with Yes and starting again, with the panel where
  # the demo put it, away from where a first start puts it.
  panel_part() { convert "$shots/$1.png" -crop "118x95+$((x + 238))+$((y + 55))" +repage "$shots/$1-settings.png"; }
  panel_part stop1
  panel_part late
  n=$(e2e_differing_pixels "$shots/late-settings.png" "$shots/stop1-settings.png")
  [ "$n" -gt 30 ] || e2e_fail "the late-night box looks as it did at the first start"
  close Return
  e2e_wait_exit 10
  start_demo
  [ "$(e2e_client "$panel")" = "$panel_at" ] || e2e_fail "the panel came back at $(e2e_client "$panel"), not $panel_at"
  shot restart
  panel_part restart
  n=$(e2e_differing_pixels "$shots/late-settings.png" "$shots/restart-settings.png")
  [ "$n" -lt 10 ] || e2e_fail "the panel's scroll and late-night settings differ after the restart ($n pixels)"

  # Stopped from a terminal (Ctrl-C) or by a logout (SIGTERM) once a sound
  # and a speech line have played, the program ends at once and saves nothing.
  n=$(md5sum <"$settings")
  for signal in TERM INT; do
    [ "$signal" = TERM ] || start_demo
    key_route_12
    announce 6; announce 1
    kill -s "$signal" "$E2E_APP"
    e2e_wait_exit 3
    [ "$E2E_STATUS" -ne 0 ] || e2e_fail "SIG$signal ended the program with status 0, as if closed normally"
    [ "$(md5sum <"$settings")" = "$n" ] || e2e_fail "SIG$signal changed the settings file"
  done
}
start_demo() { e2e_start_program; e2e_window 429x234 >/dev/null; panel=$(e2e_window 594x173); sleep 0.5; }

# ---- the demo route driven from a shell alone, through second starts ----
# Each second start hands its actions to the running program over the
# session bus and ends; the board follows, the panel's title says where the
# bus is, and a step the panel would not take is refused.
scenario_remote() {
  "$make_settings" "$settings" "$demo" >/dev/null
  export SDL_AUDIODRIVER=dummy
  start_demo
  remote() { (cd "$E2E_HOME" && HOME=$E2E_HOME XDG_CONFIG_HOME=$E2E_HOME/.config "$E2E_HOME/${E2E_PROGRAM##*/}" "$@"); }
  remote --route 12 --section 1 || e2e_fail "a second start could not set the route"
  shot stop1
  [ "$(lit_displays stop1)" -eq 1 ] || e2e_fail "after --route the first stop shows $(lit_displays stop1) fares, not 1"
  remote --next --next || e2e_fail "a second start could not step"
  shot stop3
  [ "$(lit_displays stop3)" -eq 3 ] || e2e_fail "after two --next the board shows $(lit_displays stop3) fares, not 3"
  [[ $(xdotool getwindowname "$panel") == "集中操作盤  系統 12-1  3/25 市役所前"* ]] ||
    e2e_fail "the panel's title is \"$(xdotool getwindowname "$panel")\""
  remote --blank on || e2e_fail "a second start could not blank the board"
  remote --next 2>/dev/null && e2e_fail "a step while the display is off was taken"
  [ "$(pgrep -c -x "${E2E_PROGRAM##*/}")" -eq 1 ] || e2e_fail "a second start stayed running"
}

case ${1:-} in
  --require-tools) e2e_require_tools; exit 0 ;;
  --tools-check) tools_check; echo "tools check: passed"; exit 0 ;;
esac
E2E_PROGRAM=$1 make_settings=$2 demo=$3 probe=$4 pcm_levels=$5
shift 5
e2e_start_display
for E2E_SCENARIO in ${@:-first_start demo remote}; do
  e2e_new_home
  settings=$E2E_HOME/${E2E_PROGRAM##*/}.in4 board_x=0 board_y=0
  shots=${E2E_SHOTS:-$E2E_HOME}/$E2E_SCENARIO
  mkdir -p "$shots"
  "scenario_$E2E_SCENARIO"
  e2e_stop_program
  echo "$E2E_SCENARIO: all checks passed"
done
