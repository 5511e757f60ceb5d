#!/usr/bin/env bash
# Start-up figures under Wine, all from one run in one prefix on one display: medians of starts of
# Torva.exe on the sample menu, of Torva.exe on a full page of 24 icons over a tiled picture (display
# mode 9), of Wine's notepad, and of the editor on the sample menu, on the same 24-icon pages and
# without a file, each from process creation to a visible, idle, painted window, with the ratios to
# notepad and the resident memory of each; then Page Down and Page Up between two such pages in the
# menu and in the editor, from the key to the repainted page. Figures only, no verdicts.
# The programs run in a Wine desktop window (Wine places and activates the windows itself, as Windows
# does on a desk). On a bare X display without a window manager Wine instead waits for confirmations
# that never come: up to 2 s each time a window it has just shown is hidden again (the editor's
# reading window), and longer maps; TORVA_BENCH_BARE_X=1 measures that way all the same.
# Usage: scripts/bench-start.sh [runs]   (default 10; TORVA_NO_BUILD=1 uses the programs as built)
# TORVA_BENCH_BASELINE=FOLDER adds the same starts of the Torva.exe and Tvsetup.exe in FOLDER (a copy
# of an earlier build's program folder), so that before and after come from the same run.
# TORVA_BENCH_SETTLE=MS waits MS milliseconds between a start and its first page key, as a user
# reading the page does (by default the keys come at once).
set -eu
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${TORVA_BUILD_DIR:-$root/build}/cross"
runs="${1:-10}"
if [ -z "${TORVA_NO_BUILD:-}" ] || [ ! -x "$build/bin/bench_start.exe" ]; then
    "$root/scripts/build.sh" cross >/dev/null
    cmake --build "$build" --target bench_start -j "${TORVA_JOBS:-2}" >/dev/null
fi
export WINEPREFIX="${TORVA_WINEPREFIX:-$build/wineprefix}"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
source "$root/scripts/wine-env.sh"
unset DISPLAY
torva_ensure_display
started_x="${TORVA_STARTED_XVFB_PID:-}"
torva_ensure_prefix
work="$(mktemp -d)"
# The work folder and a virtual display started for this run (by its process id) go with it.
trap 'rm -rf "$work"; torva_stop_display "$started_x"; true' EXIT

# A 96 x 96 24-bit picture with a pattern, so that tiling has something to copy.
perl -e '
    my ($w, $h) = (96, 96);
    my $row = $w * 3;
    my $size = 54 + $row * $h;
    print "BM", pack("VvvV", $size, 0, 0, 54), pack("VVVvvVVVVVV", 40, $w, $h, 1, 24, 0, $row * $h, 2835, 2835, 0, 0);
    for my $y (0 .. $h - 1) {
        for my $x (0 .. $w - 1) { print pack("CCC", ($x * 5) & 255, ($y * 3) & 255, (($x ^ $y) * 7) & 255); }
    }' >"$work/BENCHBG.BMP"

# Two pages of display mode 9, each with 24 icon buttons over the tiled picture; page keys on.
{
    printf '[VER8.05]\r\n[PKEY]\r\n[MODE9]\r\n[FRAME]\r\n'
    for page in 1 2; do
        printf '[PAGE%d]\r\nVARTITLE,"Bench %d","PIC:BENCHBG.BMP",0\r\n' "$page" "$page"
        printf 'TITLE1,"Page %d",,,,W,B\r\n' "$page"
        for i in $(seq 1 24); do
            printf 'CMD%d,"shell32.dll|%d",ON,"Button %d",,,,,,"Comment %d",,END,,,\r\n' \
                "$i" $((i + page)) "$i" "$i"
        done
    done
} >"$work/BENCH.TVX"

bin="$build/bin"
win() { winepath -w "$1"; }
torva="$(win "$bin/Torva.exe")"
editor="$(win "$bin/Tvsetup.exe")"
bench="$(win "$work/BENCH.TVX")"
baseline=()
if [ -n "${TORVA_BENCH_BASELINE:-}" ]; then
    before="$(win "$TORVA_BENCH_BASELINE/Torva.exe")"
    editor_before="$(win "$TORVA_BENCH_BASELINE/Tvsetup.exe")"
    baseline=(--start menu-before "\"$before\"" --switch page24-before "\"$before\" \"$bench\""
              --start editor-before "\"$editor_before\" \"$(win "$TORVA_BENCH_BASELINE/TORVA.TVX")\""
              --start editor-new-before "\"$editor_before\""
              --switch edit24-before "\"$editor_before\" \"$bench\"")
fi
desktop=(explorer /desktop=TorvaBench,1280x1024)
[ -n "${TORVA_BENCH_BARE_X:-}" ] && desktop=()
cd "$bin"
wine "${desktop[@]}" bench_start.exe --runs "$runs" --reference notepad \
    ${TORVA_BENCH_SETTLE:+--settle "$TORVA_BENCH_SETTLE"} \
    --start menu "\"$torva\"" \
    --switch page24 "\"$torva\" \"$bench\"" \
    "${baseline[@]}" \
    --start notepad notepad.exe \
    --start editor "\"$editor\" \"$(win "$bin/TORVA.TVX")\"" \
    --start editor-new "\"$editor\"" \
    --switch edit24 "\"$editor\" \"$bench\""
