#!/usr/bin/env bash
# Fuzzes the store (tests/fuzz/FuzzStore.cpp) for the given number of seconds
# (default 60) on one core: installs clang if missing, builds the preset "fuzz"
# into build-fuzz/ and runs libFuzzer from the seed corpus and the kept
# regression inputs. New corpus entries, findings and the full log go to a
# scratch folder outside the repository (VELKOR_FUZZ_SCRATCH, or a new one
# under /tmp), never into tests/fuzz. Prints libFuzzer's final figures; exits
# non-zero when it found something.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
seconds="${1:-60}"

scripts/install-fuzz-deps.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

scratch="${VELKOR_FUZZ_SCRATCH:-$(mktemp -d /tmp/velkor-fuzz.XXXXXX)}"
mkdir -p "$scratch/corpus" "$scratch/findings" "$scratch/tmp"
log="$scratch/fuzz.log"
echo "Fuzzing for ${seconds} s; corpus, findings and log in $scratch"

status=0
# The fuzz database lives in a temporary folder under the scratch folder.
(cd "$scratch" && TMPDIR="$scratch/tmp" "$root/build-fuzz/velkor_fuzz_store" \
  -max_total_time="$seconds" -max_len=1024 -timeout=30 -rss_limit_mb=2048 \
  -dict="$root/tests/fuzz/store.dict" -artifact_prefix="$scratch/findings/" \
  -print_final_stats=1 \
  "$scratch/corpus" "$root/tests/fuzz/corpus" "$root/tests/fuzz/regressions") \
  >"$log" 2>&1 || status=$?

# libFuzzer's last status line and its final figures.
grep -E '^#[0-9]+' "$log" | tail -n 1 || true
grep -E '^(Done [0-9]+ runs|stat::)' "$log" || true
if [ "$status" -ne 0 ] || [ -n "$(ls -A "$scratch/findings")" ]; then
  echo "FUND (exit $status): $(ls "$scratch/findings")"
  grep -E 'FUZZ INVARIANT|ERROR: |SUMMARY: |runtime error' -A2 "$log" | head -n 40 || true
  exit 1
fi
echo "Keine Funde."
