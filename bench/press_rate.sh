#!/usr/bin/env bash
# Whether the real game takes every press, as a player's mouse gives them: the game in a real
# window under Xvfb with openbox, presses made with xdotool and held 20, 80 or 150 ms, each at
# least 0.4 s after the screen appeared (past its click guard). A press counts as taken when the
# window's picture changes (the whole window on the menus, the board on the playing screen).
# Prints the share taken per screen and hold; where gnome-mahjongg is installed, the same for a
# press on its tiles. Takes a few minutes; not part of the test command.
# Usage: bench/press_rate.sh [BUILD_DIR] [ROUNDS]        (BUILD_DIR: build/release, ROUNDS: 6)
set -u
BUILD=${1:-build/release}
ROUNDS=${2:-6}
. "$(dirname "$0")/x_session.sh"
HOLDS=(20 80 150)
declare -A TAKEN TRIED
SCREENS=()

# watch NAME X Y W H: starts the probe on that window rectangle and waits until it is ready.
watch() {
  "$PROBE" change "$1" "$2" "$3" "$4" "$5" 2 >"$WORK/change" 2>/dev/null &
  WATCH_PID=$!
  for _ in $(seq 200); do grep -q ready "$WORK/change" && return; sleep 0.01; done
}

# tally SCREEN HOLD: waits for the probe and counts the press as taken or not.
tally() {
  local key="$1|$2"
  [ -n "${TRIED[$key]+x}" ] || { TRIED[$key]=0; TAKEN[$key]=0; }
  [[ " ${SCREENS[*]} " == *" $1 "* ]] || SCREENS+=("$1")
  TRIED[$key]=$((TRIED[$key] + 1))
  if wait "$WATCH_PID"; then TAKEN[$key]=$((TAKEN[$key] + 1)); fi
}

# press SCREEN FX FY HOLD [board]: a press on that frame pixel, held HOLD ms; the whole window
# or only the board is watched for the change.
press() {
  sleep 0.4
  screen_point "$2" "$3"
  xdotool mousemove "$SX" "$SY"
  sleep 0.05
  local win
  win=$(xdotool search --name '^Tavimora$' | head -1)
  if [ "${5:-}" = board ]; then
    screen_point 80 100; local bx=$((SX - WX)) by=$((SY - WY))
    screen_point 970 760; watch Tavimora "$bx" "$by" $((SX - WX - bx)) $((SY - WY - by))
    screen_point "$2" "$3"
  else
    watch Tavimora 0 0 "$WW" "$WH"
  fi
  xdotool mousedown 1 sleep "$(awk -v h="$4" 'BEGIN {print h / 1000}')" mouseup 1
  tally "$1" "$4"
}

# One round: every screen once, each press held as long as the round's turn gives.
round() {
  local r=$1 i=0
  hold() { echo "${HOLDS[$(( (r + i++) % 3 ))]}"; }
  press title 500 700 "$(hold)"
  press "menu HELP" 512 384 "$(hold)"
  press help 500 400 "$(hold)"
  press title 500 700 "$(hold)"
  press "menu NEW GAME" 512 263 "$(hold)"
  press "difficulty EASY" 512 263 "$(hold)"
  for _ in 1 2 3 4; do press tile 467 171 "$(hold)" board; done
  press HINT 942 41 "$(hold)" board
  sleep 0.3
  xdotool key Escape
  sleep 0.8
}

echo "Presses under Xvfb 1280x1024 with openbox, held ${HOLDS[*]} ms, ${ROUNDS} rounds."
start_x 1280x1024 wm
start_game --window
sleep 1.5
for r in $(seq "$ROUNDS"); do round "$r"; done
stop_all

printf '%-18s' screen; for h in "${HOLDS[@]}"; do printf '%12s' "$h ms"; done; echo
for s in "${SCREENS[@]}"; do
  printf '%-18s' "$s"
  for h in "${HOLDS[@]}"; do
    k="$s|$h"; printf '%12s' "${TAKEN[$k]:-0}/${TRIED[$k]:-0}"
  done
  echo
done

# gnome-mahjongg: a press on the top tile in the middle of its board selects it, the next one
# lets it go; each must change the picture.
path=$(command -v gnome-mahjongg || ls /usr/games/gnome-mahjongg 2>/dev/null) || exit 0
start_x 1280x1024 wm
HOME="$WORK" "$path" >/dev/null 2>&1 &
APP_PID=$!
sleep 4
win=$(xdotool search --onlyvisible --name 'Mahjongg' | head -1)
[ -n "$win" ] || { echo "gnome-mahjongg: no window"; exit 0; }
name=$(xdotool getwindowname "$win")
read -r GX GY GW GH < <(xdotool getwindowgeometry "$win" |
  awk '/Position/ {split($2, p, ",")} /Geometry/ {split($2, g, "x")} END {print p[1], p[2], g[1], g[2]}')
taken=0 tried=0
for h in "${HOLDS[@]}" "${HOLDS[@]}" "${HOLDS[@]}" "${HOLDS[@]}"; do
  sleep 0.4
  xdotool mousemove $((GX + GW / 2)) $((GY + GH / 2 + 10))
  watch "$name" $((GW / 4)) $((GH / 4)) $((GW / 2)) $((GH / 2))
  xdotool mousedown 1 sleep "$(awk -v h="$h" 'BEGIN {print h / 1000}')" mouseup 1
  tried=$((tried + 1)); wait "$WATCH_PID" && taken=$((taken + 1))
done
echo "gnome-mahjongg tiles: $taken/$tried taken (holds ${HOLDS[*]} ms)"
