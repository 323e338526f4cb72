#!/usr/bin/env bash
# Installs what is missing, builds, and walks at random through the program's windows: a long
# walk (default 2000 steps) from one seed, or from seeds 1 to 5 when none is given. After every
# step the file is compared with the walk's model and every open window with the file. A failure
# names its seed, its step and the steps before it; such a seed belongs in the walk's list of
# seeds with its fix.
# Arguments: the number of steps, the seed.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
export QT_QPA_PLATFORM=offscreen
export VELKOR_WALK_SCHRITTE="${1:-2000}"
status=0
for keim in ${2:-$(seq 1 5)}; do
    VELKOR_WALK_KEIM="$keim" build/tests/walk_tests || status=1
done
exit $status
