#!/usr/bin/env bash
# Builds and runs every test. With --sanitize the tests run in an ASan + UBSan build.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=build
if [ "${1:-}" = "--sanitize" ]; then dir=build-asan; fi
scripts/build.sh "$@"
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$dir" --output-on-failure -j "$(nproc)"
