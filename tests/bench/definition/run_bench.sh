#!/usr/bin/env bash
# Builds the definition benchmark in an optimised native configuration without sanitizers and runs it.
# Usage: tests/bench/definition/run_bench.sh [benchmark options]
set -eu
root="$(cd "$(dirname "$0")/../../.." && pwd)"
build="${TORVA_BUILD_DIR:-$root/build}/bench-release"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTORVA_SANITIZE=OFF >/dev/null
cmake --build "$build" --target bench_definition -j "${TORVA_JOBS:-2}"
"$build/bin/bench_definition" "$@"
