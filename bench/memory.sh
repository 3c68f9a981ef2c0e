#!/usr/bin/env bash
# The game's memory as a player sees it: the resident and proportional set size of the process
# at the untouched title and in a game (title -> NEW GAME -> EASY), in a real window under Xvfb
# with a window manager, over RUNS starts each in a fresh X server, with the median of each.
# LANGUAGE (a content code such as ja) starts the game in that language, as the settings keep it.
# Usage: [LANGUAGE=ja] bench/memory.sh [BUILD_DIR] [RUNS]      (BUILD_DIR: build/release, RUNS: 3)
set -u
BUILD=${1:-build/release}
RUNS=${2:-3}
. "$(dirname "$0")/x_session.sh"

pss_mb() { awk '/^Pss:/ {printf "%.1f\n", $2 / 1024}' "/proc/$1/smaps_rollup"; }
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

TITLE=() PLAYING=()
for _ in $(seq "$RUNS"); do
  rm -rf "$WORK/data"
  mkdir -p "$WORK/data/tavimora"
  [ -n "${LANGUAGE:-}" ] && printf 'language=%s\n' "$LANGUAGE" >"$WORK/data/tavimora/settings.txt"
  start_x 1280x1024 wm
  start_game --window
  sleep 2
  echo "title:   $(memory "$APP_PID")"
  TITLE+=("$(pss_mb "$APP_PID")")
  start_playing
  echo "playing: $(memory "$APP_PID")"
  PLAYING+=("$(pss_mb "$APP_PID")")
  stop_all
done
echo "language ${LANGUAGE:-en}, proportional set size, median of $RUNS runs:" \
  "title $(printf '%s\n' "${TITLE[@]}" | median) MB, playing $(printf '%s\n' "${PLAYING[@]}" | median) MB"
