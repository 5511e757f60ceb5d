#!/usr/bin/env bash
# Runs a Windows program through the build's Wine wrapper in a prefix made for this run alone: an
# installer test starts from a machine that never saw the product. The prefix is removed after a
# passing run and kept after a failing one, for a look.
# Usage: fresh_prefix.sh PREFIX WINE_RUN PROGRAM [ARGUMENTS...]
set -u
prefix="$1"
wine_run="$2"
shift 2
WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1 || true
rm -rf "$prefix" "$prefix.lock"
TORVA_WINEPREFIX="$prefix" "$wine_run" "$@"
status=$?
WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1 || true
if [ "$status" -eq 0 ]; then
    rm -rf "$prefix" "$prefix.lock"
fi
exit "$status"
