#!/usr/bin/env bash
# The whole proof in one command: install what is missing, build both configurations, run every
# test (native unit tests, then the Win32 and end-to-end tests under Wine on a virtual display).
set -eu
root="$(cd "$(dirname "$0")/.." && pwd)"
build_dir="${TORVA_BUILD_DIR:-$root/build}"
"$root/scripts/deps.sh"
"$root/scripts/build.sh" all

export WINEPREFIX="$build_dir/cross/wineprefix"
source "$root/scripts/wine-env.sh"
started_x=""
if [ -z "${DISPLAY:-}" ]; then
    export TORVA_XVFB_DISPLAY="${TORVA_XVFB_DISPLAY:-96}"
    [ -e "/tmp/.X11-unix/X${TORVA_XVFB_DISPLAY}" ] || started_x=yes
    torva_ensure_display
fi
cleanup() {
    WINEPREFIX="$build_dir/cross/wineprefix" wineserver -k >/dev/null 2>&1 || true
    WINEPREFIX="$build_dir/cross/wineprefix-lane2" wineserver -k >/dev/null 2>&1 || true
    if [ -n "$started_x" ]; then
        pkill -f "Xvfb :${TORVA_XVFB_DISPLAY} " >/dev/null 2>&1 || true
        pkill -f "Xvfb :$(( TORVA_XVFB_DISPLAY + 1 )) " >/dev/null 2>&1 || true
    fi
}
trap cleanup EXIT

status=0
logs="$build_dir/test-logs"
mkdir -p "$logs"
echo "== native unit tests =="
ctest --test-dir "$build_dir/native" --output-on-failure -j 2 2>&1 | tee "$logs/native.log" || true
grep -q " 0 tests failed out of" "$logs/native.log" || status=1

# The fuzz targets once more as coverage-guided libFuzzer runs, bounded in time, in a clang build
# of their own (ASan+UBSan as well); the native build above only replays their seeds.
echo "== libFuzzer runs (clang) =="
CC=clang CXX=clang++ cmake -S "$root" -B "$build_dir/fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fuzz_targets=$(ctest --test-dir "$build_dir/fuzz" -N -L fuzz | sed -n 's/^ *Test *#[0-9]*: //p')
# shellcheck disable=SC2086
cmake --build "$build_dir/fuzz" -j "${TORVA_JOBS:-2}" --target $fuzz_targets
ctest --test-dir "$build_dir/fuzz" --output-on-failure -L fuzz 2>&1 | tee "$logs/fuzz.log" || true
grep -q " 0 tests failed out of" "$logs/fuzz.log" || status=1

# The Windows tests mostly wait on windows and timers, so they run in two lanes side by side: the
# long activation suite in a Wine prefix and on a display of its own, everything else in the other.
# Separate prefixes mean separate Wine servers, so mailslots, registries and focus never mix.
echo "== Win32 and end-to-end tests under Wine =="
lane2_display=$(( ${TORVA_XVFB_DISPLAY:-96} + 1 ))
(
    export TORVA_WINEPREFIX="$build_dir/cross/wineprefix-lane2"
    if [ -n "$started_x" ]; then
        unset DISPLAY
        TORVA_XVFB_DISPLAY=$lane2_display torva_ensure_display
    fi
    ctest --test-dir "$build_dir/cross" --output-on-failure -R '^e2e_activation$' >"$logs/lane2.log" 2>&1
) &
lane2=$!
ctest --test-dir "$build_dir/cross" --output-on-failure -E '^e2e_activation$' 2>&1 | tee "$logs/lane1.log" || true
wait "$lane2" || true
cat "$logs/lane2.log"
for log in lane1 lane2; do
    grep -q " 0 tests failed out of" "$logs/$log.log" || status=1
done

# grep -c exits 1 when it counts nothing: a count of 0 is not a failure here.
passed=$(cat "$logs"/native.log "$logs"/fuzz.log "$logs"/lane1.log "$logs"/lane2.log | grep -cE 'Test +#[0-9]+: .* Passed' || true)
failed=$(cat "$logs"/native.log "$logs"/fuzz.log "$logs"/lane1.log "$logs"/lane2.log |
    grep -cE 'Test +#[0-9]+: .*(Failed|Timeout|Exception|Not Run)' || true)
echo "Total: $passed passed, $failed failed"
[ "$failed" -eq 0 ] || status=1
exit $status
