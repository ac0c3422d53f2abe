#!/usr/bin/env bash
# Builds the suite and runs it under Wine: on the user's display, or on a virtual one (then it
# saves screenshots to <build>/demo-shots). Usage: scripts/demo.sh [build-dir]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build}

"$root/scripts/deps.sh"
cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$build" -j"$(nproc)"

echo "Built into $build/bin:"
(cd "$build/bin" && find . -type f | sort | sed 's|^\./|  |')
