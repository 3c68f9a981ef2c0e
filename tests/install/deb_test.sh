#!/usr/bin/env bash
# The Debian package as a player gets it: built with cpack, unpacked into a scratch root, the
# installed program started under Xvfb from a scratch home folder, played through the menus to
# the playing screen and closed. The best score must land in the player's folder, nothing under
# the install root may change, and the window's class must be the one the menu entry names.
# Usage: deb_test.sh CPACK BUILD_DIR PROBE APP_ID
set -u
CPACK=$1 BUILD=$2 PROBE=$3 APP_ID=$4
OUT=$BUILD/install-test
WORK=$(mktemp -d)
XVFB_PID= GAME_PID=
trap 'kill $GAME_PID $XVFB_PID 2>/dev/null; rm -rf "$WORK"' EXIT
mkdir -p "$OUT"
fail() { echo "FAIL: $*"; [ -s "$WORK/stderr" ] && cat "$WORK/stderr"; echo "0 passed, 1 failed"; exit 1; }

"$CPACK" -G DEB --config "$BUILD/CPackConfig.cmake" -B "$WORK/package" >"$OUT/cpack.log" 2>&1 ||
  fail "cpack failed: $(tail -20 "$OUT/cpack.log")"
DEB=$(ls "$WORK"/package/*.deb 2>/dev/null | head -1)
[ -n "$DEB" ] || fail "cpack made no .deb"
DEPENDS=$(dpkg-deb -f "$DEB" Depends)
echo "Depends: $DEPENDS"
echo "$DEPENDS" | grep -q libsdl2 || fail "the dependencies were not computed from the program"

ROOT=$WORK/root
dpkg-deb -x "$DEB" "$ROOT" || fail "dpkg-deb -x failed"
for f in usr/bin/tavimora usr/share/tavimora/content/art/content.idx \
         usr/share/applications/$APP_ID.desktop usr/share/metainfo/$APP_ID.metainfo.xml \
         usr/share/man/man6/tavimora.6.gz; do
  [ -e "$ROOT/$f" ] || fail "the package lacks /$f"
done
for size in 16 32 48 64 128 256; do
  [ -e "$ROOT/usr/share/icons/hicolor/${size}x$size/apps/$APP_ID.png" ] || fail "no ${size}px icon"
done

# Every path under the root with its kind, mode, size and contents.
snapshot() { (cd "$ROOT" && find . -printf '%y %m %s %p\n' | sort && find . -type f -exec sha256sum {} + | sort); }
snapshot >"$WORK/before"

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$WORK/display" 2>/dev/null &
XVFB_PID=$!
for _ in $(seq 100); do [ -s "$WORK/display" ] && break; sleep 0.05; done
export DISPLAY=:$(cat "$WORK/display")

# As a desktop launcher starts it: from the home folder, by its installed path.
export HOME=$WORK/home XDG_DATA_HOME=$WORK/data
mkdir -p "$HOME"
unset SDL_VIDEODRIVER TAVIMORA_DATA_DIR
(cd "$HOME" && SDL_AUDIODRIVER=dummy exec "$ROOT/usr/bin/tavimora") >/dev/null 2>"$WORK/stderr" &
GAME_PID=$!
"$PROBE" wait Tavimora 60 >/dev/null || fail "no window appeared"

[ "$(readlink "/proc/$GAME_PID/cwd")" = "$ROOT/usr/share/tavimora" ] ||
  fail "works in $(readlink "/proc/$GAME_PID/cwd"), not the installed data folder"
WM_CLASS=$(xprop -name Tavimora WM_CLASS)
WANTED=$(sed -n 's/^StartupWMClass=//p' "$ROOT/usr/share/applications/$APP_ID.desktop")
echo "$WM_CLASS" | grep -q "\"$WANTED\"" || fail "window class $WM_CLASS, menu entry names $WANTED"

# Title, NEW GAME, EASY: the two menu buttons lie at the same spot, and the title takes a click
# anywhere. A new game stores the best score, which marks the playing screen.
WINDOW=$(xdotool search --onlyvisible --name '^Tavimora$' | head -1)
BEST=$XDG_DATA_HOME/tavimora/scr.dat
for _ in $(seq 60); do
  [ -e "$BEST" ] && break
  xdotool mousemove --window "$WINDOW" 512 263 click 1
  sleep 0.7
done
[ -e "$BEST" ] || fail "no best score under the player's folder after playing through the menus"
[ "$(stat -c %s "$BEST")" -eq 4 ] || fail "the best-score file is not four bytes"
sleep 1
COLOURS=$("$PROBE" shot Tavimora "$OUT/playing.ppm")
[ "${COLOURS:-0}" -ge 200 ] || fail "the playing screen looks blank"

"$PROBE" close Tavimora
for _ in $(seq 600); do kill -0 $GAME_PID 2>/dev/null || break; sleep 0.05; done
kill -0 $GAME_PID 2>/dev/null && fail "the game did not end after its window closed"
wait $GAME_PID
CODE=$?
GAME_PID=
[ $CODE -eq 0 ] || fail "exit code $CODE"

snapshot >"$WORK/after"
diff "$WORK/before" "$WORK/after" >"$WORK/changes" || fail "the install root changed: $(head -20 "$WORK/changes")"
echo "played from the package; best score in $BEST, playing screen in $OUT/playing.ppm"
echo "1 passed, 0 failed"
