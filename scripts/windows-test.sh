#!/usr/bin/env bash
# Cross-builds the Windows parts into build-windows/ (tests/windows): those
# that need no Qt into programs, whose tests then run under Wine, the others
# against Debian's Qt headers, compiled only. Needs the MinGW-w64 cross
# compiler and Wine, which scripts/test installs; ctest arguments are passed on.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$root/build-windows

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root/tests/windows" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build" --parallel "$(nproc)"
cd "$build"
ctest --output-on-failure "$@"
