#!/usr/bin/env bash
# Builds and runs every test. With --sanitize the tests run in an ASan + UBSan build.
# Afterwards every fuzz target runs for a few seconds (FUZZ_SEKUNDEN, default 5) in its own
# clang build (build-fuzz/).
set -euo pipefail
cd "$(dirname "$0")/.."
dir=build
if [ "${1:-}" = "--sanitize" ]; then dir=build-asan; fi
scripts/build.sh "$@"
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$dir" --output-on-failure -j "$(nproc)"
fuzz/run.sh "${FUZZ_SEKUNDEN:-5}"
