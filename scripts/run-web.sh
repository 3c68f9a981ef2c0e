#!/usr/bin/env bash
# Builds the game as a web page into build/web (the page, its script, the wasm, the packaged
# content, the web app's manifest and icons and the service worker: only what a host serves; test
# programs' pages go to build/web-test) and serves it at http://127.0.0.1:8080/ with the headers
# that make the page cross-origin isolated. Installs what is missing first; the web builds of
# SDL2 and SDL2_mixer are made once, in build/web-deps.
# Usage: bash scripts/run-web.sh [--build-only] [--port PORT]
# (TAVIMORA_WERROR=ON in the environment treats warnings as errors, as the test command does.)
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_ONLY=0
PORT=8080
while [ $# -gt 0 ]; do
  case $1 in
    --build-only) BUILD_ONLY=1 ;;
    --port) PORT=$2; shift ;;
    *) echo "usage: bash scripts/run-web.sh [--build-only] [--port PORT]" >&2; exit 2 ;;
  esac
  shift
done

bash scripts/deps.sh
bash scripts/web-deps.sh build/web-deps
# The content comes from the content generator of the desktop build, with the music at a lower
# bit rate: the browser downloads each track while the game runs.
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/release --parallel 2 --target tavimora_content
CONTENT=build/web-content
if [ ! -f $CONTENT/.made ] || [ build/release/tools/content.stamp -nt $CONTENT/.made ]; then
  rm -rf $CONTENT
  cp -r build/release/game/content $CONTENT
  # The languages' pictures (art/<language>/) stay out of the download before the first frame:
  # the page has them as files of their own, which the game fetches once it runs.
  find $CONTENT/art -mindepth 1 -maxdepth 1 -type d -exec rm -rf {} +
  build/release/tools/tavimora_contentgen --music $CONTENT/sound --music-kbps 64
  touch $CONTENT/.made
fi
# The web app's icons, drawn by the same generator.
ICONS=build/web-icons
if [ ! -f $ICONS/512.png ] || [ build/release/tools/tavimora_contentgen -nt $ICONS/512.png ]; then
  build/release/tools/tavimora_contentgen --web-icons $ICONS
fi
# Test programs went to build/web before they had a folder of their own.
rm -f build/web/tavimora_frameshot.* build/web/frameshot.html

export NODE_PATH=/usr/share/nodejs
emcmake cmake -S . -B build/web-build -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DTAVIMORA_WEB_DEPS="$PWD/build/web-deps/prefix" \
  -DTAVIMORA_WEB_CONTENT="$PWD/$CONTENT" \
  -DTAVIMORA_WEB_ICONS="$PWD/$ICONS" \
  -DTAVIMORA_WEB_LANGUAGES="$PWD/build/release/game/content/art" \
  -DTAVIMORA_WEB_OUT="$PWD/build/web" -DTAVIMORA_WEB_TEST_OUT="$PWD/build/web-test" -DTAVIMORA_BENCH=OFF \
  -DTAVIMORA_WERROR="${TAVIMORA_WERROR:-OFF}" >/dev/null
cmake --build build/web-build --parallel 2 --target tavimora tavimora_worker tavimora_frameshot
echo "The web game is in build/web."
[ $BUILD_ONLY -eq 1 ] && exit 0
exec python3 scripts/serve-web.py build/web --port "$PORT"
