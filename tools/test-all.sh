#!/usr/bin/env bash
# Builds the three builds and runs every test: unit tests under ASan+UBSan,
# the fuzz runs, the static checks of the i686 build and the end-to-end
# scenarios under Wine, all from one ctest run.
set -euo pipefail
cd "$(dirname "$0")/.."

jobs=${TAVRIK_JOBS:-2}

for preset in win64 win32 native-asan; do
    echo "=== build: $preset"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$jobs"
done

echo "=== tests"
ctest --preset native-asan -j "$jobs" "$@"
