#!/usr/bin/env bash
# Builds and runs every test:
#   1. the test suite (build/),
#   2. the same suite in an AddressSanitizer + UndefinedBehaviorSanitizer build (build-asan/),
#   3. every fuzz target for a few seconds (FUZZ_SEKUNDEN, default 5) in its clang build
#      (build-fuzz/).
# --schnell runs only step 1, --sanitize only step 2.
set -euo pipefail
cd "$(dirname "$0")/.."
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

suite() { # build directory, build.sh arguments
    local dir=$1
    shift
    scripts/build.sh "$@"
    ctest --test-dir "$dir" --output-on-failure -j "$(nproc)"
}

case "${1:-}" in
--schnell) suite build ;;
--sanitize) suite build-asan --sanitize ;;
*)
    suite build
    suite build-asan --sanitize
    # A fixed seed keeps the short runs repeatable; long runs (fuzz/run.sh) go random.
    FUZZ_SEED="${FUZZ_SEED:-1}" fuzz/run.sh "${FUZZ_SEKUNDEN:-5}"
    ;;
esac
