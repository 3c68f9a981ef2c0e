#!/usr/bin/env bash
# Smoke test of the real game in a real window under Xvfb with a window manager: the window
# appears with a first frame that is not blank, F11 makes it full screen and F11 again gives the
# window back at its size, closing it ends the process with exit code 0 and no error output.
# Usage: smoke.sh GAME_DIR PROBE OUT_DIR
set -u
GAME_DIR=$1 PROBE=$2 OUT=$3
mkdir -p "$OUT"
WORK=$(mktemp -d)
trap 'kill $GAME_PID $WM_PID $XVFB_PID 2>/dev/null; rm -rf "$WORK"' EXIT
cp -r "$GAME_DIR/tavimora" "$GAME_DIR/content" "$WORK/"

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$WORK/display" 2>/dev/null &
XVFB_PID=$!
for _ in $(seq 100); do [ -s "$WORK/display" ] && break; sleep 0.05; done
export DISPLAY=:$(cat "$WORK/display")
openbox >/dev/null 2>&1 &
WM_PID=$!
# The game must not map its window while the window manager is still starting: a map request
# that falls between the two is lost, and the window never appears.
for _ in $(seq 200); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
  sleep 0.05
done

cd "$WORK"
unset SDL_VIDEODRIVER
SDL_AUDIODRIVER=dummy XDG_DATA_HOME="$WORK/player-data" ./tavimora >"$WORK/stdout" 2>"$WORK/stderr" &
GAME_PID=$!

if ! FIRST_MS=$("$PROBE" wait Tavimora 30); then
  echo "FAIL: no window with a picture appeared"; cat "$WORK/stderr"; exit 1
fi
echo "first frame shown after ${FIRST_MS} ms"
sleep 1
COLOURS=$("$PROBE" shot Tavimora "$OUT/title.ppm")
echo "title screen: $COLOURS colours (picture in $OUT/title.ppm)"
if [ "${COLOURS:-0}" -lt 200 ]; then echo "FAIL: the title looks blank"; exit 1; fi

geometry() { xdotool getwindowgeometry "$WIN" | awk '/Geometry/ {print $2}'; }
WIN=$(xdotool search --name '^Tavimora$' | head -1)
xdotool windowactivate --sync "$WIN" 2>/dev/null
BEFORE=$(geometry)
switched() {  # waits for the window to reach the size $1
  for _ in $(seq 100); do [ "$(geometry)" = "$1" ] && return 0; sleep 0.05; done
  return 1
}
xdotool key F11
if ! switched 1280x1024; then echo "FAIL: F11 left the window at $(geometry), not full screen"; exit 1; fi
xdotool key F11
if ! switched "$BEFORE"; then echo "FAIL: leaving full screen gave $(geometry), not $BEFORE"; exit 1; fi
echo "F11 switched $BEFORE -> 1280x1024 -> $BEFORE"
# Closed while full screen, the game remembers full screen and the window's size.
xdotool key F11
if ! switched 1280x1024; then echo "FAIL: F11 did not switch to full screen again"; exit 1; fi

"$PROBE" close Tavimora
# A loaded machine may take a while to wind down; a hang shows where each thread waits.
for _ in $(seq 600); do kill -0 $GAME_PID 2>/dev/null || break; sleep 0.05; done
if kill -0 $GAME_PID 2>/dev/null; then
  echo "FAIL: the game did not end within 30 s after its window closed"
  for t in /proc/$GAME_PID/task/*; do
    echo "  thread $(cat "$t/comm" 2>/dev/null): state $(awk '{print $3}' "$t/stat" 2>/dev/null), waits in $(cat "$t/wchan" 2>/dev/null)"
  done
  cat "$WORK/stderr"
  exit 1
fi
wait $GAME_PID; CODE=$?
if [ $CODE -ne 0 ]; then echo "FAIL: exit code $CODE"; cat "$WORK/stderr"; exit 1; fi
if [ -s "$WORK/stderr" ]; then echo "FAIL: error output:"; cat "$WORK/stderr"; exit 1; fi
SETTINGS=$(tr '\n' ' ' <"$WORK/player-data/tavimora/settings.txt")
if [ "$SETTINGS" != "fullscreen=1 window=$BEFORE music=on effects=on volume=8 pauseaway=on " ]; then
  echo "FAIL: the settings kept were '$SETTINGS'"; exit 1
fi
echo "1 passed, 0 failed"
