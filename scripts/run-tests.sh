#!/usr/bin/env bash
# Builds everything and runs every test, headless. Usage: bash scripts/run-tests.sh
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh

BUILD=build/release
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$BUILD" --parallel "$(nproc)"

ctest --test-dir "$BUILD" --output-on-failure --parallel "$(nproc)" --timeout 600
