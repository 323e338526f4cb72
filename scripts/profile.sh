#!/usr/bin/env bash
# Profiles one action of the measurements with perf: samples are taken only while the action
# runs (not its preparation), on the catalogue of the given size, and the top lines are printed,
# by own time and with callees.
#   scripts/profile.sh 50000 "KqRezepte"
# Arguments: the catalogue size (written by scripts/bench.sh), the measurement's name as in the
# table. VELKOR_PROFIL_ZEILEN sets how many lines of each list are printed (default 25).
set -euo pipefail
cd "$(dirname "$0")/.."
anzahl=$1
aktion=$2
zeilen=${VELKOR_PROFIL_ZEILEN:-25}
if ! command -v perf >/dev/null; then
    apt-get update -qq && apt-get install -y -qq linux-perf >/dev/null
fi
cmake --preset bench >/dev/null
cmake --build --preset bench --target velkor_bench >/dev/null
katalog=build-bench/bench/kataloge/katalog-$anzahl.mdb
[[ -f $katalog ]] || build-bench/bench/velkor_bench "$anzahl" >/dev/null || true
ordner=$(mktemp -d)
trap 'rm -rf "$ordner"' EXIT
mkfifo "$ordner/steuerung" "$ordner/antwort"
export QT_QPA_PLATFORM=offscreen VELKOR_PROFIL="$aktion" VELKOR_PROFIL_ORDNER="$ordner"
perf record -q -D -1 --control "fifo:$ordner/steuerung,$ordner/antwort" -F 4000 \
    --call-graph dwarf,32768 -o "$ordner/perf.data" -- \
    build-bench/bench/velkor_bench --messen "$katalog" | grep -F "$aktion"
for art in --no-children --children; do
    echo "== $aktion, $anzahl Cocktails, $art"
    perf report -i "$ordner/perf.data" $art --stdio -g none --percent-limit 0.5 \
        --sort dso,symbol 2>/dev/null | grep -v -e '^#' -e '^$' -e '(inlined)' -e 'std::function' \
        -e '_start' -e 'main$' -e 'Messe' | sed -e 's/  *- *- *$//' | cut -c1-120 | head -n "$zeilen"
done
