#!/bin/bash
# Builds the panel and opens the shipped 32-bit Torvane.exe under Wine in
# build/demo-prefix, where a few stand-in applications are installed at the
# catalogue's paths. Without a display it runs on Xvfb and saves a screenshot
# to build/demo.png.
set -eu
cd "$(dirname "$0")/.."
if [ "${1:-}" != --run ]; then
    bash scripts/deps.sh
    bash scripts/build.sh win32
    exec bash scripts/wine32.sh bash scripts/demo.sh --run
fi
. scripts/wine-env.sh
build="$PWD/build/win32"
headless=
[ -z "${DISPLAY:-}" ] && headless=1 && export TORVANE_XVFB=1
trap stop_all EXIT
start_display
echo "Making a Wine prefix (minutes where 32-bit programs run under qemu-i386)..."
make_prefix "$PWD/build/demo-prefix"
wineserver -p

# Catalogue entries by index under program-files folders (VCDS at C:\'s root).
/usr/lib/wine/wine64 "$build/tests/e2e/torvane_e2e.exe" --install 'C:\Programmi' 0 3 'C:\Program Files' 5 \
    'C:\Program Files (x86)' 12 13 14 'D:\Programmi' 18 >/dev/null 2>&1
if [ -z "$headless" ]; then
    "$WINE32" "$build/Torvane.exe"
else
    "$WINE32" "$build/Torvane.exe" &
    for _ in $(seq 120); do  # until the panel's window is drawn
        sleep 2
        xwininfo -root -tree 2>/dev/null | grep -q '"Torvane 0.3.0' && break
    done
    sleep 3
    import -window root "$PWD/build/demo.png"
    echo "Screenshot: build/demo.png"
fi
