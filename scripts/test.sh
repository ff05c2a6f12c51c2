#!/bin/bash
# Runs every test: the unit tests of the portable code under sanitizers, the
# checks of the Windows executable, and the end-to-end tests under Wine.
set -eu
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake --preset native >/dev/null
cmake --build --preset native -j"$(nproc)"
bash scripts/build.sh
. scripts/wine-env.sh
pick_loader
status=0
ctest --preset native || status=1
ctest --preset win32 || status=1
if [ "$TORVANE_ARCH" = win64 ]; then ctest --preset win64 || status=1; fi
exit $status
