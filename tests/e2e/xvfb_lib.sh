# Shared by the Xvfb tests (sourced): a scratch folder with the game's settings of this run
# alone, Xvfb servers on free displays, the jwm window manager, and everything ended on exit.
# The sourcing script sets test_name first; `fail` prints it with the game's output.
work=$(mktemp -d)
# Never the player's settings; F11 and resizing write these back.
export XDG_CONFIG_HOME="$work/config"
servers=()
helpers=()
trap 'kill "${pid:-}" "${helpers[@]}" 2>/dev/null || true; kill "${servers[@]}" 2>/dev/null || true; rm -rf "$work"' EXIT

# start_x SIZE: a new Xvfb on a free display with one screen of SIZE (WxH); sets DISPLAY once
# the server answers. On a busy machine a server can be slow to come up: waits up to 20 s.
start_x() {
  rm -f "$work/display"
  Xvfb -displayfd 3 -screen 0 "${1}x24" -nolisten tcp 3>"$work/display" >>"$work/xvfb.log" 2>&1 &
  servers+=($!)
  for _ in $(seq 200); do grep -q '^[0-9][0-9]*$' "$work/display" 2>/dev/null && break; sleep 0.1; done
  grep -q '^[0-9][0-9]*$' "$work/display" 2>/dev/null || fail "Xvfb named no display: $(cat "$work/xvfb.log")"
  export DISPLAY=":$(head -n 1 "$work/display")"
  for _ in $(seq 200); do xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.1; done
  fail "Xvfb on $DISPLAY does not answer: $(cat "$work/xvfb.log")"
}

# start_wm: jwm on DISPLAY, once it manages the screen; started again when it could not
# connect. jwm names itself (_NET_SUPPORTING_WM_CHECK) before it publishes its list of the
# windows it manages (_NET_CLIENT_LIST); a window mapped between the two was seen never to be
# managed, under load, so the list is waited for too.
start_wm() {
  command -v jwm >/dev/null || fail "jwm (a small window manager) is missing: run scripts/setup.sh test"
  printf '<?xml version="1.0"?>\n<JWM><Desktops width="1" height="1"/></JWM>\n' >"$work/jwmrc"
  for _ in 1 2 3; do
    jwm -f "$work/jwmrc" >"$work/wm.log" 2>&1 &
    servers+=($!)
    for _ in $(seq 100); do
      xprop -root _NET_SUPPORTING_WM_CHECK _NET_CLIENT_LIST 2>/dev/null |
        grep -c '^_NET_SUPPORTING_WM_CHECK(WINDOW)\|^_NET_CLIENT_LIST(WINDOW)' | grep -qx 2 &&
        return 0
      kill -0 "${servers[-1]}" 2>/dev/null || continue 2
      sleep 0.1
    done
    break
  done
  fail "jwm did not start: $(cat "$work/wm.log")"
}

fail() { echo "$test_name: $*"; cat "$work/game.log" 2>/dev/null; exit 1; }
