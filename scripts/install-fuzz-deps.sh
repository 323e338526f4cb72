#!/usr/bin/env bash
# Installs what the fuzz target of the store needs beyond the normal build:
# clang and its runtime libraries, among them libFuzzer (libclang_rt.fuzzer,
# in libclang-rt-14-dev on Debian 12) and the sanitizers. Only what is
# missing; needs root (or sudo).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh clang libclang-rt-14-dev
