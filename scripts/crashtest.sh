#!/usr/bin/env bash
# Installs what is missing, builds, and kills the storing build of the program again and again
# on one file (default 200 times), checking the file after each kill.
# Argument: the number of kills.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
export QT_QPA_PLATFORM=offscreen
VELKOR_KILLS="${1:-200}" build/tests/crash_tests --gtest_filter='Absturz.*'
