#!/bin/bash
# Start-up benchmark under Wine: Torvane.exe with all 21 stand-ins installed,
# against a minimal one-window program built with the same flags, in pairs;
# then the size and the imported DLLs of Torvane.exe.
# Usage: bench/run.sh [PAIRS]
set -eu
cd "$(dirname "$0")/.."
bash scripts/deps.sh
bash scripts/build.sh
. scripts/wine-env.sh
pick_loader
build="$PWD/build/$TORVANE_ARCH"
export TORVANE_XVFB=1
trap stop_all EXIT
start_display
make_prefix "$PWD/build/bench-prefix"
wineserver -p

c="$WINEPREFIX/drive_c"
while IFS= read -r path; do
    mkdir -p "$(dirname "$c/$path")"
    cp "$build/tests/e2e/standin.exe" "$c/$path"
done <<'PATHS'
Programmi/Bosch/ESItronic/Esi2.exe
Programmi/Bosch/ESItronic 2.0/ESItronic/esitronic.exe
Programmi/Bosch/ESItronic/KTS500/kts500_32.EXE
Ross-Tech/VCDS/VCDS.exe
Programmi/Delphi Diagnostics/DS Cars (New VCI)/Main.exe
Programmi/Dataspin.net/Dataspin.exe
Programmi/Texa S.p.A/IDC4/common/bin/mstart.exe
Programmi/Texa S.p.A/IDC4/car/bin/start4.exe
Programmi/Texa S.p.A/IDC4/truck/bin/start4.exe
Programmi/Texa S.p.A/IDC4/agri/bin/start4.exe
Programmi/Texa S.p.A/IDC4/bike/bin/start4.exe
Programmi/Texa S.p.A/IDC4/marine/bin/start4.exe
Programmi/Texa S.p.A/IDC5/common/bin/Mstart5.exe
Programmi/Texa S.p.A/IDC5/car/bin/start5.exe
Programmi/Texa S.p.A/IDC5/truck/bin/start5.exe
Programmi/Texa S.p.A/IDC5/agri/bin/start5.exe
Programmi/Texa S.p.A/IDC5/bike/bin/start5.exe
Programmi/Texa S.p.A/IDC5/marine/bin/start5.exe
Programmi/Delphi/Diamand/diamand.exe
Programmi/DENSO Diagnostic Software/DST-PC/bin/dst-pcV9.exe
Programmi/MyVDO Diesel sParts/MyVDO.exe
PATHS

win() { "$WINE_LOADER" winepath -w "$1" 2>/dev/null; }
"$WINE_LOADER" "$build/bench/bench_startup.exe" "$(win "$build/Torvane.exe")" \
    "$(win "$build/bench/bench_minimal.exe")" "${1:-15}"
echo
echo "Torvane.exe as shipped (build/win32):"
bash scripts/check-exe.sh build/win32/Torvane.exe 1048576
x86_64-w64-mingw32-objdump -p build/win32/Torvane.exe | awk '/DLL Name:/ {print "  imports " $3}'
