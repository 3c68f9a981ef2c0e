# Shared by the window benches: a fresh X server (Xvfb, openbox when asked), the game started in
# it, and frame pixels turned into screen points. Source it; it sets WORK, XVFB_PID, WM_PID,
# APP_PID and exports DISPLAY. Needs BUILD set (the build folder); sets GAME_DIR and PROBE.
GAME_DIR="$BUILD/game"
PROBE="$BUILD/tests/smoke/x11_probe"
for f in "$GAME_DIR/tavimora" "$PROBE"; do
  [ -x "$f" ] || { echo "missing $f: build the game and x11_probe first"; exit 1; }
done
WORK=$(mktemp -d)
XVFB_PID="" WM_PID="" APP_PID=""
trap 'stop_all; rm -rf "$WORK"' EXIT
export SDL_AUDIODRIVER=dummy
unset SDL_VIDEODRIVER

stop_all() {
  for p in $APP_PID $WM_PID $XVFB_PID; do kill "$p" 2>/dev/null; wait "$p" 2>/dev/null; done
  APP_PID="" WM_PID="" XVFB_PID=""
}

# start_x SIZE [wm]: a fresh X server of that size, with openbox when asked.
start_x() {
  rm -f "$WORK/display"
  Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp 3>"$WORK/display" 2>/dev/null &
  XVFB_PID=$!
  for _ in $(seq 100); do [ -s "$WORK/display" ] && break; sleep 0.05; done
  export DISPLAY=:$(cat "$WORK/display")
  if [ "${2:-}" = wm ]; then openbox >/dev/null 2>&1 & WM_PID=$!; sleep 0.5; fi
}

start_game() {  # start_game ARGS...: the game, waiting for its first frame
  (cd "$GAME_DIR" && XDG_DATA_HOME="$WORK/data" exec ./tavimora "$@") >/dev/null 2>"$WORK/stderr" &
  APP_PID=$!
  FIRST_MS=$("$PROBE" wait Tavimora 30) || { echo "no window appeared"; cat "$WORK/stderr"; exit 1; }
}

# screen_point FX FY: sets WX WY (the window's corner), WW WH (its size) and SX SY (where frame
# pixel (FX, FY) is on the screen), however large the window is.
screen_point() {
  local win
  win=$(xdotool search --name '^Tavimora$' | head -1)
  read -r WX WY WW WH < <(xdotool getwindowgeometry "$win" |
    awk '/Position/ {split($2, p, ",")} /Geometry/ {split($2, g, "x")} END {print p[1], p[2], g[1], g[2]}')
  read -r SX SY < <(awk -v x="$1" -v y="$2" -v wx="$WX" -v wy="$WY" -v w="$WW" -v h="$WH" 'BEGIN {
    fw = w; fh = h
    if (w * 768 > h * 1024) fw = int(h * 1024 / 768); else fh = int(w * 768 / 1024)
    printf "%d %d\n", wx + int((w - fw) / 2) + int((x + 0.5) * fw / 1024), wy + int((h - fh) / 2) + int((y + 0.5) * fh / 768) }')
}

click() {  # click FX FY: a left click on that frame pixel
  screen_point "$1" "$2"
  xdotool mousemove "$SX" "$SY" click 1
}

# memory PID: resident and proportional set size in MB (smaps_rollup).
memory() {
  awk '/^Rss:/ {r = $2} /^Pss:/ {p = $2} END {printf "resident %5.1f MB  proportional %5.1f MB", r / 1024, p / 1024}' \
    "/proc/$1/smaps_rollup" 2>/dev/null
}

start_playing() {  # title -> NEW GAME -> EASY, then the game runs untouched
  sleep 1; click 500 700; sleep 0.8; click 512 263; sleep 0.8; click 512 263; sleep 2
  xdotool mousemove 0 0
}
