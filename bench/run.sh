#!/bin/bash
# Start-up benchmark under Wine: Torvane.exe with all 21 stand-ins installed,
# against the floor program and a minimal one-window program built with the
# same flags, in pairs, to the finished first paint; the time from a click to
# the application's start; then the size and the imported DLLs of Torvane.exe.
# Usage: bench/run.sh [PAIRS]
set -eu
cd "$(dirname "$0")/.."
bash scripts/deps.sh
# Torvane.exe as shipped, and the 64-bit twin that is timed under wine64:
# 32-bit code may run here only emulated, which makes timings meaningless.
bash scripts/build.sh win32 win64
. scripts/wine-env.sh
export WINE_LOADER=/usr/lib/wine/wine64 TORVANE_ARCH=win64
build="$PWD/build/win64"
export TORVANE_XVFB=1
trap stop_all EXIT
start_display
make_prefix "$PWD/build/bench-prefix"
wineserver -p

win() { "$WINE_LOADER" winepath -w "$1" 2>/dev/null; }
"$WINE_LOADER" "$build/bench/bench_startup.exe" "$(win "$build/Torvane.exe")" \
    "$(win "$build/bench/bench_minimal.exe")" "$(win "$build/bench/bench_floor.exe")" \
    "$(win "$build/tests/e2e/standin.exe")" "${1:-40}"
echo
echo "Torvane.exe as shipped (build/win32):"
bash scripts/check-exe.sh build/win32/Torvane.exe 1048576
x86_64-w64-mingw32-objdump -p build/win32/Torvane.exe | awk '/DLL Name:/ {print "  imports " $3}'
