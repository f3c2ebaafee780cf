#!/usr/bin/env bash
# Installs what is missing, builds and runs every test.
#   scripts/test.sh              normal build in build/
#   scripts/test.sh --sanitize   AddressSanitizer + UndefinedBehaviorSanitizer build in build-san/
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

build=build
flags=()
if [ "${1:-}" = "--sanitize" ]; then
  build=build-san
  flags=(-DQV_SANITIZE=ON)
fi

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQV_BUILD_TESTS=ON -DQV_BUILD_BENCH=ON \
  "${flags[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)"
# A test that hangs fails after five minutes instead of holding up the run.
ctest --test-dir "$build" --output-on-failure --timeout 300 -j"$(nproc)"
