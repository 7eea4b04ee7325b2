#!/usr/bin/env bash
# Compiles the service channel's Windows-only sources with the MinGW-w64 cross
# compiler, syntax only, since they are never built on Linux. Silent when they
# pass; skipped when the cross compiler (g++-mingw-w64-x86-64) is not installed.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
compiler=x86_64-w64-mingw32-g++
command -v "$compiler" >/dev/null || exit 0

sources=(ui/channel/windows-connection.cpp ui/channel/service-pipe-windows.cpp)
# shellcheck disable=SC2046  # pkg-config prints several flags
for source in "${sources[@]}"; do
    "$compiler" -std=c++17 -Wall -Wextra -Werror -fsyntax-only -I"$root/ui/log" -I"$root/ui/channel" \
        $(pkg-config --cflags Qt5Core jsoncpp) "$root/$source"
done
