#!/usr/bin/env bash
# Screenshots of the bundled sample menu in each of the nine display modes, for looking at the
# drawing: build/screens/mode-N.png (N = 1..9). Runs under Wine's virtual desktop so that the
# windows get their frames and captions even without a window manager.
# Usage: scripts/screenshot-modes.sh [modes...]   (default: 1 2 3 4 5 6 7 8 9)
set -eu
root="$(cd "$(dirname "$0")/.." && pwd)"
build_dir="${TORVA_BUILD_DIR:-$root/build}"
modes=("$@")
[ ${#modes[@]} -eq 0 ] && modes=(1 2 3 4 5 6 7 8 9)
if [ ! -x "$build_dir/cross/bin/Torva.exe" ] || [ -z "${TORVA_NO_BUILD:-}" ]; then
    "$root/scripts/build.sh" cross
fi
export WINEPREFIX="$build_dir/cross/wineprefix"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
source "$root/scripts/wine-env.sh"
unset DISPLAY
torva_ensure_display
started_x="${TORVA_STARTED_XVFB_PID:-}"
torva_ensure_prefix
bin="$build_dir/cross/bin"
out="$build_dir/screens"
mkdir -p "$out"
work="$(mktemp -d)"
# The work folder and a virtual display started for this run (by its process id) go with it.
trap 'rm -rf "$work"; [ -n "$started_x" ] && kill "$started_x" 2>/dev/null; true' EXIT
cp "$bin/Torva.exe" "$bin/TORVABG.BMP" "$work/"
for mode in "${modes[@]}"; do
    # The sample with its display mode line changed; the file is Shift-JIS, the line is ASCII.
    sed "s/^\[MODE[0-9]\]/[MODE$mode]/" "$bin/TORVA.TVX" >"$work/TORVA.TVX"
    wine explorer "/desktop=TorvaShot,1280x1024" "$(winepath -w "$work/Torva.exe")" >/dev/null 2>&1 &
    pid=$!
    sleep "${TORVA_SHOW_SECONDS:-6}"
    import -window root "$out/mode-$mode.png"
    echo "Screenshot: $out/mode-$mode.png"
    kill "$pid" 2>/dev/null || true
    wineserver -k || true
    wait "$pid" 2>/dev/null || true
done
