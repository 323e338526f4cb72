#!/usr/bin/env bash
# Puts each deliberate fault of scripts/mutationen.txt into a scratch copy of the working tree,
# rebuilds what it must, runs the tests and says whether they caught it:
#   scripts/mutations.sh [Name ...]
# Without names every fault of the list is tried. The scratch copy and its build live in
# VELKOR_MUTATION_SCRATCH (default /tmp/velkor-mutationen) and are reused, so later runs build
# only what a fault changes. VELKOR_MUTATION_TESTS (a ctest -R pattern) limits the tests run;
# the package test is never run. Prints one line per fault, the figures and the faults only one
# test catches; exits non-zero when a fault was not caught or does not build, or the tests fail
# without any fault.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
scratch="${VELKOR_MUTATION_SCRATCH:-/tmp/velkor-mutationen}"
tests="${VELKOR_MUTATION_TESTS:-.}"
liste="$root/scripts/mutationen.txt"

scripts/install-deps.sh
mkdir -p "$scratch/baum"
# The working tree as it is (committed or not), without build folders. Only files whose content
# differs from the former copy are written (with the time of now, so the build sees them even
# when the build is newer than the edit); what the tree no longer holds goes.
rm -rf "$scratch/neu"
mkdir -p "$scratch/neu"
git ls-files -z --cached --others --exclude-standard |
  tar --null --ignore-failed-read -T - -cf - 2>/dev/null | tar -xf - -C "$scratch/neu"
(cd "$scratch/neu" && find . -type f -print0) | while IFS= read -r -d '' f; do
  if ! cmp -s "$scratch/neu/$f" "$scratch/baum/$f"; then
    mkdir -p "$(dirname "$scratch/baum/$f")"
    cp "$scratch/neu/$f" "$scratch/baum/$f"
  fi
done
(cd "$scratch/baum" && find . -path ./build -prune -o -type f -print0) |
  while IFS= read -r -d '' f; do [ -e "$scratch/neu/$f" ] || rm -f "$scratch/baum/$f"; done
rm -rf "$scratch/neu"
cd "$scratch/baum"
# A run stopped with a fault in place left it in the build; the file's kept time hides it.
if [ -f "$scratch/offen" ]; then touch "$(cat "$scratch/offen")"; fi
rm -f "$scratch/offen"
cmake --preset default >/dev/null

bauen() { cmake --build --preset default >"$scratch/bau.log" 2>&1; }
prüfen() {
  (cd build && QT_QPA_PLATFORM=offscreen ctest -j2 -R "$tests" -E '^package$' --timeout 600 \
    >"$scratch/test.log" 2>&1)
}
gescheitert() { grep -E '^\s+[0-9]+ - ' "$scratch/test.log" | awk '{print $3}' | paste -sd, -; }

bauen || { echo "Der unveränderte Baum baut nicht: $scratch/bau.log"; exit 2; }
prüfen || { echo "Schon ohne Fehler scheitern Tests: $(gescheitert)"; exit 2; }

# Puts a fault into a file: file original replacement.
einbauen() {
  /usr/bin/python3 - "$@" <<'PY'
import sys
datei, alt, neu = sys.argv[1], *(a.replace('\\n', '\n') for a in sys.argv[2:4])
text = open(datei, encoding='utf-8').read()
if text.count(alt) != 1:
    sys.exit(f'{datei}: der Text kommt {text.count(alt)}-mal vor: {alt!r}')
open(datei, 'w', encoding='utf-8').write(text.replace(alt, neu))
PY
}

gefangen=0
entkommen=0
kaputt=0
versucht=0
einzeln=()
while IFS= read -r zeile; do
  [[ -z "$zeile" || "$zeile" == \#* ]] && continue
  IFS=$'\x1f' read -r name datei alt neu warum <<<"${zeile// ¦ /$'\x1f'}"
  if [ $# -gt 0 ] && [[ " $* " != *" $name "* ]]; then continue; fi
  versucht=$((versucht + 1))
  cp -p "$datei" "$scratch/original"
  echo "$datei" >"$scratch/offen"
  einbauen "$datei" "$alt" "$neu"
  if ! bauen; then
    ergebnis="BAUT NICHT"
    kaputt=$((kaputt + 1))
  elif prüfen; then
    ergebnis="NICHT GEFANGEN"
    entkommen=$((entkommen + 1))
  else
    fang=$(gescheitert)
    ergebnis="gefangen von $fang"
    gefangen=$((gefangen + 1))
    [[ "$fang" == *,* ]] || einzeln+=("$name ($fang)")
  fi
  cp "$scratch/original" "$datei"
  rm -f "$scratch/offen"
  printf '%-22s %s (%s)\n' "$name" "$ergebnis" "$warum"
done <"$liste"
bauen
echo "$versucht Fehler: $gefangen gefangen, $entkommen nicht gefangen, $kaputt bauen nicht"
if [ ${#einzeln[@]} -gt 0 ]; then
  echo "Nur ein Test fängt: ${einzeln[*]}"
fi
[ "$entkommen" -eq 0 ] && [ "$kaputt" -eq 0 ]
