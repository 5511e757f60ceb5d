#!/usr/bin/env bash
# Configures and builds the configurations: native (portable code and its unit tests, with sanitizers),
# cross (the test build: the Windows programs with the test hooks on and the tests that run them under
# Wine) and release (the Windows programs as users install them: test hooks off, no tests run).
# Usage: scripts/build.sh [native|cross|all|release]   (folders: build/native, build/cross, build/release)
# "all" is native and cross, what the test command needs.
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
    cmake -S "$root" -B "$build_dir/cross" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTORVA_TEST_HOOKS=ON \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw.cmake" >/dev/null
    cmake --build "$build_dir/cross" -j "$jobs"
fi
if [ "$which" = release ]; then
    cmake -S "$root" -B "$build_dir/release" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTORVA_TEST_HOOKS=OFF \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw.cmake" >/dev/null
    cmake --build "$build_dir/release" -j "$jobs"
fi
