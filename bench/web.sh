#!/usr/bin/env bash
# Figures of the web game: the bytes a browser downloads (raw and gzip), the time from navigation
# to the first title frame (median of 5, headless chromium, local server), and the processor time
# of chromium's processes at the untouched title and in an untouched game, music on and off;
# then the desktop game's figures beside them (bench/window_cpu.sh, where the desktop build and
# its probe are built). Builds the page first when it is missing (scripts/run-web.sh
# --build-only). Not part of the test command.
# Usage: bash bench/web.sh [SECONDS]   (default 20)
set -euo pipefail
cd "$(dirname "$0")/.."
SECS=${1:-20}
PORT=8097
[ -f build/web/tavimora.wasm ] || bash scripts/run-web.sh --build-only

echo "=== bytes downloaded (each file raw, and gzip -6 as the server sends it)"
# sizes TITLE FILES...: each file's sizes, then their total.
sizes() {
  local title=$1 raw=0 packed=0
  shift
  for f in "$@"; do
    r=$(stat -c %s "$f")
    g=$(gzip -6 -c "$f" | wc -c)
    printf '  %-32s %10d raw %10d gzip\n' "${f#build/web/}" "$r" "$g"
    raw=$((raw + r))
    packed=$((packed + g))
  done
  printf '  %-32s %10d raw %10d gzip (%.2f MB / %.2f MB)\n' "$title" $raw $packed \
    "$(echo "$raw / 1048576" | bc -l)" "$(echo "$packed / 1048576" | bc -l)"
}
# Every file of build/web, which holds only what a host serves: what comes before the first
# frame, then the music's and each language's files, which the game fetches once it runs.
sizes "before the first frame" $(find build/web -type f -not -path 'build/web/content/*' | sort)
sizes "music (fetched as each track first plays)" $(find build/web/content/sound -type f | sort)
for folder in $(find build/web/content/art -mindepth 1 -maxdepth 1 -type d | sort); do
  sizes "language ${folder##*/}" $(find "$folder" -type f | sort)
done

python3 scripts/serve-web.py build/web --port $PORT >/dev/null 2>&1 &
SERVER=$!
trap 'kill $SERVER 2>/dev/null; wait $SERVER 2>/dev/null' EXIT
sleep 0.5
echo "=== in headless chromium"
node --experimental-websocket bench/web.mjs "http://127.0.0.1:$PORT/" "$SECS"
kill $SERVER 2>/dev/null

echo "=== the desktop game beside it (bench/window_cpu.sh)"
if [ -x build/release/game/tavimora ] && [ -x build/release/tests/smoke/x11_probe ]; then
  bash bench/window_cpu.sh build/release "$SECS" | grep -E '^(start|tavimora:|a tile)' || true
else
  echo "  (build/release's tavimora and x11_probe are not built)"
fi
