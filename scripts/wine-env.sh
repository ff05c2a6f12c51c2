# Sourced by the scripts that run Torvane under Wine. Sets up the environment
# and offers: pick_loader, make_prefix DIR, start_display, stop_all.

export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

# Wine's 32-bit loader where this host runs 32-bit code; otherwise the 64-bit
# one, which then runs the 64-bit build of the same program.
pick_loader() {
    if /usr/lib/wine/wine --version >/dev/null 2>&1; then
        WINE_LOADER=/usr/lib/wine/wine
        TORVANE_ARCH=win32
    else
        WINE_LOADER=/usr/lib/wine/wine64
        TORVANE_ARCH=win64
    fi
    export WINE_LOADER TORVANE_ARCH
}

# A fresh prefix in DIR with drive D: at DIR.d-drive. No window manager runs,
# so Wine must not wait for one at every program exit.
make_prefix() {
    export WINEPREFIX="$1"
    rm -rf "$WINEPREFIX" "$WINEPREFIX.d-drive"
    mkdir -p "$WINEPREFIX.d-drive"
    "$WINE_LOADER" wineboot --init >/dev/null 2>&1
    wineserver -w
    "$WINE_LOADER" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    ln -sfn "$WINEPREFIX.d-drive" "$WINEPREFIX/dosdevices/d:"
    wineserver -w
}

# A display: the caller's, or a private Xvfb.
start_display() {
    if [ -n "${DISPLAY:-}" ] && [ -z "${TORVANE_XVFB:-}" ]; then return; fi
    local n
    for n in $(seq 91 120); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
    done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && return; sleep 0.1; done
}

stop_all() {
    wineserver -k 2>/dev/null || true
    if [ -n "${XVFB_PID:-}" ]; then kill "$XVFB_PID" 2>/dev/null || true; fi
}
