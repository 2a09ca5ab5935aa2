#!/usr/bin/env bash
# Fails when a C or C++ source of the repository is not clang-format clean.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null || { echo "clang-format is not installed" >&2; exit 1; }
git ls-files -z '*.c' '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
echo "all sources are clang-format clean"
