#!/bin/bash
# Runs every test: the unit tests of the portable code under sanitizers, and
# the checks and end-to-end tests of the shipped 32-bit Torvane.exe under Wine
# (natively, or under qemu-i386 where the host runs no 32-bit programs).
set -eu
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake --preset native >/dev/null
cmake --build --preset native -j"$(nproc)"
bash scripts/build.sh win32
status=0
ctest --preset native || status=1
bash scripts/wine32.sh ctest --preset win32 || status=1
exit $status
