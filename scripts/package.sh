#!/usr/bin/env bash
# Installs what is missing, builds, and writes the Debian package velkor-db_<Version>_<Arch>.deb
# into paket/ (or the folder given). Install it with: sudo apt install ./paket/velkor-db_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
ziel=$(readlink -f "${1:-paket}")
(cd build && cpack -G DEB -B "$ziel")
rm -rf "$ziel/_CPack_Packages"
ls "$ziel"/velkor-db_*.deb
