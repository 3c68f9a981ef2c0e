#!/usr/bin/env bash
# The time from the start of the process to its first frame shown (a window whose picture is not
# blank), under Xvfb with software rendering, as bench/window_cpu.sh measures it once: here over
# RUNS starts, each in a fresh X server, with each figure and their minimum and median.
# Usage: bench/first_frame.sh [BUILD_DIR] [RUNS]      (BUILD_DIR: build/release, RUNS: 10)
set -u
BUILD=${1:-build/release}
RUNS=${2:-10}
GAME_DIR="$BUILD/game"
PROBE="$BUILD/tests/smoke/x11_probe"
for f in "$GAME_DIR/tavimora" "$PROBE"; do
  [ -x "$f" ] || { echo "missing $f: build the game and x11_probe first"; exit 1; }
done
WORK=$(mktemp -d)
XVFB_PID="" APP_PID=""
trap 'for p in $APP_PID $XVFB_PID; do kill "$p" 2>/dev/null; wait "$p" 2>/dev/null; done; rm -rf "$WORK"' EXIT
export SDL_AUDIODRIVER=dummy
unset SDL_VIDEODRIVER

TIMES=()
for _ in $(seq "$RUNS"); do
  rm -f "$WORK/display"
  rm -rf "$WORK/data"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$WORK/display" 2>/dev/null &
  XVFB_PID=$!
  for _ in $(seq 100); do [ -s "$WORK/display" ] && break; sleep 0.05; done
  export DISPLAY=:$(cat "$WORK/display")
  (cd "$GAME_DIR" && XDG_DATA_HOME="$WORK/data" exec ./tavimora --window) >/dev/null 2>&1 &
  APP_PID=$!
  ms=$("$PROBE" wait Tavimora 30) || { echo "no window appeared"; exit 1; }
  TIMES+=("$ms")
  for p in $APP_PID $XVFB_PID; do kill "$p"; wait "$p" 2>/dev/null; done
  APP_PID="" XVFB_PID=""
done
echo "start of the process to the first frame shown, ms: ${TIMES[*]}"
printf '%s\n' "${TIMES[@]}" | sort -n |
  awk '{ v[NR] = $1 } END { printf "min %d  median %d  max %d  (%d runs)\n", v[1], v[int((NR + 1) / 2)], v[NR], NR }'
