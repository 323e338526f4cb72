#!/usr/bin/env bash
# Starts the program headless and saves a PNG of every window into shots/
# (or the folder given) at 100 % scaling, and into its subfolder 200/ at 200 %; then the web
# site's start page and one recipe page as headless Chromium shows them.
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
# The web site of the starter catalogue, as a browser shows its start page and a recipe.
site=$(mktemp -d)
trap 'rm -rf "$site"' EXIT
cp build/starter/Cocktails.mdb "$site/Cocktails.mdb"
build/tools/velkor_homepage "$site/Cocktails.mdb" "$site/homepage" >/dev/null
rezept=$(grep -o 'href="cocktail/[0-9]*\.html">Mojito<' "$site/homepage/index.html" | cut -d'"' -f2)
for seite in "index.html Homepage-Start" "$rezept Homepage-Rezept"; do
  set -- $seite
  chromium --headless --no-sandbox --disable-gpu --hide-scrollbars --window-size=900,1000 \
    --screenshot="$(realpath "$folder")/$2.png" "file://$site/homepage/$1" 2>/dev/null
done
