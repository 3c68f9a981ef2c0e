#!/usr/bin/env bash
# Checks that every include between the folders of src/ points downwards, as the layer map in
# HACKING.md says, and that the content generator reaches only the rules and the screen
# positions. The build refuses most upward includes already (each folder is a library with its
# own include root); this also catches the ones a wider include path would let through.
# Usage: bash scripts/check-layers.sh [repository root]
set -euo pipefail
ROOT=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$ROOT"

# What each folder of src/ may include besides itself.
declare -A ALLOWED=(
  [util]=""
  [platform]="util"
  [rules]="util"
  [diag]=""
  [raster]="platform util"
  [gfx]="raster platform diag util"
  [content]="gfx raster platform diag util"
  [audio]="platform diag util"
  [save]="platform diag util"
  [screens]="rules gfx util"
  [play]="rules screens gfx content audio save platform diag util"
  [shell]="play rules screens gfx content audio save raster platform diag util"
)

status=0
complain() {
  echo "layer check: $1" >&2
  status=1
}

# includes FILE: the folder of every "folder/file.h" include in FILE.
includes() { sed -n 's|^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([a-z_]*\)/.*|\1|p' "$1"; }

for dir in src/*/; do
  layer=$(basename "$dir")
  if [ -z "${ALLOWED[$layer]+set}" ]; then
    complain "src/$layer is not in the layer map (scripts/check-layers.sh, HACKING.md)"
    continue
  fi
  while IFS= read -r file; do
    for used in $(includes "$file"); do
      [ "$used" = "$layer" ] && continue
      [ -d "src/$used" ] || continue  # a local header of the same folder
      case " ${ALLOWED[$layer]} " in
        *" $used "*) ;;
        *) complain "$file includes $used/, which $layer/ may not use" ;;
      esac
    done
  done < <(find "$dir" -name '*.h' -o -name '*.cpp' -o -name '*.c')
done

# The content generator deals with the rules and paints to the screen positions, nothing more.
while IFS= read -r file; do
  while IFS= read -r line; do
    case "$line" in
      rules/* | screens/screen_layout.h | util/*) ;;
      *) complain "$file includes $line; the content generator may use rules/ and screens/screen_layout.h only" ;;
    esac
  done < <(sed -n 's|^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([a-z_]*/[^"]*\)".*|\1|p' "$file" |
           grep -E "^($(ls src | tr '\n' '|' | sed 's/|$//'))/" || true)
done < <(find tools/contentgen -name '*.h' -o -name '*.cpp')

[ $status -eq 0 ] && echo "layer check: every include points downwards"
exit $status
