#!/usr/bin/env bash
# What a user sets survives closing with Yes and starting again: options on
# four pages of the options dialog, the board dragged elsewhere, the fare
# displays' format and the open ticket preview. Each is compared as pictures:
# after the restart as before the close, and unlike the first start.
# usage: settings_e2e.sh PROGRAM
set -euo pipefail
E2E_PROGRAM=$1
source "$(dirname "$0")/lib.sh"
shots=${E2E_SHOTS:-$(mktemp -d)}

# Pictures taken again after the restart may differ by a few pixels at most;
# a real change differs by far more.
tolerance=10

e2e_start_display
e2e_start_program
board=$(e2e_window 429x234)
panel=$(e2e_window 353x173)
settings=$(e2e_settings_file)
[ ! -e "$settings" ] || e2e_fail "a settings file exists before the first start: $settings"
fares="$E2E_HOME/fares"
chime="$E2E_HOME/chime.wav"
mkdir -p "$fares"

# The pointer rests where no window is, so no hover look or tooltip shows.
rest() { xdotool mousemove 1015 8; sleep 0.1; }
# click ID X Y: a click at a place in the window's own area.
click() {
  local x y
  read -r x y _ <<<"$(e2e_client "$1")"
  xdotool mousemove $((x + $2)) $((y + $3)) click 1
  sleep 0.15
}
double_click() {
  local x y
  read -r x y _ <<<"$(e2e_client "$1")"
  xdotool mousemove $((x + $2)) $((y + $3)) click --repeat 2 --delay 80 1
}

# The operation panel: 設定... and the preview's >>.
settings_button=(258 160)
preview_button=(340 13)
# The options dialog's page buttons stand at twips 90 / 45, 900, 1740, 2580,
# 3420, 4260, 1250 x 833 (15 twips a pixel); the rest was measured on the
# dialog's fixed layout.
page_y=(30 87 143 199 255 311)
page_x=47
options_ok=(579 355)
fare_folder_box=(340 65)          # page 0: 運賃データのあるフォルダー
seiri_style_list=(440 150)        # page 1: 整理券番号表示設定
degit_back_button=(258 73)        # page 2: 背景色
route_sound_box=(415 37)          # page 4: 系統設定時のサウンド
changed_pages=(0 1 2 4)
# The colour dialog's second row of basic colours, first column (dark blue).
basic_colour=(23 66)
# The format dialog: zero mode 2, the up arrows of its two spin boxes, OK.
zero_mode_2=(29 101)
shift_up=(322 163)
fill_zero_up=(322 191)
format_ok=(195 406)
format_cancel=(285 406)
# Fare display 1 on the board.
display_1=(142 113)

open_options() {
  click "$panel" "${settings_button[@]}"
  options=$(e2e_named_window オプション)
  # OK, last clicked as the dialog hid, would still look hovered: the
  # pointer passes over it once so it sees the pointer leave.
  local x y
  read -r x y _ <<<"$(e2e_client "$options")"
  xdotool mousemove $((x + options_ok[0])) $((y + options_ok[1]))
  sleep 0.1
  rest
}
close_options() {
  click "$options" "${options_ok[@]}"
  e2e_wait_closed "$options" "the options dialog"
}
show_page() { click "$options" "$page_x" "${page_y[$1]}"; rest; }
# crop_pages STAGE: each changed page of the open options dialog.
crop_pages() {
  local page
  for page in "${changed_pages[@]}"; do
    show_page "$page"
    e2e_crop "$options" "$shots/$1-options$page.png"
  done
}
open_format() {
  double_click "$board" "${display_1[@]}"
  format=$(e2e_named_window 表示形式の設定)
  rest
}
# crop_all STAGE: board, panel, the changed option pages, the format dialog.
crop_all() {
  rest
  e2e_crop "$board" "$shots/$1-board.png"
  e2e_crop "$panel" "$shots/$1-panel.png"
  open_options
  crop_pages "$1"
  close_options
  open_format
  e2e_crop "$format" "$shots/$1-format.png"
  click "$format" "${format_cancel[@]}"
  e2e_wait_closed "$format" "the format dialog (cancelled)"
}

# ---- first start: what everything looks like untouched ----
rest
e2e_crop "$board" "$shots/first-board.png"
e2e_crop "$panel" "$shots/first-panel.png"
open_format
e2e_crop "$format" "$shots/first-format.png"
click "$format" "${format_cancel[@]}"
e2e_wait_closed "$format" "the format dialog (cancelled)"

# ---- the user's changes ----
open_options
show_page 0
e2e_crop "$options" "$shots/first-options0.png"
click "$options" "${fare_folder_box[@]}"
xdotool type --delay 10 "$fares"

show_page 1
e2e_crop "$options" "$shots/first-options1.png"
# The drop-down opens on a click; the keyboard picks the third style.
click "$options" "${seiri_style_list[@]}"
xdotool key Down Down Return
sleep 0.2

show_page 2
e2e_crop "$options" "$shots/first-options2.png"
click "$options" "${degit_back_button[@]}"
colours=$(e2e_named_window 色の設定)
click "$colours" "${basic_colour[@]}"
xdotool key Return
e2e_wait_closed "$colours" "the colour dialog"

show_page 4
e2e_crop "$options" "$shots/first-options4.png"
click "$options" "${route_sound_box[@]}"
xdotool type --delay 10 "$chime"
close_options

# A left-drag on the plate (the label column) moves the board.
# The move starts where the pointer is once the window manager takes it
# over, so the hand waits a moment after pressing, as a user's does.
xdotool mousemove 40 150 mousedown 1
sleep 0.3
for step in 1 2 3 4 5 6 7 8 9 10; do xdotool mousemove $((40 + step * 20)) $((150 + step * 10)); sleep 0.03; done
xdotool mouseup 1
e2e_wait_position "$board" 200,100 "after a left-drag the board"

# Another format for the fare displays: zero mode 2 keeps blank displays
# blank, one digit shifted, two zero-filled.
open_format
click "$format" "${zero_mode_2[@]}"
click "$format" "${shift_up[@]}"
click "$format" "${fill_zero_up[@]}"
click "$format" "${fill_zero_up[@]}"
e2e_crop "$format" "$shots/changed-format.png"
click "$format" "${format_ok[@]}"
e2e_wait_closed "$format" "the format dialog"

click "$panel" "${preview_button[@]}"
rest
for _ in $(seq 40); do [ "$(e2e_geometry "$panel" size)" = 594x173 ] && break; sleep 0.05; done
[ "$(e2e_geometry "$panel" size)" = 594x173 ] || e2e_fail ">> left the panel at $(e2e_geometry "$panel" size), not 594x173"

crop_all before
read -r panel_x panel_y _ <<<"$(e2e_client "$panel")"

# ---- closing with Yes saves the settings beside the program ----
wmctrl -c 集中操作盤
question=$(e2e_named_window 'ハルカゼの終了確認')
xdotool windowfocus --sync "$question" key Return
e2e_wait_exit 10
[ "$E2E_STATUS" -eq 0 ] || e2e_fail "the program ended with status $E2E_STATUS"
[ -s "$settings" ] || e2e_fail "no settings file in the program's folder after closing with Yes"
grep -qaF "$fares" "$settings" || e2e_fail "the settings file does not hold the fare folder $fares"
grep -qaF "$chime" "$settings" || e2e_fail "the settings file does not hold the sound $chime"
cp "$settings" "$shots/saved.in4"

# ---- starting again in the same folder ----
e2e_start_program
board=$(e2e_window 429x234) || e2e_fail "the board did not show after the restart (a message box about the settings file?)"
panel=$(e2e_named_window 集中操作盤)
e2e_wait_position "$board" 200,100 "after the restart the board"
for _ in $(seq 40); do [ "$(e2e_geometry "$panel" size)" = 594x173 ] && break; sleep 0.05; done
[ "$(e2e_geometry "$panel" size)" = 594x173 ] ||
  e2e_fail "after the restart the panel is $(e2e_geometry "$panel" size), not 594x173 with the preview open"
crop_all after

failed=""
for part in board panel options0 options1 options2 options4 format; do
  n=$(e2e_differing_pixels "$shots/before-$part.png" "$shots/after-$part.png")
  if [ "$n" = size ]; then
    failed+=$'\n'"  $part: after the restart its size differs from before the close"
  elif ! [[ $n =~ ^[0-9]+$ ]] || [ "$n" -gt "$tolerance" ]; then
    failed+=$'\n'"  $part: after the restart ${n:-an unknown number of} pixels differ from before the close"
  fi
  n=$(e2e_differing_pixels "$shots/first-$part.png" "$shots/before-$part.png")
  [ "$n" = size ] || { [[ $n =~ ^[0-9]+$ ]] && [ "$n" -gt $((tolerance * 10)) ]; } ||
    failed+=$'\n'"  $part: only ${n:-an unknown number of} pixels differ from the first start, so the change did not happen"
done
[ -z "$failed" ] || e2e_fail "not as set before the close:$failed"$'\n'"  (first-, before- and after-*.png in $shots)"

# The panel comes back where it was closed.
read -r x y _ <<<"$(e2e_client "$panel")"
[ "$x,$y" = "$panel_x,$panel_y" ] || e2e_fail "after the restart the panel is at $x,$y, not $panel_x,$panel_y"

[ -n "${E2E_SHOTS:-}" ] || rm -rf "$shots"
echo "settings e2e: all checks passed"
