# Shared by the end-to-end checks: a display of our own with a window
# manager, the program started on it, screenshots and pixel reading.
# Sourced; expects E2E_PROGRAM to name the built program.

# With E2E_SHOTS set, the screen as it was at the failure is kept there.
e2e_fail() {
  echo "FAIL: $*" >&2
  if [ -n "${E2E_SHOTS:-}" ] && [ -n "${E2E_XVFB:-}" ]; then import -window root "$E2E_SHOTS/failure.png" 2>/dev/null || true; fi
  exit 1
}

# Every command the checks use, with the Debian package that brings it: a
# missing one fails at once with one line saying what to install, not later
# with a check that cannot tell why.
e2e_require_tools() {
  local pair
  for pair in Xvfb:xvfb openbox:openbox xdotool:xdotool wmctrl:wmctrl xwininfo:x11-utils xprop:x11-utils \
              import:imagemagick convert:imagemagick compare:imagemagick identify:imagemagick \
              python3:python3 awk:mawk; do
    command -v "${pair%%:*}" >/dev/null 2>&1 ||
      { echo "FAIL: the command ${pair%%:*} is missing: install the Debian package ${pair#*:}" >&2; exit 1; }
  done
}

# Starts Xvfb (black root) and openbox; both are stopped on exit.
e2e_start_display() {
  local display
  e2e_require_tools
  for _ in $(seq 20); do
    display=$((200 + RANDOM % 700))
    [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ] || break
  done
  Xvfb ":$display" -screen 0 1024x768x24 -br -nolisten tcp >/dev/null 2>&1 &
  E2E_XVFB=$!
  export DISPLAY=":$display" QT_QPA_PLATFORM=xcb
  for _ in $(seq 100); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.05; done
  xdotool getdisplaygeometry >/dev/null 2>&1 || e2e_fail "Xvfb did not start"
  openbox >/dev/null 2>&1 &
  E2E_WM=$!
  trap e2e_stop EXIT
  sleep 0.5
}

# Each step runs even when an earlier one finds its process already gone
# (under set -e a failed kill would otherwise end the clean-up early).
e2e_stop() {
  if [ -n "${E2E_APP:-}" ]; then kill "$E2E_APP" 2>/dev/null || true; fi
  if [ -n "${E2E_WM:-}" ]; then kill "$E2E_WM" 2>/dev/null || true; fi
  if [ -n "${E2E_XVFB:-}" ]; then kill "$E2E_XVFB" 2>/dev/null || true; fi
  if [ -n "${E2E_HOME:-}" ]; then rm -rf "$E2E_HOME"; fi
  return 0
}

# Starts the program from a copy of it in the test's own folder, created at
# the first start with a fresh home: the settings file follows the program's
# path, so a run never reads or replaces the build's. A later call starts the
# same copy in the same folder again, as a user restarting it would.
e2e_start_program() {
  if [ -z "${E2E_HOME:-}" ]; then
    E2E_HOME=$(mktemp -d)
    cp "$E2E_PROGRAM" "$E2E_HOME/"
  fi
  local program
  program="$E2E_HOME/$(basename "$E2E_PROGRAM")"
  (cd "$E2E_HOME" && HOME="$E2E_HOME" XDG_CONFIG_HOME="$E2E_HOME/.config" exec "$program") >>"$E2E_HOME/out.log" 2>&1 &
  E2E_APP=$!
}

# Where the running copy keeps its settings.
e2e_settings_file() { echo "$E2E_HOME/$(basename "$E2E_PROGRAM" | sed 's/\.[^.]*$//').in4"; }

# Running, not ended (an ended child stays a zombie until waited for).
e2e_running() {
  local state
  state=$(ps -o stat= -p "$E2E_APP" 2>/dev/null) && [ "${state:0:1}" != Z ]
}

# e2e_wait_exit SECONDS: waits for the program to end and leaves its exit
# status in E2E_STATUS; fails when it still runs after that long. Not in a
# subshell: only this shell can collect its child.
e2e_wait_exit() {
  local limit=${1:-5}
  for _ in $(seq $((limit * 20))); do e2e_running || break; sleep 0.05; done
  e2e_running && e2e_fail "the program still runs $limit s after it was asked to end"
  wait "$E2E_APP" && E2E_STATUS=0 || E2E_STATUS=$?
  E2E_APP=""
}

# The visible window of the program of the given size (WxH), waited for (up
# to 20 s: a start on a busy machine can take a while).
e2e_window() {
  local size=$1 id
  for _ in $(seq 400); do
    for id in $(xdotool search --onlyvisible --pid "$E2E_APP" 2>/dev/null); do
      [ "$(e2e_geometry "$id" size)" = "$size" ] && { echo "$id"; return 0; }
    done
    sleep 0.05
  done
  e2e_fail "no window of size $size appeared"
}

# e2e_geometry ID position|size -> "X,Y" or "WxH"
e2e_geometry() {
  local what=$1
  eval "$(xdotool getwindowgeometry --shell "$1")"
  case $2 in
    position) echo "$X,$Y" ;;
    size) echo "${WIDTH}x$HEIGHT" ;;
  esac
}

e2e_screenshot() { import -window root "$1"; }

# e2e_count_pixels FILE X Y W H R G B TOLERANCE -> how many pixels of the area
# are within TOLERANCE of the colour in every channel.
e2e_count_pixels() {
  convert "$1" -crop "$4x$5+$2+$3" +repage -depth 8 txt:- |
    awk -v r="$6" -v g="$7" -v b="$8" -v t="$9" -F'[(),]' '
      NR > 1 { dr = $3 - r; dg = $4 - g; db = $5 - b
               if (dr < 0) dr = -dr; if (dg < 0) dg = -dg; if (db < 0) db = -db
               if (dr <= t && dg <= t && db <= t) n++ }
      END { print n + 0 }'
}

# e2e_named_window TITLE: the visible window of the program with that title,
# waited for (dialogs come and go; their titles are fixed, their sizes are the
# style's).
e2e_named_window() {
  local id
  for _ in $(seq 200); do
    id=$(xdotool search --all --onlyvisible --pid "$E2E_APP" --name "^$1\$" 2>/dev/null | head -1) || true
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.05
  done
  e2e_fail "no window \"$1\" appeared"
}

# e2e_wait_closed ID WHAT: waits until the window is no longer shown.
e2e_wait_closed() {
  for _ in $(seq 100); do
    xwininfo -id "$1" 2>/dev/null | grep -q 'IsViewable' || return 0
    sleep 0.05
  done
  e2e_fail "$2 did not close"
}

# e2e_client ID -> "X Y W H": the window's own area on the screen, without the
# frame (xdotool's position counts the frame's extents in).
e2e_client() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 }
                           /Width:/ { w = $2 } /Height:/ { h = $2 } END { print x, y, w, h }'
}

# e2e_wait_position ID X,Y WHAT: waits up to 2 s for the window to get there
# (the window manager may still be carrying out a move).
e2e_wait_position() {
  for _ in $(seq 40); do
    [ "$(e2e_geometry "$1" position)" = "$2" ] && return 0
    sleep 0.05
  done
  e2e_fail "$3 is at $(e2e_geometry "$1" position), not $2"
}

# e2e_crop ID FILE: the window's own area from a screenshot, once two shots in
# a row agree (or after 3 s), so a repaint in flight is not caught half done.
e2e_crop() {
  local id=$1 out=$2 x y w h previous
  previous=$(mktemp --suffix=.png)
  for _ in $(seq 15); do
    read -r x y w h <<<"$(e2e_client "$id")"
    import -window root -crop "${w}x$h+$x+$y" +repage "$out"
    [ -s "$previous" ] && [ "$(e2e_differing_pixels "$out" "$previous")" = 0 ] && break
    cp "$out" "$previous"
    sleep 0.2
  done
  rm -f "$previous"
}

# e2e_differing_pixels A B -> how many pixels differ, or "size" when the
# pictures are not of one size.
e2e_differing_pixels() {
  local n
  [ "$(identify -format '%wx%h' "$1")" = "$(identify -format '%wx%h' "$2")" ] || { echo size; return 0; }
  n=$(compare -metric AE "$1" "$2" null: 2>&1) || true
  echo "${n%% *}"
}
