#!/usr/bin/env bash
# Pictures of the editor's definition dialogs, every tab, at 96 and at 144 dots per inch, for looking
# at their layouts: build/screens/dialogs-<dpi>/<dialog>-<tab>.png. Runs under Wine's virtual desktop
# so that the dialogs get their frames and captions even without a window manager; the 144 run uses a
# prefix of its own so that the build's prefix keeps its resolution.
# Usage: scripts/screenshot-dialogs.sh [dpi...]   (default: 96 144)
set -eu
root="$(cd "$(dirname "$0")/.." && pwd)"
build_dir="${TORVA_BUILD_DIR:-$root/build}"
dpis=("$@")
[ ${#dpis[@]} -eq 0 ] && dpis=(96 144)
if [ ! -x "$build_dir/cross/bin/TvDialogShots.exe" ] || [ -z "${TORVA_NO_BUILD:-}" ]; then
    cmake --build "$build_dir/cross" -j "${TORVA_JOBS:-2}" --target TvDialogShots
fi
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
source "$root/scripts/wine-env.sh"
unset DISPLAY
torva_ensure_display
# A virtual display started for this run goes with it (by its process id; one already there stays).
started_x="${TORVA_STARTED_XVFB_PID:-}"
trap 'torva_stop_display "$started_x"; true' EXIT
for dpi in "${dpis[@]}"; do
    if [ "$dpi" = 96 ]; then
        export WINEPREFIX="$build_dir/cross/wineprefix"
    else
        export WINEPREFIX="$build_dir/cross/wineprefix-dpi$dpi"
    fi
    torva_ensure_prefix
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
    wineserver -w
    out="$build_dir/screens/dialogs-$dpi"
    rm -rf "$out"
    mkdir -p "$out"
    # The program ends by itself once every dialog is pictured.
    wine explorer "/desktop=TorvaDialogs$dpi,1280x1024" "$(winepath -w "$build_dir/cross/bin/TvDialogShots.exe")" \
        "$(winepath -w "$out")" >/dev/null 2>&1 || true
    wineserver -k || true
    for bmp in "$out"/*.bmp; do
        [ -e "$bmp" ] || continue
        convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
    done
    echo "Screenshots: $out ($(ls "$out" | wc -l) pictures)"
done
