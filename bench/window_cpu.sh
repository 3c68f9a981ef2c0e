#!/usr/bin/env bash
# What the real game costs the machine while it shows a picture: the processor time of the game
# process and of the X server (Xvfb) over 20 s per case, read from /proc, as a percentage of one
# core (time on a processor from schedstat; the coarser tick counts in brackets). Cases: the
# untouched title screen with the music on and off, a game running with nothing clicked, the
# same at 1920 x 1080 full screen (scaled), the time from a click on a tile to its change on
# screen, and the time from the start of the process to its first frame. Each case also gives
# the game's resident and proportional set size at its end. The game picks its own presentation
# path; run with SDL_FRAMEBUFFER_ACCELERATION=1 to measure the OpenGL one instead.
# Where gnome-mahjongg or xmahjongg is installed, the same figures for it, in the same run.
# Takes a few minutes; not part of the test command.
# Usage: [BY_THREAD=1] bench/window_cpu.sh [BUILD_DIR] [SECONDS]      (BUILD_DIR: build/release)
set -u
BUILD=${1:-build/release}
SECS=${2:-20}
HZ=$(getconf CLK_TCK)
. "$(dirname "$0")/x_session.sh"

ticks() { awk '{print $14 + $15}' "/proc/$1/stat" 2>/dev/null || echo 0; }

# Nanoseconds on a processor, summed over the process's threads: exact, where the tick counts
# above are sampled at the clock tick and overcharge threads that wake briefly and often.
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ s += $1 } END { printf "%d\n", s }'; }

# With BY_THREAD set, each case also lists the process's threads: processor time in ms over the
# case (schedstat at the start is kept per thread in $WORK/threads).
by_thread() {
  local t
  for t in /proc/"$1"/task/*; do
    printf '    thread %-12s %8.1f ms\n' "$(cat "$t/comm")" \
      "$(awk -v id="${t##*/}" -v now="$(cut -d' ' -f1 "$t/schedstat")" \
        '$1 == id { was = $2 } END { print (now - was) / 1e6 }' "$WORK/threads")"
  done
}

thread_marks() {
  local t
  for t in /proc/"$1"/task/*; do echo "${t##*/} $(cut -d' ' -f1 "$t/schedstat")"; done >"$WORK/threads"
}

# measure NAME: processor time of APP_PID and XVFB_PID over SECS seconds, measured on the
# processor (schedstat) and, in brackets, from the tick counts (stat).
measure() {
  local a0 x0 a1 x1 na0 nx0 na1 nx1
  a0=$(ticks "$APP_PID"); x0=$(ticks "$XVFB_PID"); na0=$(cpu_ns "$APP_PID"); nx0=$(cpu_ns "$XVFB_PID")
  thread_marks "$APP_PID"
  sleep "$SECS"
  a1=$(ticks "$APP_PID"); x1=$(ticks "$XVFB_PID"); na1=$(cpu_ns "$APP_PID"); nx1=$(cpu_ns "$XVFB_PID")
  [ -n "${BY_THREAD:-}" ] && by_thread "$APP_PID"
  awk -v n="$1" -v a=$((a1 - a0)) -v x=$((x1 - x0)) -v na=$((na1 - na0)) -v nx=$((nx1 - nx0)) \
      -v hz="$HZ" -v s="$SECS" 'BEGIN {
    ga = 100 * na / 1e9 / s; gx = 100 * nx / 1e9 / s; ta = 100 * (a + x) / hz / s
    printf "%-44s process %5.2f %%  X server %5.2f %%  together %5.2f %% of one core  (ticks: %5.2f %%)\n", n, ga, gx, ga + gx, ta }'
  printf '%-44s %s\n' "" "$(memory "$APP_PID")"
}

# click_latency: a click on the top row's left tile of the first layout (always free) until
# the window shows it selected. The time includes starting xdotool, so it is an upper bound.
click_latency() {
  local t0 seen probe
  screen_point 467 171
  xdotool mousemove "$SX" "$SY"
  "$PROBE" change Tavimora $((SX - WX - 40)) $((SY - WY - 45)) 80 90 5 >"$WORK/change" &
  probe=$!
  for _ in $(seq 200); do grep -q ready "$WORK/change" && break; sleep 0.01; done
  t0=$(date +%s%3N)
  xdotool click 1
  wait "$probe"
  seen=$(tail -n +2 "$WORK/change")
  if [ -n "$seen" ]; then
    echo "a tile click shown on screen after at most $((seen - t0)) ms"
  else
    echo "a tile click: no change seen"
  fi
}

echo "Each case: ${SECS} s under Xvfb; presentation: SDL_FRAMEBUFFER_ACCELERATION=${SDL_FRAMEBUFFER_ACCELERATION:-unset, as the game chooses}."
rm -rf "$WORK/data"
start_x 1280x1024
start_game --window
echo "start of the process to the first frame shown: ${FIRST_MS} ms"
sleep 1
measure "tavimora: untouched title screen"
stop_all

# The same with the music turned off (M), as the settings keep it: no music to decode and mix.
mkdir -p "$WORK/data/tavimora"
printf 'music=off\n' >"$WORK/data/tavimora/settings.txt"
start_x 1280x1024
start_game --window
sleep 1
measure "tavimora: untouched title screen, music off"
stop_all
rm -rf "$WORK/data"

start_x 1280x1024
start_game --window
start_playing
measure "tavimora: playing, time bar running"
click_latency
stop_all

start_x 1920x1080 wm
start_game --fullscreen
start_playing
measure "tavimora: playing, 1920x1080 full screen"
stop_all

for other in gnome-mahjongg xmahjongg; do
  path=$(command -v "$other" || ls "/usr/games/$other" 2>/dev/null) || continue
  [ -n "$path" ] || continue
  start_x 1280x1024 wm
  HOME="$WORK" "$path" >/dev/null 2>&1 &
  APP_PID=$!
  sleep 4
  if ! kill -0 "$APP_PID" 2>/dev/null; then echo "$other: did not start"; stop_all; continue; fi
  measure "$other: untouched"
  stop_all
done
