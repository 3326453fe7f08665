#!/usr/bin/env bash
# Builds the fuzz targets (clang with ASan + UBSan, in build-fuzz/) and runs each for the given
# number of seconds, starting from the seeds in fuzz/corpus/<target>/. Prints executions and
# findings per target and exits non-zero when a target found something; the input that
# failed stays in build-fuzz/funde/<target>/.
#
#   fuzz/run.sh [-j N] <seconds> [target ...]     (targets without the "fuzz_" prefix)
#
# -j N runs N targets at a time (default 1). Inputs that add coverage are kept between runs
# in build-fuzz/korpus/<target>/, not in the repository.
set -euo pipefail
cd "$(dirname "$0")/.."

parallel=1
if [ "${1:-}" = "-j" ]; then
    parallel=$2
    shift 2
fi
if [ $# -lt 1 ] || ! [[ $1 =~ ^[0-9]+$ ]]; then
    echo "Aufruf: fuzz/run.sh [-j N] <sekunden> [ziel ...]" >&2
    exit 1
fi
sekunden=$1
shift

scripts/setup.sh
dir=build-fuzz
cmake -S . -B "$dir" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DPORVANTA_FUZZ=ON >/dev/null
cmake --build "$dir" -j "${JOBS:-$(nproc)}" --target fuzzers >/dev/null

ziele=("$@")
if [ ${#ziele[@]} -eq 0 ]; then
    for f in fuzz/fuzz_*.cpp; do
        n=$(basename "$f" .cpp)
        ziele+=("${n#fuzz_}")
    done
fi

export ASAN_OPTIONS=abort_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# One target: runs it, then prints "<target> <executions> <findings>" as its last line.
lauf() {
    local ziel=$1 sekunden=$2 dir=$3
    local korpus="$dir/korpus/$ziel" funde="$dir/funde/$ziel" log="$dir/logs/$ziel.log"
    rm -rf "$funde"
    mkdir -p "$korpus" "$funde" "$dir/logs"
    local max_len=4096
    [ "$ziel" = herdfile ] && max_len=16384
    [ "$ziel" = mischungen ] && max_len=8192
    local rc=0
    "$dir/fuzz/fuzz_$ziel" "$korpus" "fuzz/corpus/$ziel" -max_total_time="$sekunden" \
        -timeout=10 -max_len="$max_len" -print_final_stats=1 -artifact_prefix="$funde/" \
        -seed="${FUZZ_SEED:-0}" \
        >"$log" 2>&1 || rc=$?
    local laeufe
    laeufe=$(awk '/stat::number_of_executed_units/ {print $2}' "$log" | tail -1)
    local funde_anzahl
    funde_anzahl=$(find "$funde" -type f | wc -l)
    if [ "$rc" -ne 0 ] && [ "$funde_anzahl" -eq 0 ]; then funde_anzahl=1; fi
    echo "$ziel ${laeufe:-0} $funde_anzahl $rc"
}
export -f lauf

printf '%-16s %14s %6s\n' "Ziel" "Ausführungen" "Funde"
fehler=0
while read -r ziel laeufe funde rc; do
    printf '%-16s %14s %6s\n' "$ziel" "$laeufe" "$funde"
    if [ "$funde" -ne 0 ]; then
        fehler=1
        echo "  -> $dir/logs/$ziel.log, Eingaben in $dir/funde/$ziel/ (Rückgabe $rc)"
    fi
done < <(printf '%s\n' "${ziele[@]}" | xargs -P "$parallel" -I{} bash -c "lauf {} $sekunden $dir")
exit $fehler
