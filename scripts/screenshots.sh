#!/usr/bin/env bash
# Starts the program headless and saves a PNG of every window into shots/
# (or the folder given).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
build/tools/velkor_screenshots "${1:-shots}"
