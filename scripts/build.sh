#!/usr/bin/env bash
# Configures and builds one or both configurations: native (portable code and its unit tests, with
# sanitizers) and cross (the Windows programs and the tests that run under Wine).
# Usage: scripts/build.sh [native|cross|all]   (build folders: build/native, build/cross)
set -eu
root="$(cd "$(dirname "$0")/.." && pwd)"
which="${1:-all}"
jobs="${TORVA_JOBS:-2}"
build_dir="${TORVA_BUILD_DIR:-$root/build}"
if [ "$which" = native ] || [ "$which" = all ]; then
    cmake -S "$root" -B "$build_dir/native" -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
    cmake --build "$build_dir/native" -j "$jobs"
fi
if [ "$which" = cross ] || [ "$which" = all ]; then
    cmake -S "$root" -B "$build_dir/cross" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw.cmake" >/dev/null
    cmake --build "$build_dir/cross" -j "$jobs"
fi
