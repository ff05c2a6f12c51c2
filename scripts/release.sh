#!/bin/bash
# Makes the release files of the checked-out commit in one folder (by default
# build/release-files): Torvane.exe, its installer and SHA256SUMS. It builds
# afresh in build/release, so that nothing of an earlier build comes in, and
# signs where the build has a certificate (see scripts/sign.sh).
# Usage: release.sh [FOLDER]
set -eu
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-build/release-files}")
bash scripts/deps.sh
if [ -n "$(git status --porcelain 2>/dev/null)" ]; then
    echo "Uncommitted changes: these release files will not rebuild from commit $(git rev-parse --short HEAD)" >&2
fi
rm -rf build/release
cmake --preset win32 -B build/release >/dev/null
cmake --build build/release -j"$(nproc)" --target installer
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/release/CMakeCache.txt)
mkdir -p "$out"
cp build/release/package/Torvane.exe "build/release/Torvane-$version-setup.exe" "$out/"
(cd "$out" && sha256sum Torvane.exe "Torvane-$version-setup.exe" >SHA256SUMS)
echo "Release files in $out:"
cat "$out/SHA256SUMS"
