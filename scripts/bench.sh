#!/usr/bin/env bash
# Figures of the definition benchmark (reading, validating, writing and encoding a full 99-page
# definition) from optimised builds without sanitizers: natively with the portable codec, and as the
# Windows program under Wine with the system's code page conversion, in one run, then side by side.
# Usage: scripts/bench.sh [--repetitions=N] [--min-time=SECONDS] [--filter=TEXT]
# Folders: build/bench-native and build/bench-cross (their own Wine prefix); no display is needed.
set -eu -o pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build_dir="${TORVA_BUILD_DIR:-$root/build}"
jobs="${TORVA_JOBS:-2}"
native="$build_dir/bench-native"
cross="$build_dir/bench-cross"

cmake -S "$root" -B "$native" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTORVA_SANITIZE=OFF >/dev/null
cmake --build "$native" --target bench_definition -j "$jobs" >/dev/null
cmake -S "$root" -B "$cross" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTORVA_TEST_HOOKS=OFF \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw.cmake" >/dev/null
cmake --build "$cross" --target bench_definition -j "$jobs" >/dev/null

out="$(mktemp -d)"
export WINEPREFIX="$cross/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
trap 'wineserver -k >/dev/null 2>&1 || true; rm -rf "$out"' EXIT
source "$root/scripts/wine-env.sh"
torva_ensure_prefix

"$native/bin/bench_definition" "$@" | tee "$out/native"
echo
wine "$cross/bin/bench_definition.exe" "$@" | tr -d '\r' | tee "$out/wine"
echo
# Lines of figures are those whose second column is a number: case, cpu ms, MB/s.
awk 'FNR == NR { if ($2 ~ /^[0-9.]+$/) { ms[$1] = $2; rate[$1] = $3; order[++n] = $1 } next }
     $2 ~ /^[0-9.]+$/ { wms[$1] = $2; wrate[$1] = $3 }
     END {
         printf "%-14s %12s %12s %12s %12s\n", "case", "native ms", "native MB/s", "Wine ms", "Wine MB/s"
         for (i = 1; i <= n; ++i) {
             c = order[i]
             printf "%-14s %12s %12s %12s %12s\n", c, ms[c], rate[c], (c in wms) ? wms[c] : "-",
                    (c in wrate) ? wrate[c] : "-"
         }
     }' "$out/native" "$out/wine"
