#!/bin/bash
# Builds the panel and opens it under Wine in build/demo-prefix, where a few
# stand-in applications are installed at the catalogue's paths. Without a
# display it runs on Xvfb and saves a screenshot to build/demo.png.
set -eu
cd "$(dirname "$0")/.."
bash scripts/deps.sh
bash scripts/build.sh
. scripts/wine-env.sh
pick_loader
build="$PWD/build/$TORVANE_ARCH"
headless=
[ -z "${DISPLAY:-}" ] && headless=1 && export TORVANE_XVFB=1
trap stop_all EXIT
start_display
make_prefix "$PWD/build/demo-prefix"

c="$WINEPREFIX/drive_c"
d="$WINEPREFIX.d-drive"
for path in "$c/Programmi/Bosch/ESItronic/Esi2.exe" \
            "$c/Ross-Tech/VCDS/VCDS.exe" \
            "$c/Program Files/Dataspin.net/Dataspin.exe" \
            "$c/Program Files (x86)/Texa S.p.A/IDC5/common/bin/Mstart5.exe" \
            "$c/Program Files (x86)/Texa S.p.A/IDC5/car/bin/start5.exe" \
            "$c/Program Files (x86)/Texa S.p.A/IDC5/truck/bin/start5.exe" \
            "$d/Programmi/Delphi/Diamand/diamand.exe"; do
    mkdir -p "$(dirname "$path")"
    cp "$build/tests/e2e/standin.exe" "$path"
done

if [ -z "$headless" ]; then
    "$WINE_LOADER" "$build/Torvane.exe"
else
    "$WINE_LOADER" "$build/Torvane.exe" &
    sleep 6
    import -window root "$PWD/build/demo.png"
    echo "Screenshot: build/demo.png"
fi
