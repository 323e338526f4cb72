#!/usr/bin/env bash
# Checks that every C++ file of the tree follows .clang-format; lists the files that do not.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
