#!/usr/bin/env bash
# Plants each fault of a list, one at a time, in a scratch copy of the tree and runs the tests
# that guard its layer: a fault the tests do not fail on "survived" and shows a blind spot.
# The list (scripts/mutants.txt by default) holds one fault a line, three fields separated by
# tabs: the file, its exact text, and the text to put instead ("\n" stands for a line break).
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

# The test programs (their ctest labels) that guard each layer.
labels_for() {
  case $1 in
    src/rules/*) echo "rules_tests play_tests" ;;
    src/screens/*) echo "screens_tests play_tests" ;;
    src/save/*) echo "save_tests durable_write_tests install_tests play_tests" ;;  # notes of failed saves
    src/platform/*) echo "platform_tests real_clock_tests durable_write_tests install_tests" ;;
    src/audio/*) echo "audio_tests" ;;
    src/play/*) echo "play_tests shell_tests app_tests" ;;  # the pad plays through the whole program
    src/shell/app.cpp) echo "app_tests press_tests shell_tests play_tests" ;;  # presses on the real clock
    src/shell/*) echo "app_tests install_tests shell_tests play_tests" ;;
    *) echo "" ;;
  esac
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
cmake -S "$COPY" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVIMORA_SANITIZE= -DTAVIMORA_WERROR=ON \
  -DTAVIMORA_BENCH=OFF -DTAVIMORA_CONTENT_FROM="$CONTENT" >"$SCRATCH/configure.log" 2>&1 ||
  { echo "mutants: configure failed, see $SCRATCH/configure.log"; exit 2; }

# build_for LABELS / test_for LABELS: builds the test programs named by their labels, runs them.
build_for() {
  cmake --build "$BUILD" --parallel "$JOBS" --target $1 >"$SCRATCH/build.log" 2>&1
}
test_for() {
  ctest --test-dir "$BUILD" -L "^($(echo "$1" | tr ' ' '|'))\$" --parallel "$JOBS" --timeout 300 \
    --stop-on-failure >"$SCRATCH/ctest.log" 2>&1
}

# The unmutated tree must pass, or nothing the mutants show means anything.
ALL=$(for f in src/{rules,screens,save,platform,audio,play,shell}/ src/shell/app.cpp; do labels_for "$f"; done |
      tr ' ' '\n' | sort -u | tr '\n' ' ')
echo "checking that the tests pass without a mutant: $ALL"
if ! build_for "$ALL"; then echo "mutants: the build fails, see $SCRATCH/build.log"; exit 2; fi
if ! test_for "$ALL"; then echo "mutants: the tests fail without a mutant, see $SCRATCH/ctest.log"; exit 2; fi

START=$SECONDS
caught=0 survived=0 missing=0 total=0
while IFS=$'\t' read -r file text replacement extra; do
  [[ -z "$file" || "$file" == \#* ]] && continue
  total=$((total + 1))
  text=${text//\\n/$'\n'}
  replacement=${replacement//\\n/$'\n'}
  name="$file: ${text%%$'\n'*}"
  if [ -n "$extra" ] || [ -z "$(labels_for "$file")" ] || [ ! -f "$COPY/$file" ]; then
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
  labels=$(labels_for "$file")
  if ! build_for "$labels"; then
    verdict=nobuild  # a fault that does not compile tells nothing about the tests
    missing=$((missing + 1))
  elif test_for "$labels"; then
    verdict=SURVIVED
    survived=$((survived + 1))
  else
    verdict=caught
    caught=$((caught + 1))
  fi
  # Back to the original, newer than the mutant's objects so the next build compiles it again.
  printf '%s' "$original" >"$COPY/$file"
  printf '%-9s %s (%d s)\n' "$verdict" "$name" $((SECONDS - t0))
done <"$LIST"

echo "total ${total}: caught ${caught}, survived ${survived}, missing, ambiguous or nobuild ${missing}" \
  "($((SECONDS - START)) s)"
[ "$survived" -eq 0 ] && [ "$missing" -eq 0 ]
