#!/usr/bin/env bash
# Configures and builds Velkor-DB into build/ (program, Cocktails.mdb, tests).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset default >/dev/null
cmake --build --preset default
