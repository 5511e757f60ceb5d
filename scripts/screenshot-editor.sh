#!/usr/bin/env bash
# Screenshots of the menu editor on the bundled sample menu in each of the nine display modes:
# build/screens/editor-mode-N.png (N = 1..9). Runs under Wine's virtual desktop so that the window
# gets its frame, caption and menu bar even without a window manager.
# Usage: scripts/screenshot-editor.sh [modes...]   (default: 1 2 3 4 5 6 7 8 9)
set -eu
root="$(cd "$(dirname "$0")/.." && pwd)"
build_dir="${TORVA_BUILD_DIR:-$root/build}"
modes=("$@")
[ ${#modes[@]} -eq 0 ] && modes=(1 2 3 4 5 6 7 8 9)
if [ ! -x "$build_dir/cross/bin/Tvsetup.exe" ] || [ -z "${TORVA_NO_BUILD:-}" ]; then
    "$root/scripts/build.sh" cross
fi
export WINEPREFIX="$build_dir/cross/wineprefix"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
source "$root/scripts/wine-env.sh"
unset DISPLAY
torva_ensure_display
torva_ensure_prefix
bin="$build_dir/cross/bin"
out="$build_dir/screens"
mkdir -p "$out"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# The runtime beside the editor gives the preview its function-key marks; the opener is left out so
# that taking pictures registers nothing.
cp "$bin/Tvsetup.exe" "$bin/Torva.exe" "$bin/TORVABG.BMP" "$work/"
for mode in "${modes[@]}"; do
    # The sample with its display mode line changed; the file is Shift-JIS, the line is ASCII.
    sed "s/^\[MODE[0-9]\]/[MODE$mode]/" "$bin/TORVA.TVX" >"$work/TORVA.TVX"
    wine explorer "/desktop=TorvaShot,1280x1024" "$(winepath -w "$work/Tvsetup.exe")" TORVA.TVX >/dev/null 2>&1 &
    pid=$!
    sleep "${TORVA_SHOW_SECONDS:-6}"
    import -window root "$out/editor-mode-$mode.png"
    echo "Screenshot: $out/editor-mode-$mode.png"
    kill "$pid" 2>/dev/null || true
    wineserver -k || true
    wait "$pid" 2>/dev/null || true
done
