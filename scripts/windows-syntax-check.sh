#!/usr/bin/env bash
# Compiles every Windows-only source with the MinGW-w64 cross compiler against
# Debian's Qt headers, syntax only: those that need Qt are built nowhere else,
# so a slip in them fails here. Silent when they pass; fails when the cross
# compiler (installed by scripts/test) is missing.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
compiler=x86_64-w64-mingw32-g++-posix
if ! command -v "$compiler" >/dev/null; then
    echo "windows-syntax-check: $compiler is missing (package g++-mingw-w64-x86-64-posix)" >&2
    exit 1
fi

cd "$root"
mapfile -t sources < <(find ui orvakit -name '*-windows.cpp' -o -name 'windows-*.cpp' | sort)
# Qt's and JsonCpp's headers as system headers: what they warn about under
# MinGW (Linux builds of Qt declare no DLL imports) is not ours to fix.
read -r -a packages < <(pkg-config --cflags Qt5Widgets jsoncpp | sed 's/-I/-isystem /g')
includes=(-Iorvakit -Iui/app -Iui/log -Iui/channel)
for source in "${sources[@]}"; do
    "$compiler" -std=c++17 -Wall -Wextra -Werror -fsyntax-only "${includes[@]}" "${packages[@]}" "$source"
done
