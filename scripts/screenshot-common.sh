# shellcheck shell=bash disable=SC2154
# Shared by screenshot-modes.sh and screenshot-editor.sh: one picture of a program on the bundled
# sample menu for each display mode given as arguments (default 1..9), taken under Wine's virtual
# desktop so that the window gets its frame, caption and menu bar even without a window manager.
# Set before sourcing: shot_program (the program started), shot_argument (its command line, may be
# empty), shot_files (what it needs beside it, itself included) and shot_prefix (build/screens/
# <prefix>N.png).
set -eu
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="${TORVA_BUILD_DIR:-$root/build}"
modes=("$@")
[ ${#modes[@]} -eq 0 ] && modes=(1 2 3 4 5 6 7 8 9)
if [ ! -x "$build_dir/cross/bin/$shot_program" ] || [ -z "${TORVA_NO_BUILD:-}" ]; then
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
trap 'rm -rf "$work"; torva_stop_display "$started_x"; true' EXIT
for file in "${shot_files[@]}"; do cp "$bin/$file" "$work/"; done
for mode in "${modes[@]}"; do
    # The sample with its display mode line changed; the file is Shift-JIS, the line is ASCII.
    sed "s/^\[MODE[0-9]\]/[MODE$mode]/" "$bin/TORVA.TVX" >"$work/TORVA.TVX"
    # shellcheck disable=SC2086 # an empty argument is no argument
    wine explorer "/desktop=TorvaShot,1280x1024" "$(winepath -w "$work/$shot_program")" $shot_argument \
        >/dev/null 2>&1 &
    pid=$!
    sleep "${TORVA_SHOW_SECONDS:-6}"
    import -window root "$out/$shot_prefix$mode.png"
    echo "Screenshot: $out/$shot_prefix$mode.png"
    kill "$pid" 2>/dev/null || true
    wineserver -k || true
    wait "$pid" 2>/dev/null || true
done
