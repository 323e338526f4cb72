#!/usr/bin/env bash
# Starts the program headless and saves a PNG of every window into shots/
# (or the folder given) at 100 % scaling, and into its subfolder 200/ at 200 %.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
folder="${1:-shots}"
# Only the scale factor differs between the two runs, whatever the desktop would set.
unset QT_SCREEN_SCALE_FACTORS QT_ENABLE_HIGHDPI_SCALING QT_FONT_DPI
export QT_QPA_PLATFORM=offscreen
QT_SCALE_FACTOR=1 build/tools/velkor_screenshots "$folder"
QT_SCALE_FACTOR=2 build/tools/velkor_screenshots "$folder/200"
