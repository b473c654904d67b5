#!/usr/bin/env bash
# Builds the host, the tools and every gauge module natively in build/, then the same
# modules as 32-bit Windows .gau files in build-win/ (their bitmaps come from build/).
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc 2>/dev/null || echo 2)

cmake -S . -B build -DGAUGE_WINDOWS_MODULES="$PWD/build-win/modules" >/dev/null
cmake --build build -j "$jobs"
toolchain=()
[ -f build-win/CMakeCache.txt ] || toolchain=(-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake)
cmake -S . -B build-win "${toolchain[@]}" -DGAUGE_BITMAP_DIR="$PWD/build/bitmaps" >/dev/null
cmake --build build-win -j "$jobs"
