#!/usr/bin/env bash
# Builds the definition reader's libFuzzer target in a separate native clang configuration and runs it
# for a bounded time. Usage: tests/fuzz/definition/run_clang_fuzz.sh [seconds]   (default 60)
set -eu
root="$(cd "$(dirname "$0")/../../.." && pwd)"
seconds="${1:-60}"
build="${TORVA_BUILD_DIR:-$root/build}/fuzz-clang"
if ! command -v clang++ >/dev/null; then
    echo "clang++ is not installed: the GCC build replays the seeds instead" >&2
    exit 0
fi
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target fuzz_definition_reader -j "${TORVA_JOBS:-2}"
found="$build/tests/fuzz/definition/corpus_found"
mkdir -p "$found"
"$build/bin/fuzz_definition_reader" -max_total_time="$seconds" -max_len=8192 -timeout=10 "$found" \
    "$root/tests/fuzz/definition/corpus"
