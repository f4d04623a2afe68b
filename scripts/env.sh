# Shared settings for the scripts: sourced, not run.
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/tamarak/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
wine=/usr/lib/wine/wine64

# Starts a private Xvfb (TAMARAK_SCREEN sets its size; the default has room for every window at twice
# the scale, as the dpi tests show them) and, with "persistent", a wineserver that outlives each program
# (0.04 s a start instead of 2 s); stop_session ends both.
start_session() {
  # The server takes a free display itself and writes its number once it accepts connections, so two
  # runs on one machine (one of them in a root of another release, whose /tmp holds no lock files of
  # this one's) never share a server, and nothing here talks to a server it did not start.
  local number_file n=
  number_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "${TAMARAK_SCREEN:-1920x1200x24}" -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 300); do
    n=$(cat "$number_file")
    [ -n "$n" ] || ! kill -0 "$xvfb_pid" 2>/dev/null && break
    sleep 0.1
  done
  rm -f "$number_file"
  if [ -z "$n" ]; then
    echo "start_session: Xvfb did not start" >&2
    kill "$xvfb_pid" 2>/dev/null
    return 1
  fi
  export DISPLAY=:$n
  if [ "${1:-}" = persistent ]; then
    wineserver -p
    # The system services start with the first program and inherit its output; started here, they
    # hold no test's pipe open.
    $wine wineboot >/dev/null 2>&1 </dev/null
  fi
  session_started=1
}

stop_session() {
  [ -n "${session_started:-}" ] || return 0
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  kill "$xvfb_pid" 2>/dev/null || true
  wait "$xvfb_pid" 2>/dev/null || true
  session_started=
}
