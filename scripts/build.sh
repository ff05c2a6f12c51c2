#!/bin/bash
# Builds Torvane.exe (build/win32) and, where this host runs Wine only in
# 64-bit mode, the 64-bit twin used to run it here (build/win64).
set -eu
cd "$(dirname "$0")/.."
. scripts/wine-env.sh
pick_loader
for preset in win32 $( [ "$TORVANE_ARCH" = win64 ] && echo win64 ); do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j"$(nproc)"
done
