# Working the program from outside on the session's X display, as a person at the screen would:
# sourced after env.sh, not run. Each wait is on a state, and bounded.

# Waits up to $1 tenths of a second for the command after it to succeed.
poll() {
  local tenths=$1 _
  shift
  for _ in $(seq "$tenths"); do
    "$@" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  "$@" >/dev/null 2>&1
}

# The visible windows whose name (or, with --class, program) matches $1, one id a line; fails on none.
visible_windows() {
  local by=--name
  [ "$1" = --class ] && by=--class && shift
  xdotool search --onlyvisible "$by" "$1" | grep .
}

# Wine's own tray window, shown with the first icon: titled "Wine System Tray" under Wine 8, untitled
# under Wine 10, the only window explorer.exe shows until a tip comes up.
tray_window() { visible_windows '^Wine System Tray$' || visible_windows --class '^explorer\.exe$'; }

# Starts the program at $1 and waits for its icon. Leaves the tray window's id in $tray.
start_in_tray() {
  $wine "$1" >/dev/null 2>&1 &
  if ! poll 300 tray_window; then
    echo "the program's icon did not appear in the tray" >&2
    return 1
  fi
  tray=$(tray_window | head -1)
}

# Clicks button $1 on the icon $2 times. The icon is the tray's only one, in the first 20-pixel slot of
# the row under Wine's caption bar, so the click reaches the program through its own tray callback.
click_tray_icon() {
  local WINDOW X Y WIDTH HEIGHT SCREEN
  eval "$(xdotool getwindowgeometry --shell "$tray")"
  xdotool mousemove --sync $((X + 14)) $((Y + HEIGHT - 14)) click --repeat "$2" --delay 100 "$1"
}

# True once the icon's tip, the tray's only other window, is not shown.
tray_tip_hidden() { [ -z "$(visible_windows --class '^explorer\.exe$' | grep -vx "$tray")" ]; }

# Saves the screen area that holds the windows $2... to the picture $1, once two grabs in a row agree:
# a window that has just been mapped may not be painted yet.
grab_windows() {
  local out=$1 dir previous current left=100000 top=100000 right=0 bottom=0 id _
  local WINDOW X Y WIDTH HEIGHT SCREEN
  shift
  for id in "$@"; do
    eval "$(xdotool getwindowgeometry --shell "$id")"
    left=$((X < left ? X : left)) top=$((Y < top ? Y : top))
    right=$((X + WIDTH > right ? X + WIDTH : right)) bottom=$((Y + HEIGHT > bottom ? Y + HEIGHT : bottom))
  done
  dir=$(mktemp -d)
  for _ in $(seq 50); do
    import -window root -crop "$((right - left))x$((bottom - top))+$left+$top" +repage "ppm:$dir/grab.ppm"
    current=$(md5sum <"$dir/grab.ppm")
    [ "$current" = "${previous:-}" ] && break
    previous=$current
    sleep 0.1
  done
  convert "$dir/grab.ppm" "$out"
  rm -rf "$dir"
}
