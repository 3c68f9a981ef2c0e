#!/usr/bin/env bash
# The built game started headless from outside its folder: it finds its content from any working
# directory and keeps what it writes in the player's folder; a folder without content gets a
# message naming it and exit code 1; a player's folder that cannot be made still lets it play.
# Usage: start_up.sh GAME_DIR
set -u
GAME_DIR=$1
WORK=$(mktemp -d)
GAME_PID=
trap '[ -n "$GAME_PID" ] && kill $GAME_PID 2>/dev/null; rm -rf "$WORK"' EXIT
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
unset DISPLAY WAYLAND_DISPLAY TAVIMORA_DATA_DIR
FAILED=0
fail() { echo "FAIL: $*"; FAILED=1; }

# A copy of the game folder as a fresh build leaves it (no best score kept beside the content).
mkdir -p "$WORK/game" "$WORK/elsewhere" "$WORK/empty" "$WORK/tmp"
cp -r "$GAME_DIR/tavimora" "$GAME_DIR/content" "$WORK/game/"
rm -f "$WORK/game/content/levels/scr.dat" "$WORK/game/content/art/temp.pcx"

# start_until PATTERN ENV...: starts the game from $WORK/elsewhere and waits until a file matches
# PATTERN or the game ends; true when one appeared while the game ran. The game is then stopped.
start_until() {
  local pattern=$1
  shift
  (cd "$WORK/elsewhere" && exec env "$@" "$WORK/game/tavimora" 2>"$WORK/stderr") &
  GAME_PID=$!
  local appeared=1
  for _ in $(seq 600); do
    compgen -G "$pattern" >/dev/null && { appeared=0; break; }
    kill -0 $GAME_PID 2>/dev/null || break
    sleep 0.1
  done
  kill -0 $GAME_PID 2>/dev/null || appeared=1
  kill $GAME_PID 2>/dev/null
  wait $GAME_PID 2>/dev/null
  GAME_PID=
  return $appeared
}

# From another working directory: the images load (through the loader's temporary file, which is
# the player's), and nothing is written where the game was started.
start_until "$WORK/data/tavimora/temp.pcx" XDG_DATA_HOME="$WORK/data" ||
  fail "did not start from another folder with its files in the player's folder: $(cat "$WORK/stderr")"
[ -z "$(ls -A "$WORK/elsewhere")" ] || fail "wrote into the working directory: $(ls -A "$WORK/elsewhere")"
[ ! -e "$WORK/game/content/art/temp.pcx" ] || fail "wrote into the game's folder"

# A player's folder that cannot be made (its parent is a file, which stops root too): the game
# says so and plays on, with its files in a private temporary folder.
start_until "$WORK/tmp/tavimora-*/temp.pcx" XDG_DATA_HOME=/dev/null/data TMPDIR="$WORK/tmp" ||
  fail "did not play on without a player's folder: $(cat "$WORK/stderr")"
grep -q "cannot make the folder for saved scores" "$WORK/stderr" || fail "no message: $(cat "$WORK/stderr")"

# A folder without content, named on the command line or in the environment.
for how in option variable; do
  if [ $how = option ]; then
    (cd "$WORK/elsewhere" && "$WORK/game/tavimora" --data-dir ../empty) 2>"$WORK/stderr"
  else
    (cd "$WORK/elsewhere" && TAVIMORA_DATA_DIR="$WORK/empty" "$WORK/game/tavimora") 2>"$WORK/stderr"
  fi
  code=$?
  [ $code -eq 1 ] || fail "$how: exit code $code for a folder without content"
  grep -q "$WORK/empty" "$WORK/stderr" || fail "$how: the message does not name the folder: $(cat "$WORK/stderr")"
done

if [ $FAILED -ne 0 ]; then echo "0 passed, 1 failed"; exit 1; fi
echo "1 passed, 0 failed"
