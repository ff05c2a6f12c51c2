#!/bin/bash
# Runs the end-to-end tests in a throw-away Wine prefix under Xvfb.
# Usage: run.sh BUILD_DIR ARCH [gtest arguments]; ARCH is win32 or win64.
# TORVANE_DPI sets the prefix's screen resolution (default 96).
# Exits 77 (skipped) when this host cannot run that build under Wine.
set -eu
build=$(cd "$1" && pwd)
arch=$2
shift 2
. "$(dirname "$0")/../../scripts/wine-env.sh"
pick_loader
if [ "$arch" != "$TORVANE_ARCH" ]; then
    echo "skipped: this host runs the $TORVANE_ARCH build under Wine, not $arch"
    exit 77
fi
export TORVANE_XVFB=1
trap stop_all EXIT
start_display
dpi=${TORVANE_DPI:-96}
make_prefix "$build/e2e-prefix-$dpi"
if [ "$dpi" != 96 ]; then
    "$WINE_LOADER" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
    "$WINE_LOADER" reg add 'HKCC\Software\Fonts' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
    wineserver -k
    wineserver -w
fi
wineserver -p
export TORVANE_EXE=$("$WINE_LOADER" winepath -w "$build/Torvane.exe" 2>/dev/null)
export TORVANE_SETUP=$("$WINE_LOADER" winepath -w "$build/Torvane-0.3.0-setup.exe" 2>/dev/null)
export TORVANE_STANDIN=$("$WINE_LOADER" winepath -w "$build/tests/e2e/standin.exe" 2>/dev/null)
export WINEPATH=
"$WINE_LOADER" "$build/tests/e2e/torvane_e2e.exe" "$@"
