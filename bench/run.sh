#!/usr/bin/env bash
# Builds the benchmarks (Release, in build-bench/) and runs them: loading, saving, the
# selection rebuild and its sorts, the work plan and the herd evaluation "Auswahl" against
# their baselines on demo herds of 1,000, 10,000 and 40,000 sows; then the memory with the
# largest of these herds loaded, the start-up of the program on it, the waits for saving, a
# card and a batch weaning in the real windows, a booking from the barn page, and the work
# plan on it; and the feed optimiser on 10,000 random mixes.
# Arguments go to the benchmark program; --groessen also sets the herd of the later parts to
# its largest size, e.g.
#   bench/run.sh --groessen=40000 --benchmark_filter='Laden|lesen'
#   JOBS=1 bench/run.sh --groessen=100000
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

groessen=$(printf '%s\n' "$@" | sed -n 's/^--groessen=//p' | tail -n 1)
sauen=$(tr ',' '\n' <<<"${groessen:-40000}" | sort -n | tail -n 1)
punkt=$(sed ':a;s/\B[0-9]\{3\}\>/.&/;ta' <<<"$sauen")

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
"$dir/tools/demoherde" "$tmp/herde" "$sauen" --seed 1 --heute 2024-03-10 >/dev/null
mkdir "$tmp/leer"
export QT_QPA_PLATFORM=offscreen

echo
echo "Speicher, Kern allein (HerdeLaden, dann die Auswahl):"
speicher=$("$dir/bench/porvanta_speicher" "$tmp/herde")
grep -v '^laden_ms' <<<"$speicher"

echo
echo "Programmstart mit $punkt Sauen:"
mit=$("$dir/bench/porvanta_startzeit" "$tmp/herde" 2>/dev/null)
grep -v -e '^rss_kib' -e '^fenster_ms' <<<"$mit"
echo
echo "Programmstart ohne Herde:"
ohne=$("$dir/bench/porvanta_startzeit" "$tmp/leer" 2>/dev/null)
grep -v -e '^rss_kib' -e '^fenster_ms' <<<"$ohne"

echo
echo "Wartezeiten mit $punkt Sauen (Übersicht und Arbeitsplan offen; bis gespeichert und die Fenster erneuert):"
"$dir/bench/porvanta_wartezeit" "$tmp/herde" 2024-03-10 2>/dev/null

echo
echo "Buchung aus dem Stall (HTTP bis gespeichert):"
"$dir/bench/porvanta_stallzeit" $(printf '%s\n' "$@" | grep -e '^--groessen=' || true) 2>/dev/null

echo
echo "Arbeitsplan mit $punkt Sauen (Plan bis gezeichnet, Rollen, ganzer Plan als PDF):"
"$dir/bench/porvanta_planzeit" "$tmp/herde" 2024-03-11 2>/dev/null

fenster_mit=$(awk '/^fenster_ms/ {print $2}' <<<"$mit")
fenster_ohne=$(awk '/^fenster_ms/ {print $2}' <<<"$ohne")
laden=$(awk '/^laden_ms/ {print $2}' <<<"$speicher")
rss_mit=$(awk '/^rss_kib/ {print $2}' <<<"$mit")
rss_ohne=$(awk '/^rss_kib/ {print $2}' <<<"$ohne")
datei=$(stat -c %s "$tmp/herde/SAUWURF.DAT")
echo
awk -v m="$rss_mit" -v o="$rss_ohne" -v d="$datei" 'BEGIN {
    basis = o + d / 1024
    printf "RSS mit Herde %.1f MiB / (Datei %.1f MiB + leeres Programm %.1f MiB) = %.2f (Ziel <= 1.1)\n",
        m / 1024, d / 1048576, o / 1024, m / basis
}'
awk -v m="$fenster_mit" -v o="$fenster_ohne" -v l="$laden" 'BEGIN {
    printf "Start mit Herde %.1f ms / (leerer Start %.1f ms + Laden %.1f ms) = %.2f (Ziel <= 1.2)\n",
        m, o, l, m / (o + l)
}'
