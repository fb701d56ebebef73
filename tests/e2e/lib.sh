# Shared by the end-to-end checks: a display of our own with a window
# manager, the program started on it, screenshots and pixel reading.
# Sourced; expects E2E_PROGRAM to name the built program.

e2e_fail() { echo "FAIL: $*" >&2; exit 1; }

# Starts Xvfb (black root) and openbox; both are stopped on exit.
e2e_start_display() {
  local display
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

# Starts the program in a fresh working folder with a fresh home.
e2e_start_program() {
  E2E_HOME=$(mktemp -d)
  (cd "$E2E_HOME" && HOME="$E2E_HOME" XDG_CONFIG_HOME="$E2E_HOME/.config" exec "$E2E_PROGRAM") >"$E2E_HOME/out.log" 2>&1 &
  E2E_APP=$!
}

# The visible window of the program of the given size (WxH), waited for.
e2e_window() {
  local size=$1 id
  for _ in $(seq 200); do
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
