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
    if [ -n "$started_x" ]; then pkill -f "Xvfb :${TORVA_XVFB_DISPLAY}" >/dev/null 2>&1 || true; fi
}
trap cleanup EXIT

status=0
echo "== native unit tests =="
ctest --test-dir "$build_dir/native" --output-on-failure -j 2 || status=1
echo "== Win32 and end-to-end tests under Wine =="
ctest --test-dir "$build_dir/cross" --output-on-failure || status=1
exit $status
