#!/usr/bin/env bash
# Screenshots of the bundled sample menu in each of the nine display modes, for looking at the
# drawing: build/screens/mode-N.png (N = 1..9).
# Usage: scripts/screenshot-modes.sh [modes...]   (default: 1 2 3 4 5 6 7 8 9)
set -eu
# shellcheck disable=SC2034 # read by screenshot-common.sh
shot_program=Torva.exe
shot_argument=""
shot_files=(Torva.exe TORVABG.BMP)
shot_prefix=mode-
# shellcheck source=scripts/screenshot-common.sh
source "$(dirname "$0")/screenshot-common.sh"
