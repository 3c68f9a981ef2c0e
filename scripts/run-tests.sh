#!/usr/bin/env bash
# Builds everything and runs every check, headless, in six stages: the whole suite in the normal
# build first (so its failures show first), then under AddressSanitizer with
# UndefinedBehaviorSanitizer, then under ThreadSanitizer, then the Release build (built, not
# run), then a bounded run of every fuzzer, then the web build in headless chromium.
# Each build has its own folder under build/. The sanitizer builds build only what the tests need
# and copy the game content from the normal build instead of generating it again (the generator
# runs once under AddressSanitizer as a test). Exits non-zero when any stage fails, after
# printing each stage's time and summary.
# Usage: bash scripts/run-tests.sh [normal] [asan] [tsan] [release] [fuzz] [web]   (default: all six)
set -uo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD
bash scripts/deps.sh || exit 1

STAGES=("$@")
[ ${#STAGES[@]} -eq 0 ] && STAGES=(normal asan tsan release fuzz web)

SUPP=$ROOT/tests/sanitizers
# A report fails the run at once, with the stack that led to it.
export ASAN_OPTIONS=detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1:detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$SUPP/lsan.supp:print_suppressions=0
export TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1:suppressions=$SUPP/tsan.supp

FAILED=0
REPORT=()
TOTAL_START=$SECONDS

# suite NAME BUILD_DIR TARGET [cmake options...]: configure, build TARGET and run every test.
# Returns 1 when the build failed, 2 when tests failed.
suite() {
  local name=$1 dir=$2 target=$3
  shift 3
  echo "=== ${name}: configure and build in ${dir}"
  local start=$SECONDS
  if ! cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVIMORA_WERROR=ON "$@" ||
     ! cmake --build "$dir" --parallel "$(nproc)" --target "$target"; then
    REPORT+=("${name}: BUILD FAILED after $((SECONDS - start)) s")
    FAILED=1
    return 1
  fi
  local built=$((SECONDS - start))
  echo "=== ${name}: tests"
  start=$SECONDS
  ctest --test-dir "$dir" --output-on-failure --parallel "$(nproc)" --timeout 900 2>&1 |
    tee "$dir/ctest.log"
  local rc=$?
  REPORT+=("${name}: configure+build ${built} s, tests $((SECONDS - start)) s")
  # CTest's own summary: the pass line, the total time and any failed tests.
  while IFS= read -r line; do REPORT+=("    $line"); done \
    < <(sed -n '/tests passed, /,$p' "$dir/ctest.log" | grep -v '^$')
  if [ $rc -ne 0 ]; then
    FAILED=1
    return 2
  fi
  return 0
}

# The normal build's game content, which the sanitizer builds copy; built here (the content
# generator and what it needs) when the normal stage did not run, else already there.
NORMAL_CONTENT=$ROOT/build/release/game/content
normal_content() {
  cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVIMORA_WERROR=ON \
    -DTAVIMORA_SANITIZE= \
    >/dev/null && cmake --build build/release --parallel "$(nproc)" --target tavimora_content
}

# sanitized NAME BUILD_DIR SANITIZER: the suite under a sanitizer, building only the tests and
# what they run, with the normal build's content.
sanitized() {
  local name=$1 dir=$2 start=$SECONDS
  if ! normal_content; then
    REPORT+=("${name}: BUILD FAILED (the normal build's content)")
    FAILED=1
    return 1
  fi
  REPORT+=("${name}: the normal build's content ready after $((SECONDS - start)) s")
  suite "$name" "$dir" tv_tests -DTAVIMORA_SANITIZE="$3" -DTAVIMORA_BENCH=OFF \
    -DTAVIMORA_CONTENT_FROM="$NORMAL_CONTENT"
}

# The Release build as a packager makes it (-O3), with warnings as errors, so that a warning only
# the optimiser finds cannot slip in; nothing runs there. Content comes from the normal build.
release() {
  local start=$SECONDS
  echo "=== release: configure and build in build/release-check"
  if normal_content && cmake -S . -B build/release-check -G Ninja -DCMAKE_BUILD_TYPE=Release \
       -DTAVIMORA_WERROR=ON -DTAVIMORA_CONTENT_FROM="$NORMAL_CONTENT" &&
     cmake --build build/release-check --parallel "$(nproc)"; then
    REPORT+=("release: built in $((SECONDS - start)) s")
  else
    REPORT+=("release: BUILD FAILED after $((SECONDS - start)) s")
    FAILED=1
  fi
}

# The bounded fuzz run: every target from its seeds for a fixed time (scripts/run-fuzz.sh).
fuzz() {
  echo "=== fuzz: build and run every fuzzer"
  local start=$SECONDS
  bash scripts/run-fuzz.sh 2>&1 | tee build/fuzz-stage.log
  local rc=$?
  REPORT+=("fuzz: $((SECONDS - start)) s")
  while IFS= read -r line; do REPORT+=("    $line"); done \
    < <(grep -E '_fuzz: |passed, ' build/fuzz-stage.log)
  [ $rc -eq 0 ] || FAILED=1
}

# The web game: built (SDL's web build is made once and kept in build/web-deps), served with and
# without the isolation headers, and driven in headless chromium (tests/web).
web() {
  echo "=== web: build the page, test it in headless chromium"
  local start=$SECONDS
  if ! TAVIMORA_WERROR=ON bash scripts/run-web.sh --build-only >build/web-stage.log 2>&1; then
    tail -30 build/web-stage.log
    REPORT+=("web: BUILD FAILED after $((SECONDS - start)) s (build/web-stage.log)")
    FAILED=1
    return
  fi
  # The desktop frameshot tool's picture of the staged playing screen, as R, G, B bytes.
  if ! cmake --build build/release --parallel "$(nproc)" --target tavimora_frameshot >>build/web-stage.log 2>&1 ||
     ! (cd build/release/game && ../tools/frameshot/tavimora_frameshot "$ROOT/build/web-desktop-frame.png") ||
     ! convert build/web-desktop-frame.png -depth 8 rgb:build/web-desktop-frame.rgb; then
    REPORT+=("web: the desktop frameshot failed (build/web-stage.log)")
    FAILED=1
    return
  fi
  local built=$((SECONDS - start))
  start=$SECONDS
  python3 scripts/serve-web.py build/web build/web-test --port 8091 >/dev/null 2>&1 &
  local isolated=$!
  python3 scripts/serve-web.py build/web --port 8092 --bare >/dev/null 2>&1 &
  local bare=$!
  sleep 0.5
  timeout 300 node --experimental-websocket tests/web/web_test.mjs \
    http://127.0.0.1:8091/ http://127.0.0.1:8092/ build/web-desktop-frame.rgb 2>&1 | tee build/web-test.log
  local rc=${PIPESTATUS[0]}
  for check in phone_test hidden_test music_test language_test storage_test; do
    timeout 120 node --experimental-websocket tests/web/$check.mjs http://127.0.0.1:8091/ 2>&1 |
      tee -a build/web-test.log
    [ "${PIPESTATUS[0]}" -eq 0 ] || rc=1
  done
  kill $isolated $bare 2>/dev/null
  wait $isolated $bare 2>/dev/null
  # The page as an app (tests/web/app_test.mjs), with a new build made from this one: its page
  # marked, its worker's list written again.
  local next=build/web-test/next
  rm -rf $next && cp -r build/web $next && echo "window.tavimoraBuild = 'next';" >>$next/page.js &&
    cmake -DOUT=$next -DLIST=build/web-build/web-worker-files.cmake -P cmake/web_worker.cmake &&
    timeout 300 node --experimental-websocket tests/web/app_test.mjs build/web $next 8093 2>&1 |
    tee -a build/web-test.log
  [ "${PIPESTATUS[0]}" -eq 0 ] || rc=1
  REPORT+=("web: build ${built} s, tests $((SECONDS - start)) s")
  while IFS= read -r line; do REPORT+=("    $line"); done < <(grep -E '^(FAIL|web:|app:|phone:|language:)' build/web-test.log)
  [ "$rc" -eq 0 ] || FAILED=1
}

summary() {
  echo
  echo "=== Summary ($((SECONDS - TOTAL_START)) s in all)"
  printf '%s\n' "${REPORT[@]}"
  if [ $FAILED -ne 0 ]; then echo "=== FAILED"; else echo "=== ALL PASSED"; fi
  exit $FAILED
}

mkdir -p build
# Code that does not compile would fail the same way in every stage: stop there.
# Failing tests do not stop the run, so every stage's failures are seen.
for stage in "${STAGES[@]}"; do
  case $stage in
    normal) suite "normal" build/release all -DTAVIMORA_SANITIZE= || [ $? -eq 2 ] || summary ;;
    asan) sanitized "address+undefined" build/asan address || [ $? -eq 2 ] || summary ;;
    tsan) sanitized "thread" build/tsan thread || [ $? -eq 2 ] || summary ;;
    release) release ;;
    fuzz) fuzz ;;
    web) web ;;
    *) echo "unknown stage '$stage' (normal, asan, tsan, release, fuzz, web)"; exit 2 ;;
  esac
done
summary
