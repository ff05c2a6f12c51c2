# Sourced by the scripts that run Torvane under Wine. Sets up the environment
# and offers: need_wine32, make_prefix DIR, start_display, stop_all,
# stop_all_of PREFIX, and pick_loader for the benchmark.

export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
WINE32=/usr/lib/wine/wine

# Whether 32-bit Wine runs here (natively, or inside scripts/wine32.sh); if
# not, says how to get it.
need_wine32() {
    "$WINE32" --version >/dev/null 2>&1 && return 0
    echo "32-bit Wine does not run here: run this under 'bash scripts/wine32.sh COMMAND'" >&2
    return 1
}

# The benchmark times start-ups, which mean nothing under emulation: it uses
# Wine's 32-bit loader where this host runs 32-bit code itself, and otherwise
# the 64-bit loader with the 64-bit build of the same program.
pick_loader() {
    if "$WINE32" --version >/dev/null 2>&1; then
        WINE_LOADER=$WINE32
        TORVANE_ARCH=win32
    else
        WINE_LOADER=/usr/lib/wine/wine64
        TORVANE_ARCH=win64
    fi
    export WINE_LOADER TORVANE_ARCH
}

# A fresh 64-bit prefix in DIR with drive D: at DIR.d-drive, made by the
# 64-bit loader (only its 32-bit part needs emulation where there is any). No
# window manager runs, so Wine must not wait for one at every program exit.
make_prefix() {
    export WINEPREFIX="$1"
    local wine=/usr/lib/wine/wine64
    rm -rf "$WINEPREFIX" "$WINEPREFIX.d-drive"
    mkdir -p "$WINEPREFIX.d-drive"
    WINEARCH=win64 "$wine" wineboot --init >/dev/null 2>&1
    wineserver -w
    "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    ln -sfn "$WINEPREFIX.d-drive" "$WINEPREFIX/dosdevices/d:"
    wineserver -w
}

# A display: the caller's, or a private Xvfb (TORVANE_XVFB=1 forces one). Xvfb
# picks a free display number itself: a lock file in /tmp is not enough where
# another run (in a chroot, say) has a /tmp of its own.
start_display() {
    if [ -n "${DISPLAY:-}" ] && [ -z "${TORVANE_XVFB:-}" ]; then return; fi
    local fifo n
    fifo=$(mktemp -u) && mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" </dev/null >/dev/null 2>&1 &
    XVFB_PID=$!
    read -r n <"$fifo"
    rm -f "$fifo"
    export DISPLAY=":$n"
}

stop_all() {
    wineserver -k 2>/dev/null || true
    if [ -n "${XVFB_PID:-}" ]; then kill "$XVFB_PID" 2>/dev/null || true; fi
}

# Ends the Wine and the Xvfb that wine.sh started for PREFIX.
stop_all_of() {
    WINEPREFIX=$1 wineserver -k 2>/dev/null || true
    local xvfb
    xvfb=$(cut -s -d' ' -f2 "$1.display" 2>/dev/null) && [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    rm -f "$1.display"
    return 0
}
