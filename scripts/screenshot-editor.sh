#!/usr/bin/env bash
# Screenshots of the menu editor on the bundled sample menu in each of the nine display modes:
# build/screens/editor-mode-N.png (N = 1..9).
# Usage: scripts/screenshot-editor.sh [modes...]   (default: 1 2 3 4 5 6 7 8 9)
set -eu
# shellcheck disable=SC2034 # read by screenshot-common.sh
shot_program=Tvsetup.exe
shot_argument=TORVA.TVX
# The runtime beside the editor gives the preview its function-key marks; the opener is left out so
# that taking pictures registers nothing.
shot_files=(Tvsetup.exe Torva.exe TORVABG.BMP)
shot_prefix=editor-mode-
# shellcheck source=scripts/screenshot-common.sh
source "$(dirname "$0")/screenshot-common.sh"
