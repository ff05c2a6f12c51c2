#!/bin/bash
# Runs a program of the end-to-end tests (the 64-bit driver) under Wine in the tests' prefix
# BUILD_DIR/e2e-prefix, on their Xvfb display. Usage:
#   wine.sh BUILD_DIR --make-prefix | --stop | PROGRAM [ARGUMENTS]
build=$1
. "$(dirname "$0")/../../scripts/wine-env.sh"
export WINEPREFIX=$build/e2e-prefix
case $2 in
--make-prefix)
    need_wine32 || exit 1
    stop_all_of "$WINEPREFIX"
    TORVANE_XVFB=1 start_display && echo "$DISPLAY $XVFB_PID" >"$WINEPREFIX.display"
    make_prefix "$WINEPREFIX" || exit 1
    # D: goes through the folder PREFIX.d, which a test swaps for PREFIX.d-loop
    # where the drive is a link to itself: a drive that cannot be reached.
    rm -rf "$WINEPREFIX.d" "$WINEPREFIX.d-loop" "$WINEPREFIX.d-aside"
    mkdir "$WINEPREFIX.d" "$WINEPREFIX.d-loop"
    ln -s "$WINEPREFIX.d-drive" "$WINEPREFIX.d/drive"
    ln -s drive "$WINEPREFIX.d-loop/drive"
    ln -sfn "$WINEPREFIX.d/drive" "$WINEPREFIX/dosdevices/d:"
    wineserver -p </dev/null &>/dev/null ;;
--stop)
    stop_all_of "$WINEPREFIX" ;;
*)  # Wine's own processes outlive the program: keep them off CTest's output pipe.
    export DISPLAY=$(cut -d' ' -f1 "$WINEPREFIX.display") log=$(mktemp)
    /usr/lib/wine/wine64 "${@:2}" >"$log" 2>&1
    status=$?
    cat "$log" && rm -f "$log"
    exit $status ;;
esac
