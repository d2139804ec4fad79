#!/usr/bin/env bash
# Configures and builds the native test build and the Windows build.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${MERROWIN_BUILD:-$root/build}"
jobs="$(nproc)"
if [ ! -f "$build/native/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build/native" -DCMAKE_BUILD_TYPE=Debug -Wno-dev >/dev/null
fi
if [ ! -f "$build/win/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build/win" -DCMAKE_BUILD_TYPE=Release -Wno-dev \
          -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
fi
# Quiet when all is well; the compiler's words when it is not.
for tree in native win; do
    if ! cmake --build "$build/$tree" -j "$jobs" >"$build/$tree-build.log" 2>&1; then
        cat "$build/$tree-build.log" >&2
        exit 1
    fi
done
