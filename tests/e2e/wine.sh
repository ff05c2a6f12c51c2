#!/bin/bash
# Runs a program of the end-to-end tests (the 64-bit driver) under Wine in the tests' prefix
# BUILD_DIR/e2e-prefix, on their Xvfb display. Usage:
#   wine.sh BUILD_DIR --make-prefix | --stop | PROGRAM [ARGUMENTS]
build=$1
. "$(dirname "$0")/../../scripts/wine-env.sh"
export WINEPREFIX=$build/e2e-prefix

# Killing the hung drive's server ends every lookup still waiting on it.
stop_hung_drive() {
    local pid
    pid=$(cat "$WINEPREFIX.hung-pid" 2>/dev/null) && kill -9 "$pid" 2>/dev/null
    umount -l "$WINEPREFIX.d-hung/drive" 2>/dev/null
    rm -f "$WINEPREFIX.hung-pid"
    return 0
}
case $2 in
--make-prefix)
    need_wine32 || exit 1
    stop_all_of "$WINEPREFIX"
    TORVANE_XVFB=1 start_display && echo "$DISPLAY $XVFB_PID" >"$WINEPREFIX.display"
    make_prefix "$WINEPREFIX" || exit 1
    # D: goes through the folder PREFIX.d, which a test swaps for PREFIX.d-loop
    # where the drive is a link to itself: a drive that cannot be reached.
    # PREFIX.d-hung holds a drive whose lookups never answer (needs FUSE).
    stop_hung_drive
    rm -rf "$WINEPREFIX.d" "$WINEPREFIX.d-loop" "$WINEPREFIX.d-aside" "$WINEPREFIX.d-hung"
    mkdir -p "$WINEPREFIX.d" "$WINEPREFIX.d-loop" "$WINEPREFIX.d-hung/drive"
    ln -s "$WINEPREFIX.d-drive" "$WINEPREFIX.d/drive"
    ln -s drive "$WINEPREFIX.d-loop/drive"
    /usr/bin/python3 "$(dirname "$0")/hungdrive.py" "$WINEPREFIX.d-hung/drive" </dev/null >/dev/null 2>&1 &
    echo $! >"$WINEPREFIX.hung-pid"
    for _ in $(seq 50); do mountpoint -q "$WINEPREFIX.d-hung/drive" && break; sleep 0.1; done
    mountpoint -q "$WINEPREFIX.d-hung/drive" ||
        { echo "No FUSE here: the case of a drive that hangs is skipped" >&2; rm -rf "$WINEPREFIX.d-hung"; }
    ln -sfn "$WINEPREFIX.d/drive" "$WINEPREFIX/dosdevices/d:"
    wineserver -p </dev/null &>/dev/null ;;
--stop)
    stop_hung_drive
    stop_all_of "$WINEPREFIX" ;;
*)  # Wine's own processes outlive the program: keep them off CTest's output pipe.
    export DISPLAY=$(cut -d' ' -f1 "$WINEPREFIX.display") log=$(mktemp)
    /usr/lib/wine/wine64 "${@:2}" >"$log" 2>&1
    status=$?
    cat "$log" && rm -f "$log"
    exit $status ;;
esac
