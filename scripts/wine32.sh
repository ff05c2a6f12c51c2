#!/bin/bash
# Runs a command where 32-bit Wine works: as it is where this host runs 32-bit
# programs; otherwise in a new user and mount namespace whose own binfmt_misc
# (Linux 6.7 or later) hands 32-bit programs to qemu-i386. The host's binfmt
# settings are left alone. All the Wine processes of a run must share one
# namespace, so the whole command runs in it. TORVANE_EMULATE=1 uses the
# emulation even where the host runs 32-bit programs.
set -eu
wine32=/usr/lib/wine/wine
fail() { echo "Cannot run 32-bit Windows programs here: $*" >&2; exit 1; }
if [ "${1:-}" = --in-namespace ]; then
    shift
    mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc 2>/dev/null ||
        fail "this kernel ($(uname -r)) lets no user namespace mount its own binfmt_misc (Linux 6.7 and later do)"
    magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
    mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
    echo ":qemu-i386:M::$magic:$mask:/usr/bin/qemu-i386-static:F" >/proc/sys/fs/binfmt_misc/register
    "$wine32" --version >/dev/null 2>&1 || fail "32-bit Wine does not start under qemu-i386"
    exec "$@"
fi
if [ -z "${TORVANE_EMULATE:-}" ] && "$wine32" --version >/dev/null 2>&1; then exec "$@"; fi
[ -x "$wine32" ] || fail "32-bit Wine is not installed (package wine32:i386; scripts/deps.sh installs it)"
[ -x /usr/bin/qemu-i386-static ] ||
    fail "the kernel refuses 32-bit programs and qemu-user-static is not installed (scripts/deps.sh installs it)"
unshare --user --map-root-user --mount true 2>/dev/null ||
    fail "the kernel refuses 32-bit programs and unprivileged user namespaces are not allowed"
echo "Running 32-bit programs under qemu-i386 (slow)." >&2
exec unshare --user --map-root-user --mount bash "$0" --in-namespace "$@"
