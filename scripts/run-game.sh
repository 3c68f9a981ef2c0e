#!/usr/bin/env bash
# Builds the game and its content, then starts it. Usage: bash scripts/run-game.sh
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh

# The same folder and cache options as the test command's normal stage (scripts/run-tests.sh),
# so that neither command makes the other build the tree again. Only the game and its content
# are built; a compiler whose new warnings stop the build with warnings as errors gets a second
# try without them.
BUILD=build/release
configure() {
  cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVIMORA_WERROR="$1" \
    -DTAVIMORA_SANITIZE=
}
build() { cmake --build "$BUILD" --parallel "$(nproc)" --target tavimora tavimora_content; }
if ! { configure ON && build; }; then
  echo "The build stopped on warnings as errors; building again without them."
  configure OFF && build
fi

cd "$BUILD/game"
exec ./tavimora
