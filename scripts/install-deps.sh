#!/usr/bin/env bash
# Installs the Debian 12 packages Velkor-DB needs to build, run and test,
# and any further packages named as arguments, but only those that are
# missing. Needs root (or sudo).
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  qt6-translations-l10n qt6-qpa-plugins
  libsqlcipher-dev sqlcipher libssl-dev
  libgtest-dev libbenchmark-dev
  fonts-liberation2 fonts-dejavu-core
  xvfb xauth
  dbus at-spi2-core python3-pyatspi gir1.2-atspi-2.0 openbox
  clang-format tidy
  chromium poppler-utils
  dpkg-dev desktop-file-utils
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
