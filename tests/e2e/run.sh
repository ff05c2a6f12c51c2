#!/bin/bash
# Runs the end-to-end tests in a throw-away Wine prefix under Xvfb.
# Usage: run.sh BUILD_DIR [gtest arguments]
set -eu
build=$(cd "$1" && pwd); shift
. "$(dirname "$0")/../../scripts/wine-env.sh"
pick_loader
export TORVANE_XVFB=1
trap stop_all EXIT
start_display
make_prefix "$build/e2e-prefix"
wineserver -p
export TORVANE_EXE=$("$WINE_LOADER" winepath -w "$build/Torvane.exe" 2>/dev/null)
export TORVANE_STANDIN=$("$WINE_LOADER" winepath -w "$build/tests/e2e/standin.exe" 2>/dev/null)
export WINEPATH=
"$WINE_LOADER" "$build/tests/e2e/torvane_e2e.exe" "$@"
