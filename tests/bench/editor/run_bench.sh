#!/usr/bin/env bash
# Builds the editor benchmark in the cross configuration and runs it under Wine.
# Usage: tests/bench/editor/run_bench.sh [runs]
set -eu
root="$(cd "$(dirname "$0")/../../.." && pwd)"
build="${TORVA_BUILD_DIR:-$root/build}/cross"
"$root/scripts/build.sh" cross >/dev/null
cmake --build "$build" --target bench_editor -j "${TORVA_JOBS:-2}"
cd "$build/bin"
"$build/wine-run.sh" bench_editor.exe "$@"
