#!/usr/bin/env bash
# Installs what is missing, builds the measurements and prints the table of every action on
# made-up catalogues of 100 to 50,000 cocktails (written once into build-bench/bench/kataloge).
# Arguments: the catalogue sizes to measure (default 100 1000 10000 50000).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset bench >/dev/null
cmake --build --preset bench --target velkor_bench
export QT_QPA_PLATFORM=offscreen
build-bench/bench/velkor_bench "$@"
