#!/usr/bin/env bash
# Installs what the web build needs (Debian's emscripten, node, chromium, the source packages of
# SDL2 and SDL2_mixer) and builds those two libraries for the web, once per folder: later runs find
# the finished archives and return at once. Emscripten's own SDL ports download from the internet,
# so they are not used. Usage: bash scripts/web-deps.sh [DEPS_FOLDER]   (default build/web-deps)
set -euo pipefail
cd "$(dirname "$0")/.."
DEPS=${1:-build/web-deps}
mkdir -p "$DEPS"
DEPS=$(cd "$DEPS" && pwd)
PREFIX=$DEPS/prefix
[ -f "$PREFIX/lib/libSDL2.a" ] && [ -f "$PREFIX/lib/libSDL2_mixer.a" ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
PACKAGES=(emscripten nodejs chromium dpkg-dev cmake ninja-build xz-utils)
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
# The source packages come from the same Debian archive as the binaries.
if ! grep -rqs '^Types:.*deb-src\|^deb-src' /etc/apt/sources.list /etc/apt/sources.list.d/; then
  $SUDO tee /etc/apt/sources.list.d/tavimora-src.sources >/dev/null <<'SRC'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
  missing+=(update)
fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing for the web build: ${missing[*]}"
  $SUDO apt-get update -qq
  pkgs=("${missing[@]/update/}")
  [ -n "${pkgs[*]// /}" ] && $SUDO apt-get install -y -qq --no-install-recommends ${pkgs[*]}
fi

export NODE_PATH=/usr/share/nodejs
SRC=$DEPS/src
mkdir -p "$SRC"
if ! ls -d "$SRC"/SDL2-2.* >/dev/null 2>&1 || ! ls -d "$SRC"/SDL2_mixer-2.* >/dev/null 2>&1; then
  (cd "$SRC" && apt-get source --download-only libsdl2 libsdl2-mixer >/dev/null 2>&1 &&
    for t in *.orig.tar.*; do tar xf "$t"; done)
fi
SDL_SRC=$(ls -d "$SRC"/SDL2-2.* | head -1)
MIXER_SRC=$(ls -d "$SRC"/SDL2_mixer-2.* | head -1)

# Threads on (the game thread is a real thread); static archives only.
FLAGS="-pthread -O2"
if [ ! -f "$PREFIX/lib/libSDL2.a" ]; then
  emcmake cmake -S "$SDL_SRC" -B "$DEPS/sdl" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$PREFIX" -DCMAKE_C_FLAGS="$FLAGS" \
    -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF -DSDL_THREADS=ON -DSDL_PTHREADS=ON
  cmake --build "$DEPS/sdl" --parallel 2
  cmake --install "$DEPS/sdl" >/dev/null
fi
if [ ! -f "$PREFIX/lib/libSDL2_mixer.a" ]; then
  # Only the built-in WAV reader and dr_mp3: every external codec off.
  emcmake cmake -S "$MIXER_SRC" -B "$DEPS/mixer" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$PREFIX" -DCMAKE_C_FLAGS="$FLAGS" -DCMAKE_PREFIX_PATH="$PREFIX" \
    -DSDL2_DIR="$PREFIX/lib/cmake/SDL2" -DBUILD_SHARED_LIBS=OFF -DSDL2MIXER_VENDORED=OFF \
    -DSDL2MIXER_SAMPLES=OFF -DSDL2MIXER_CMD=OFF -DSDL2MIXER_FLAC=OFF -DSDL2MIXER_MOD=OFF \
    -DSDL2MIXER_MIDI=OFF -DSDL2MIXER_OPUS=OFF -DSDL2MIXER_VORBIS= -DSDL2MIXER_MP3=ON \
    -DSDL2MIXER_MP3_DRMP3=ON -DSDL2MIXER_MP3_MPG123=OFF -DSDL2MIXER_WAVE=ON
  cmake --build "$DEPS/mixer" --parallel 2
  cmake --install "$DEPS/mixer" >/dev/null
fi
