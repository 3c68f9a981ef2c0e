#!/usr/bin/env bash
# The whole content generator run once, for builds that copy their content from another build
# (the sanitizer builds): it must succeed and write exactly that build's bytes, since the content
# is the same whichever build generates it. Files the game itself left in that build's content
# folder while its tests ran (a temporary image, saved scores) are not the generator's.
# Usage: contentgen_run.sh GENERATOR LAYOUT_DIR CATALOGUE_DIR EXPECTED_CONTENT_DIR OUT_DIR
set -euo pipefail
GENERATOR=$1 LAYOUTS=$2 CATALOGUES=$3 EXPECTED=$4 OUT=$5
rm -rf "$OUT"
"$GENERATOR" --out "$OUT" --layouts "$LAYOUTS" --catalogues "$CATALOGUES"
cd "$OUT"
find . -type f | sort | while IFS= read -r file; do
  cmp "$file" "$EXPECTED/$file" || exit 1
done
