#!/usr/bin/env bash
# Installs what the fuzz target of the store needs beyond the normal build
# (scripts/install-deps.sh): clang and its runtime libraries, among them
# libFuzzer (libclang_rt.fuzzer, in libclang-rt-14-dev on Debian 12) and the
# sanitizers. Only what is missing; needs root (or sudo).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

packages=(clang libclang-rt-14-dev)

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
