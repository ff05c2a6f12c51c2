#!/bin/bash
# Runs a program of the end-to-end tests (the 64-bit driver) under Wine in the tests' prefix
# BUILD_DIR/e2e-prefix, on their Xvfb display. Usage:
#   wine.sh BUILD_DIR --make-prefix | --stop | PROGRAM [ARGUMENTS]
build=$1
. "$(dirname "$0")/../../scripts/wine-env.sh"
export WINEPREFIX=$build/e2e-prefix

# FUSE file systems that answer late, or never, as a test sets them: D:, and
# C:\Programme, each passing a folder of its own through (drives.py).
mounts=("$WINEPREFIX.d-slow/drive" "$WINEPREFIX.c-slow")

# Killing a drive's server ends every lookup still waiting on it.
stop_drives() {
    local pid mount
    for pid in $(cat "$WINEPREFIX.drive-pids" 2>/dev/null); do kill -9 "$pid" 2>/dev/null; done
    for mount in "${mounts[@]}"; do umount -l "$mount" 2>/dev/null; done
    rm -f "$WINEPREFIX.drive-pids"
    return 0
}

# drives.py MOUNTPOINT SOURCE in the background; false where FUSE cannot mount.
mount_drive() {
    /usr/bin/python3 "$(dirname "$0")/drives.py" "$@" </dev/null >/dev/null 2>&1 &
    echo $! >>"$WINEPREFIX.drive-pids"
    for _ in $(seq 50); do mountpoint -q "$1" && return 0; sleep 0.1; done
    return 1
}
case $2 in
--make-prefix)
    need_wine32 || exit 1
    stop_all_of "$WINEPREFIX"
    TORVANE_XVFB=1 start_display && echo "$DISPLAY $XVFB_PID" >"$WINEPREFIX.display"
    make_prefix "$WINEPREFIX" || exit 1
    # D: goes through the folder PREFIX.d, which a test swaps for PREFIX.d-loop
    # where the drive is a link to itself: a drive that cannot be reached.
    # PREFIX.d-slow holds a drive that answers late or never, and C:\Programme
    # is such a folder too (needs FUSE).
    stop_drives
    rm -rf "$WINEPREFIX".{d,d-loop,d-aside,d-slow,d-slow-source,c-slow,c-slow-source}
    mkdir -p "$WINEPREFIX.d" "$WINEPREFIX.d-loop" "$WINEPREFIX.d-slow/drive" "$WINEPREFIX.d-slow-source" \
             "$WINEPREFIX.c-slow" "$WINEPREFIX.c-slow-source"
    ln -s "$WINEPREFIX.d-drive" "$WINEPREFIX.d/drive"
    ln -s drive "$WINEPREFIX.d-loop/drive"
    ln -s "$WINEPREFIX.c-slow" "$WINEPREFIX/drive_c/Programme"
    { mount_drive "$WINEPREFIX.d-slow/drive" "$WINEPREFIX.d-slow-source" &&
      mount_drive "$WINEPREFIX.c-slow" "$WINEPREFIX.c-slow-source"; } ||
        { echo "No FUSE here: the case of drives that answer late or never is skipped" >&2
          stop_drives; rm -rf "$WINEPREFIX.d-slow"; }
    ln -sfn "$WINEPREFIX.d/drive" "$WINEPREFIX/dosdevices/d:"
    wineserver -p </dev/null &>/dev/null ;;
--stop)
    stop_drives
    stop_all_of "$WINEPREFIX" ;;
*)  # Wine's own processes outlive the program: keep them off CTest's output pipe.
    export DISPLAY=$(cut -d' ' -f1 "$WINEPREFIX.display") log=$(mktemp)
    /usr/lib/wine/wine64 "${@:2}" >"$log" 2>&1
    status=$?
    cat "$log" && rm -f "$log"
    exit $status ;;
esac
