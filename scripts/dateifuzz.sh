#!/usr/bin/env bash
# Opens many random Cocktails.mdb files with the program, window by window (tests/dateien):
#   scripts/dateifuzz.sh [Anzahl] [erster Keim] [Preset]
# Anzahl defaults to 300 files from seed 1; Preset "asan" runs them under the address and
# undefined-behaviour sanitizers. Installs and builds what is missing, runs the files in portions
# and every portion that fails once more file by file: each failing file's filling goes to a
# scratch folder (VELKOR_DATEIEN_SCRATCH, or a new one under /tmp), ready to be kept in
# tests/dateien/regressions/ with its fix. Prints the figures; exits non-zero on a finding.
set -euo pipefail
cd "$(dirname "$0")/.."
anzahl="${1:-300}"
erster="${2:-1}"
preset="${3:-default}"
portion=25

scripts/install-deps.sh
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target dateien_tests
bin="$PWD/$([ "$preset" = asan ] && echo build-asan || echo build)/tests/dateien_tests"

scratch="${VELKOR_DATEIEN_SCRATCH:-$(mktemp -d /tmp/velkor-dateien.XXXXXX)}"
mkdir -p "$scratch/lauf"
echo "$anzahl Dateien ab Keim $erster ($preset); Funde und Protokoll in $scratch"

# Runs n files from seed k; true when all went well.
lauf() {
  VELKOR_DATEIEN="$2" VELKOR_DATEIEN_KEIM="$1" VELKOR_DATEIEN_ABLAGE="$scratch/lauf" \
    QT_QPA_PLATFORM=offscreen timeout 900 "$bin" --gtest_filter='DateiFuzz.*' \
    >>"$scratch/protokoll.log" 2>&1
}

funde=0
beginn=$(date +%s)
ende=$((erster + anzahl))
for ((k = erster; k < ende; k += portion)); do
  n=$((ende - k < portion ? ende - k : portion))
  lauf "$k" "$n" && continue
  for ((j = k; j < k + n; j++)); do
    if ! lauf "$j" 1; then
      cp "$scratch/lauf/keim-$j.sql" "$scratch/fund-keim-$j.sql"
      echo "Fund: Keim $j ($scratch/fund-keim-$j.sql)"
      funde=$((funde + 1))
    fi
  done
done
echo "$anzahl Dateien in $(($(date +%s) - beginn)) s, $funde Funde"
[ "$funde" -eq 0 ]
