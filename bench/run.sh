#!/usr/bin/env bash
# Builds the benchmarks (Release, in build-bench/) and runs them: loading, saving, the
# selection rebuild and its sorts, the work plan and the herd evaluation "Auswahl" against
# their baselines on demo herds of 1,000, 10,000 and 40,000 sows; then the memory with the
# 40,000-sow herd loaded, the start-up of the program on it, the waits for saving, a card and
# a batch weaning in the real windows, a booking from the barn page, and the work plan on it;
# and the feed optimiser on 10,000 random mixes.
# Arguments go to the benchmark program, e.g.
#   bench/run.sh --groessen=40000 --benchmark_filter='Laden|lesen'
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
dir=build-bench
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DPORVANTA_TESTS=OFF >/dev/null
cmake --build "$dir" -j "${JOBS:-$(nproc)}" \
    --target porvanta_bench porvanta_auswertung_bench porvanta_berichte_bench porvanta_speicher \
    porvanta_startzeit porvanta_planzeit porvanta_wartezeit porvanta_stallzeit porvanta_futter_bench demoherde >/dev/null

# Loading and saving allocate as at a fresh start; the selection in a warm program.
"$dir/bench/porvanta_bench" --frisch --benchmark_color=false --benchmark_repetitions=3 \
    --benchmark_filter='HerdeLaden|Datei_lesen|HerdeSpeichern|Schreiben_fsync' "$@"
"$dir/bench/porvanta_bench" --benchmark_color=false --benchmark_repetitions=3 \
    --benchmark_filter='Durchlauf|Sauen_letzte|Sauen_alle|Auswahl|Sortieren|Arbeitsplan' "$@"

# The herd evaluation over the whole herd.
"$dir/bench/porvanta_auswertung_bench" --benchmark_color=false --benchmark_repetitions=3 "$@"

echo
echo "Futteroptimierung:"
"$dir/bench/porvanta_futter_bench" --benchmark_color=false

echo
echo "Tierbewegungen und Ferkelbuch:"
QT_QPA_PLATFORM=offscreen "$dir/bench/porvanta_berichte_bench" \
    $(printf '%s\n' "$@" | grep -e '^--groessen=' || true)

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
"$dir/tools/demoherde" "$tmp/herde" 40000 --seed 1 --heute 2024-03-10 >/dev/null
mkdir "$tmp/leer"
export QT_QPA_PLATFORM=offscreen

echo
echo "Speicher, Kern allein (HerdeLaden, dann die Auswahl):"
"$dir/bench/porvanta_speicher" "$tmp/herde"

echo
echo "Programmstart mit 40.000 Sauen:"
mit=$("$dir/bench/porvanta_startzeit" "$tmp/herde" 2>/dev/null)
grep -v '^rss_kib' <<<"$mit"
echo
echo "Programmstart ohne Herde:"
ohne=$("$dir/bench/porvanta_startzeit" "$tmp/leer" 2>/dev/null)
grep -v '^rss_kib' <<<"$ohne"

echo
echo "Wartezeiten mit 40.000 Sauen (Übersicht und Arbeitsplan offen; bis gespeichert und die Fenster erneuert):"
"$dir/bench/porvanta_wartezeit" "$tmp/herde" 2024-03-10 2>/dev/null

echo
echo "Buchung aus dem Stall (HTTP bis gespeichert):"
"$dir/bench/porvanta_stallzeit" $(printf '%s\n' "$@" | grep -e '^--groessen=' || true) 2>/dev/null

echo
echo "Arbeitsplan mit 40.000 Sauen (Plan bis gezeichnet, Rollen, ganzer Plan als PDF):"
"$dir/bench/porvanta_planzeit" "$tmp/herde" 2024-03-11 2>/dev/null

rss_mit=$(awk '/^rss_kib/ {print $2}' <<<"$mit")
rss_ohne=$(awk '/^rss_kib/ {print $2}' <<<"$ohne")
datei=$(stat -c %s "$tmp/herde/SAUWURF.DAT")
echo
awk -v m="$rss_mit" -v o="$rss_ohne" -v d="$datei" 'BEGIN {
    basis = o + d / 1024
    printf "RSS mit Herde %.1f MiB / (Datei %.1f MiB + leeres Programm %.1f MiB) = %.2f (Ziel <= 1.3)\n",
        m / 1024, d / 1048576, o / 1024, m / basis
}'
