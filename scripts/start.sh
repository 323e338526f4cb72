#!/usr/bin/env bash
# Installs what is missing, builds, and starts Velkor-DB on the database beside it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
exec build/velkor
