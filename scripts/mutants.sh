#!/usr/bin/env bash
# Plants each fault of a list, one at a time, in a scratch copy of the tree and runs the tests
# of its own library: a fault the tests do not fail on "survived" and shows a blind spot.
# The list (scripts/mutants.txt by default) holds one fault a line, three fields separated by
# tabs: the file, its exact text, and the text to put instead ("\n" stands for a line break),
# and a fourth where the fault's own library's tests are not all that guard it (see guards_for).
# A text that is not in the file is reported "missing", one found more than once "ambiguous",
# a replacement that does not compile "nobuild"; none of them counts as caught. Needs the normal build's content (build/release/game/content).
# Usage: bash scripts/mutants.sh [LIST]
set -uo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD
LIST=${1:-scripts/mutants.txt}
SCRATCH=$ROOT/build/mutants
COPY=$SCRATCH/tree
BUILD=$SCRATCH/build
CONTENT=$ROOT/build/release/game/content
JOBS=2

# A fault is tested by the programs of its own library: one in src/<library>/ by those of
# tests/<library>/ (one in the content generator by tests/tools/), which the build target and the CTest label tests_<library> name. A fault that
# shows only through a program of another folder names that program in its line's fourth field
# (names separated by spaces). guards_for FILE [PROGRAMS]: the targets, which are also labels.
guards_for() {
  [[ $1 == tools/contentgen/* ]] && { echo "tests_tools $2"; return 0; }
  [[ $1 == src/*/* ]] || return 0
  local library=${1#src/}
  library=${library%%/*}
  [ -d "tests/$library" ] && echo "tests_$library $2"
}

if [ ! -d "$CONTENT" ]; then
  echo "mutants: no content in $CONTENT; build the normal build first (bash scripts/run-tests.sh normal)"
  exit 2
fi

# The scratch copy follows the working tree; only files that differ are copied, so the build
# there stays incremental from one run to the next.
mkdir -p "$COPY"
git ls-files -co --exclude-standard -z | while IFS= read -r -d '' f; do
  [ -f "$f" ] || continue
  if ! cmp -s "$f" "$COPY/$f"; then
    mkdir -p "$COPY/$(dirname "$f")"
    cp "$f" "$COPY/$f"
  fi
done
# A file gone from the tree goes from the copy too, so that a moved header is not found twice.
git ls-files -co --exclude-standard | sort >"$SCRATCH/tree.list"
(cd "$COPY" && find . -type f -printf '%P\n' | sort) | comm -23 - "$SCRATCH/tree.list" |
  while IFS= read -r f; do rm -f "$COPY/$f"; done
cmake -S "$COPY" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVIMORA_SANITIZE= -DTAVIMORA_WERROR=ON \
  -DTAVIMORA_BENCH=OFF -DTAVIMORA_CONTENT_FROM="$CONTENT" >"$SCRATCH/configure.log" 2>&1 ||
  { echo "mutants: configure failed, see $SCRATCH/configure.log"; exit 2; }

# build_for GUARDS / test_for GUARDS: builds those test programs (or folders of them), runs them.
build_for() {
  cmake --build "$BUILD" --parallel "$JOBS" --target $1 >"$SCRATCH/build.log" 2>&1
}
test_for() {
  ctest --test-dir "$BUILD" -L "^($(echo $1 | tr ' ' '|'))\$" --parallel "$JOBS" --timeout 300 \
    --no-tests=error --stop-on-failure >"$SCRATCH/ctest.log" 2>&1
}

# The unmutated tree must pass, or nothing the mutants show means anything.
ALL=$(while IFS=$'\t' read -r file _ _ more; do
        [[ -z "$file" || "$file" == \#* ]] || guards_for "$file" "$more"
      done <"$LIST" | tr ' ' '\n' | sed '/^$/d' | sort -u | tr '\n' ' ')
echo "checking that the tests pass without a mutant: $ALL"
if ! build_for "$ALL"; then echo "mutants: the build fails, see $SCRATCH/build.log"; exit 2; fi
if ! test_for "$ALL"; then echo "mutants: the tests fail without a mutant, see $SCRATCH/ctest.log"; exit 2; fi

START=$SECONDS
caught=0 survived=0 missing=0 total=0
while IFS=$'\t' read -r file text replacement more extra; do
  [[ -z "$file" || "$file" == \#* ]] && continue
  total=$((total + 1))
  text=${text//\\n/$'\n'}
  replacement=${replacement//\\n/$'\n'}
  name="$file: ${text%%$'\n'*}"
  guards=$(guards_for "$file" "$more")
  if [ -n "$extra" ] || [ -z "$guards" ] || [ ! -f "$COPY/$file" ]; then
    printf '%-9s %s\n' "missing" "$name (bad line or unknown file)"
    missing=$((missing + 1))
    continue
  fi
  original=$(cat "$COPY/$file"; printf x)
  original=${original%x}
  rest=${original//"$text"/}
  count=$(((${#original} - ${#rest}) / ${#text}))
  if [ "$count" -ne 1 ]; then
    [ "$count" -eq 0 ] && verdict=missing || verdict=ambiguous
    printf '%-9s %s\n' "$verdict" "$name"
    missing=$((missing + 1))
    continue
  fi
  printf '%s' "${original/"$text"/"$replacement"}" >"$COPY/$file"
  t0=$SECONDS
  if ! build_for "$guards"; then
    verdict=nobuild  # a fault that does not compile tells nothing about the tests
    missing=$((missing + 1))
  elif test_for "$guards"; then
    verdict=SURVIVED
    survived=$((survived + 1))
  else
    verdict=caught
    caught=$((caught + 1))
  fi
  # Back to the original, newer than the mutant's objects so the next build compiles it again.
  printf '%s' "$original" >"$COPY/$file"
  printf '%-9s %s (%d s; %s)\n' "$verdict" "$name" $((SECONDS - t0)) "$guards"
done <"$LIST"

echo "total ${total}: caught ${caught}, survived ${survived}, missing, ambiguous or nobuild ${missing}" \
  "($((SECONDS - START)) s)"
[ "$survived" -eq 0 ] && [ "$missing" -eq 0 ]
