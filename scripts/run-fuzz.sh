#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time from its seed corpus.
# Usage: bash scripts/run-fuzz.sh [seconds per target, default 35]
# Any report (crash, sanitizer finding, leak, timeout, failed check) fails the run; the input is
# kept under build/fuzz/findings/<target>/ (the last run's only). Once the fault is fixed, copy
# that input into fuzz/crashes/<target>/, where the replay test runs it for ever after.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$(pwd)
SECONDS_PER_TARGET=${1:-${FUZZ_SECONDS:-35}}
bash scripts/deps.sh

# target:largest input
TARGETS=(pcx:65536 pattern:10000 scores:8192 best_score:80 content:32768 settings:4096 last_name:1024 texts:4096)

BUILD=build/fuzz
if ! { CC=clang CXX=clang++ cmake -S . -B "$BUILD" -G Ninja -DTAVIMORA_FUZZ=ON \
         -DTAVIMORA_BENCH=OFF -DTAVIMORA_SANITIZE=address -DCMAKE_BUILD_TYPE=RelWithDebInfo \
         -DTAVIMORA_WERROR=ON \
         >/dev/null &&
       cmake --build "$BUILD" --target tv_fuzzers --parallel "$(nproc)"; }; then
  echo "the fuzz targets did not build"
  echo "0 passed, ${#TARGETS[@]} failed"
  exit 1
fi

# New inputs never land in git: each corpus is copied to a scratch folder first.
RUN="$ROOT/$BUILD/run"
FINDINGS="$ROOT/$BUILD/findings"
rm -rf "$RUN"
mkdir -p "$RUN" "$FINDINGS"

# The targets write a file per input into a folder of their own: memory when there is some.
WORK=$(mktemp -d /dev/shm/tavimora-fuzz-run-XXXXXX 2>/dev/null || mktemp -d "$RUN/work-XXXXXX")
trap 'rm -rf "$WORK"' EXIT
export TMPDIR="$WORK" SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

passed=0
failed=0
for entry in "${TARGETS[@]}"; do
  name=${entry%%:*}
  max_len=${entry##*:}
  corpus="$RUN/corpus/$name"
  rm -rf "$FINDINGS/$name"
  mkdir -p "$corpus" "$FINDINGS/$name"
  cp -r "fuzz/corpus/$name/." "$corpus/"
  dirs=("$corpus")
  if [ -d "fuzz/crashes/$name" ]; then dirs+=("$ROOT/fuzz/crashes/$name"); fi
  log="$RUN/$name.log"
  status=0
  timeout $((SECONDS_PER_TARGET + 120)) "$BUILD/fuzz/${name}_fuzz" \
    -max_total_time="$SECONDS_PER_TARGET" -max_len="$max_len" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$FINDINGS/$name/" "${dirs[@]}" >"$log" 2>&1 ||
    status=$?
  runs=$(sed -n 's/^Done \([0-9]*\) runs in \([0-9]*\) second.*/\1 executions in \2 s/p' "$log")
  seed=$(sed -n 's/^INFO: Seed: \([0-9]*\).*/\1/p' "$log")
  if [ "$status" -eq 0 ] && [ -n "$runs" ]; then
    passed=$((passed + 1))
    echo "${name}_fuzz: passed, ${runs}"
  else
    failed=$((failed + 1))
    echo "${name}_fuzz: FAILED (exit $status, seed ${seed:-?}); log $log, inputs in $FINDINGS/$name/"
    { grep -E "ERROR|FAULT|runtime error|SUMMARY|Test unit written" "$log" || tail -n 5 "$log"; } |
      head -20 | sed 's/^/  /' || true
  fi
done

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
