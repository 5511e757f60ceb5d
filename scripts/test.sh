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
set -o pipefail

# Without a display, each Wine lane gets a virtual one; only the servers started here are stopped at
# the end, by their process ids.
started_x=()
lane1_display=""
lane2_display=""
start_display() {
    local rc=0
    torva_start_display "$1" || rc=$?
    [ -n "$TORVA_STARTED_XVFB_PID" ] && started_x+=("$TORVA_STARTED_XVFB_PID")
    return $rc
}
cleanup() {
    WINEPREFIX="$build_dir/cross/wineprefix" wineserver -k >/dev/null 2>&1 || true
    WINEPREFIX="$build_dir/cross/wineprefix-lane2" wineserver -k >/dev/null 2>&1 || true
    local pid
    for pid in "${started_x[@]}"; do
        torva_stop_display "$pid"
    done
}
trap cleanup EXIT
if [ -z "${DISPLAY:-}" ]; then
    lane1_display="${TORVA_XVFB_DISPLAY:-96}"
    lane2_display=$((lane1_display + 1))
    start_display "$lane1_display"
    start_display "$lane2_display"
    export DISPLAY=":$lane1_display"
fi

# Each CTest run is judged by its exit code; its log is kept for the summary at the end.
status=0
logs="$build_dir/test-logs"
mkdir -p "$logs"
echo "== native unit tests =="
ctest --test-dir "$build_dir/native" --output-on-failure --no-tests=error -j 2 2>&1 | tee "$logs/native.log" ||
    status=1

# The fuzz targets once more as coverage-guided libFuzzer runs, bounded in time, in a clang build
# of their own (ASan+UBSan as well); the native build above only replays their seeds.
echo "== libFuzzer runs (clang) =="
CC=clang CXX=clang++ cmake -S "$root" -B "$build_dir/fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fuzz_targets=$(ctest --test-dir "$build_dir/fuzz" -N -L fuzz | sed -n 's/^ *Test *#[0-9]*: //p')
# shellcheck disable=SC2086
cmake --build "$build_dir/fuzz" -j "${TORVA_JOBS:-2}" --target $fuzz_targets
ctest --test-dir "$build_dir/fuzz" --output-on-failure --no-tests=error -L fuzz 2>&1 | tee "$logs/fuzz.log" ||
    status=1

# The Windows tests mostly wait on windows and timers, so they run in two lanes side by side: the
# two longest suites (activation, editor dialogs) in a Wine prefix and on a display of their own,
# everything else in the other.
# Separate prefixes mean separate Wine servers, so mailslots, registries and focus never mix.
echo "== Win32 and end-to-end tests under Wine =="
lane2_tests='^(e2e_activation|e2e_tvsetup_dialogs)$'
(
    export TORVA_WINEPREFIX="$build_dir/cross/wineprefix-lane2"
    [ -n "$lane2_display" ] && export DISPLAY=":$lane2_display"
    exec ctest --test-dir "$build_dir/cross" --output-on-failure --no-tests=error -R "$lane2_tests" \
        >"$logs/lane2.log" 2>&1
) &
lane2=$!
ctest --test-dir "$build_dir/cross" --output-on-failure --no-tests=error -E "$lane2_tests" 2>&1 |
    tee "$logs/lane1.log" || status=1
wait "$lane2" || status=1
cat "$logs/lane2.log"

# A summary of the counts; the verdict above comes from the exit codes alone. grep -c exits 1 when it
# counts nothing: a count of 0 is not a failure here.
passed=$(cat "$logs"/native.log "$logs"/fuzz.log "$logs"/lane1.log "$logs"/lane2.log | grep -cE 'Test +#[0-9]+: .* Passed' || true)
failed=$(cat "$logs"/native.log "$logs"/fuzz.log "$logs"/lane1.log "$logs"/lane2.log |
    grep -cE 'Test +#[0-9]+: .*(Failed|Timeout|Exception|Not Run)' || true)
echo "Total: $passed passed, $failed failed"
[ "$status" -eq 0 ] && echo "All test runs passed." || echo "Some test run failed: see $logs."
exit $status
