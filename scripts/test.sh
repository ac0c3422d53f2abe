#!/usr/bin/env bash
# Builds everything and runs every test under Wine. Usage: scripts/test.sh [build-dir]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build}

"$root/scripts/deps.sh"
cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake"
cmake --build "$build" -j"$(nproc)"

"$root/scripts/winenv" up "$build"
trap '"$root/scripts/winenv" down "$build"' EXIT
ctest --test-dir "$build" --output-on-failure -j"$(nproc)" --timeout 120
