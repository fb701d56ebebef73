# Shared by the end-to-end driver and the benchmarks that need a display: a
# display of our own with a window manager, the program started on it,
# screenshots and pixel reading. Sourced; expects E2E_PROGRAM to name the
# built program.

# With E2E_SHOTS set, the screen as it was at the failure is kept there.
e2e_fail() {
  echo "FAIL: ${E2E_SCENARIO:+$E2E_SCENARIO: }$*" >&2
  if [ -n "${E2E_SHOTS:-}" ] && [ -n "${E2E_XVFB:-}" ]; then import -window root "$E2E_SHOTS/failure.png" 2>/dev/null || true; fi
  exit 1
}

# Every command the checks use, with the Debian package that brings it: a
# missing one fails at once with one line saying what to install, not later
# with a check that cannot tell why. Runs no command itself, so that it can be
# tried with a PATH that lacks some.
e2e_require_tools() {
  local pair
  for pair in Xvfb:xvfb openbox:openbox xdotool:xdotool wmctrl:wmctrl xwininfo:x11-utils xprop:x11-utils \
              import:imagemagick convert:imagemagick compare:imagemagick identify:imagemagick \
              python3:python3 awk:mawk; do
    command -v "${pair%%:*}" >/dev/null 2>&1 ||
      { echo "FAIL: the command ${pair%%:*} is missing: install the Debian package ${pair#*:}" >&2; exit 1; }
  done
}

# Starts Xvfb (black root) on a free display, which it names once it takes
# clients, and openbox; both are stopped on exit, with the program.
e2e_start_display() {
  local display
  e2e_require_tools
  coproc xvfb { exec Xvfb -displayfd 1 -screen 0 1024x768x24 -br -nolisten tcp 2>/dev/null; }
  E2E_XVFB=$xvfb_PID
  trap 'e2e_stop_program; kill ${E2E_WM:-} $E2E_XVFB 2>/dev/null || true' EXIT
  read -r -t 10 display <&"${xvfb[0]}" || e2e_fail "Xvfb did not start"
  export DISPLAY=":$display" QT_QPA_PLATFORM=xcb
  openbox >/dev/null 2>&1 &
  E2E_WM=$!
  sleep 0.5
}

# Ends the program, waited for so that its windows are gone, and removes its folder.
e2e_stop_program() {
  if [ -n "${E2E_APP:-}" ]; then { kill "$E2E_APP"; wait "$E2E_APP"; } 2>/dev/null || true; fi
  if [ -n "${E2E_HOME:-}" ]; then rm -rf "$E2E_HOME"; fi
  E2E_APP="" E2E_HOME=""
}

# Starts the program from a copy of it in a folder of its own (made at the
# first start unless made before), which is also its home: the settings file
# follows the program's path, so a run never reads or replaces the build's. A
# later call starts the same copy in the same folder again, as a user
# restarting it would.
e2e_new_home() { E2E_HOME=$(mktemp -d); cp "$E2E_PROGRAM" "$E2E_HOME/"; }
e2e_start_program() {
  [ -n "${E2E_HOME:-}" ] || e2e_new_home
  (cd "$E2E_HOME" && HOME=$E2E_HOME XDG_CONFIG_HOME=$E2E_HOME/.config exec "$E2E_HOME/${E2E_PROGRAM##*/}") >>"$E2E_HOME/out.log" 2>&1 &
  E2E_APP=$!
}

# e2e_poll TIMES COMMAND...: runs the command every 50 ms until it succeeds.
e2e_poll() {
  local n=$1
  shift
  for _ in $(seq "$n"); do "$@" && return 0; sleep 0.05; done
  return 1
}

# Running, not ended (an ended child stays a zombie until waited for).
e2e_running() { local state; state=$(ps -o stat= -p "$E2E_APP") && [ "${state:0:1}" != Z ]; }
e2e_ended() { ! e2e_running; }

# e2e_wait_exit SECONDS: waits for the program to end and leaves its exit
# status in E2E_STATUS. Not in a subshell: only this shell can collect its child.
e2e_wait_exit() {
  e2e_poll $(($1 * 20)) e2e_ended || e2e_fail "the program still runs $1 s after it was asked to end"
  wait "$E2E_APP" && E2E_STATUS=0 || E2E_STATUS=$?
  E2E_APP=""
}

# e2e_window WxH|TITLE: the program's visible window of that size or title,
# waited for up to 20 s (a start on a busy machine can take a while).
e2e_find_window() {
  local id
  for id in $(xdotool search --all --onlyvisible --pid "$E2E_APP" 2>/dev/null); do
    [ "$(e2e_geometry "$id" size)" = "$1" ] || [ "$(xdotool getwindowname "$id")" = "$1" ] && { echo "$id"; return 0; }
  done
  return 1
}
e2e_window() { e2e_poll 400 e2e_find_window "$1" || e2e_fail "no window \"$1\" appeared"; }

# e2e_geometry ID position|size -> "X,Y" (the frame counted in) or "WxH"
e2e_geometry() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  if [ "$2" = size ]; then echo "${WIDTH}x$HEIGHT"; else echo "$X,$Y"; fi
}
e2e_at() { [ "$(e2e_geometry "$1" "$2")" = "$3" ]; }
# e2e_wait_geometry ID position|size VALUE WHAT: waits up to 2 s for the
# window to get there (the window manager may still be carrying out a move).
e2e_wait_geometry() { e2e_poll 40 e2e_at "$1" "$2" "$3" || e2e_fail "$4 has $2 $(e2e_geometry "$1" "$2"), not $3"; }

e2e_hidden() { ! xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; }
e2e_wait_closed() { e2e_poll 100 e2e_hidden "$1" || e2e_fail "$2 did not close"; }

# e2e_client ID -> "X Y W H": the window's own area on the screen, without the frame.
e2e_client() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 }
                           /Width:/ { w = $2 } /Height:/ { h = $2 } END { print x, y, w, h }'
}

e2e_screenshot() { import -window root "$1"; }

# e2e_count_pixels FILE X Y W H R G B TOLERANCE -> how many pixels of the area
# are within TOLERANCE of the colour in every channel.
e2e_count_pixels() {
  convert "$1" -crop "$4x$5+$2+$3" +repage -depth 8 txt:- |
    awk -v r="$6" -v g="$7" -v b="$8" -v t="$9" -F'[(),]' 'function abs(v) { return v < 0 ? -v : v }
      NR > 1 && abs($3 - r) <= t && abs($4 - g) <= t && abs($5 - b) <= t { n++ } END { print n + 0 }'
}

# e2e_crop ID FILE: the window's own area from a screenshot, once two shots in
# a row agree (or after 3 s), so a repaint in flight is not caught half done.
e2e_crop() {
  local x y w h previous
  previous=$(mktemp --suffix=.png)
  for _ in $(seq 15); do
    read -r x y w h <<<"$(e2e_client "$1")"
    import -window root -crop "${w}x$h+$x+$y" +repage "$2"
    [ -s "$previous" ] && [ "$(e2e_differing_pixels "$2" "$previous")" = 0 ] && break
    cp "$2" "$previous"
    sleep 0.2
  done
  rm -f "$previous"
}

# e2e_differing_pixels A B -> how many pixels differ; pictures not of one
# size differ in all of them (a million, more than any window has).
e2e_differing_pixels() {
  [ "$(identify -format '%wx%h' "$1")" = "$(identify -format '%wx%h' "$2")" ] || { echo 1000000; return 0; }
  compare -metric AE "$1" "$2" null: 2>&1 | sed 's/ .*//' || true
}
