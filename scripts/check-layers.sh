#!/usr/bin/env bash
# Checks that every include between the folders of src/ points downwards, as the layers are
# recorded in src/CMakeLists.txt: each tv_layer call there names the layers its folder uses, and
# the build links exactly those. The build refuses most other includes already (each folder is a
# library with its own include root); this also catches the ones a wider include path would let
# through. It also checks that only the platform's sides include their own headers
# (src/platform/<side>/), that no include climbs out of its folder ("../"), and that the content
# generator reaches only the rules and the screen positions.
# Usage: bash scripts/check-layers.sh [repository root]
set -euo pipefail
ROOT=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$ROOT"

status=0
complain() {
  echo "layer check: $1" >&2
  status=1
}

# The record: one line per tv_layer call, "name [INTERFACE] [PUBLIC layer...] [PRIVATE layer...]".
record() {
  awk '{ sub(/#.*/, "") }
       /^[[:space:]]*tv_layer\(/ { call = ""; open = 1 }
       open { call = call " " $0
              if ($0 ~ /\)/) { open = 0; gsub(/tv_layer\(|\)/, " ", call); print call } }' \
    src/CMakeLists.txt
}

# What each folder of src/ may include besides itself: the layers its call names, each of which
# must be recorded above it, so that the layers form one order from the bottom up.
declare -A ALLOWED=()
while read -r layer uses; do
  [ -n "${ALLOWED[$layer]+set}" ] && complain "tv_layer($layer) is recorded twice in src/CMakeLists.txt"
  ALLOWED[$layer]=""
  for used in $uses; do
    case $used in INTERFACE | PUBLIC | PRIVATE) continue ;; esac
    if [ -z "${ALLOWED[$used]+set}" ] || [ "$used" = "$layer" ]; then
      complain "tv_layer($layer) in src/CMakeLists.txt uses $used, which is not recorded above it"
    fi
    ALLOWED[$layer]+=" $used"
  done
done < <(record)

# include_lines FOLDER...: "file:path" for every include in the C and C++ files under those of
# the folders that exist (bracketed ones too).
include_lines() {
  local dirs=()
  for dir in "$@"; do [ -d "$dir" ] && dirs+=("$dir"); done
  [ ${#dirs[@]} -eq 0 ] && return 0
  grep -rE --include='*.h' --include='*.cpp' --include='*.c' \
    '^[[:space:]]*#[[:space:]]*include[[:space:]]*["<]' "${dirs[@]}" |
    sed 's|^\([^:]*\):[[:space:]]*#[[:space:]]*include[[:space:]]*\(["<]\)\([^">]*\).*|\1:\2\3|' || true
}

for dir in src/*/; do
  layer=$(basename "$dir")
  [ -n "${ALLOWED[$layer]+set}" ] || complain "src/$layer has no tv_layer call in src/CMakeLists.txt"
done

while IFS=: read -r file path; do
  quoted=${path#\"}
  [ "$quoted" != "$path" ] || continue  # a system header
  path=$quoted
  layer=${file#src/}
  layer=${layer%%/*}
  used=${path%%/*}
  case $used in '' | *[!a-z_]*) continue ;; esac  # a climb out, refused below
  [ -n "${ALLOWED[$layer]+set}" ] && [ "$used" != "$path" ] && [ -d "src/$used" ] || continue
  if [ "$used" != "$layer" ]; then
    case " ${ALLOWED[$layer]} " in
      *" $used "*) ;;
      *) complain "$file includes $path, which $layer/ may not use (src/CMakeLists.txt)" ;;
    esac
  fi
  # The headers of a platform side are for the sides alone: nothing else learns which side it
  # runs on.
  rest=${path#platform/}
  if [ "$used" = platform ] && [ "${rest%/*}" != "$rest" ]; then
    case $file in
      src/platform/*/*) ;;
      *) complain "$file includes $path, a header of a platform side" ;;
    esac
  fi
done < <(include_lines src)

# Includes name a path from an include root or a header beside the file, never a climb out.
while IFS=: read -r file path; do
  case /${path:1}/ in
    */../* | */./*) complain "$file includes ${path:1}; name it from its folder's root instead" ;;
  esac
done < <(include_lines src tests tools bench fuzz)

# The content generator deals with the rules and paints to the screen positions, nothing more.
while IFS=: read -r file path; do
  path=${path#\"}
  used=${path%%/*}
  case $used in '' | *[!a-z_]*) continue ;; esac
  [ "$used" != "$path" ] && [ -d "src/$used" ] || continue
  case $path in
    rules/* | screens/screen_layout.h | play/control_table.def | util/*) ;;
    *) complain "$file includes $path; the content generator may use rules/, screens/screen_layout.h and play/control_table.def only" ;;
  esac
done < <(include_lines tools/contentgen)

[ $status -eq 0 ] && echo "layer check: every include points downwards"
exit $status
