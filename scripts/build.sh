#!/bin/bash
# Builds the given presets; by default Torvane.exe (build/win32) and, where
# this host runs no 32-bit code, the 64-bit twin that the start-up benchmark
# times instead (build/win64).
set -eu
cd "$(dirname "$0")/.."
. scripts/wine-env.sh
pick_loader
presets=("$@")
[ $# -gt 0 ] || presets=(win32 $( [ "$TORVANE_ARCH" = win64 ] && echo win64 ))
for preset in "${presets[@]}"; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j"$(nproc)"
done
