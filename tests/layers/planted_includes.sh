#!/usr/bin/env bash
# Plants each kind of wrong include, and wrong records, one at a time in a copy of the sources and
# expects scripts/check-layers.sh to refuse each. Usage: planted_includes.sh REPOSITORY SCRATCH
set -uo pipefail
REPO=$1 SCRATCH=$2
failed=0
rm -rf "$SCRATCH" && mkdir -p "$SCRATCH/tools" "$SCRATCH/tests"
cp -r "$REPO/src" "$REPO/scripts" "$SCRATCH/" && cp -r "$REPO/tools/contentgen" "$SCRATCH/tools/"

# plant FILE LINE [first]: the copy with LINE added at the end of FILE (at its start with
# "first") must fail the check; FILE is put back afterwards.
plant() {
  local file=$SCRATCH/$1 had=0
  [ -f "$file" ] && had=1 && cp "$file" "$file.kept"
  mkdir -p "$(dirname "$file")" && touch "$file"
  if [ "${3:-}" = first ]; then sed -i "1i $2" "$file"; else printf '%s\n' "$2" >>"$file"; fi
  if bash "$SCRATCH/scripts/check-layers.sh" "$SCRATCH" >/dev/null 2>&1; then
    echo "not refused: '$2' in $1"
    failed=1
  fi
  if [ $had -eq 1 ]; then mv "$file.kept" "$file"; else rm -rf "$SCRATCH/src/unrecorded" "$file"; fi
}

plant src/play/menus.cpp '#include "shell/shell.h"'
plant src/save/scores.cpp '#include "rules/board.h"'
plant src/play/menus.cpp '#include "../shell/shell.h"'
plant tests/platform/files_test.cpp '#include "../../src/platform/posix/files_internal.h"'
plant src/gfx/sprite.cpp '#include "platform/sdl/sdl_internal.h"'
plant src/platform/frame_fit.cpp '#include "platform/posix/picture_memory.h"'
plant tools/contentgen/theme.cpp '#include "gfx/sprite.h"'
plant src/CMakeLists.txt 'tv_layer(util INTERFACE PUBLIC shell)'
plant src/CMakeLists.txt 'tv_layer(early PRIVATE shell)' first
plant src/CMakeLists.txt 'tv_layer(late PRIVATE util nowhere)'
plant src/unrecorded/thing.h '#pragma once'
bash "$SCRATCH/scripts/check-layers.sh" "$SCRATCH" >/dev/null 2>&1 || { echo "the copy itself fails"; failed=1; }
[ $failed -eq 0 ] && echo "every planted include and record was refused"
exit $failed
