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

# qemu-i386 10 loads a position-independent main program at 0x400000 (Linux's
# ELF_ET_DYN_BASE for i386; qemu 7 left it to mmap, from 0x40000000 up).
# Debian 13's 32-bit Wine loader is one, and there it takes the address that a
# Windows program without relocations (the NSIS installer) must have. qemu
# rounds that address down to the alignment the loader's segments ask for: at
# 16 MiB it is 0, and mmap chooses. So this namespace sees a copy of the loader
# whose first segment (file offset 0, address 0: aligned at any size) asks for
# 16 MiB; the code is the same.
load_loader_high() {
    local copy phoff phentsize phnum at i
    (($(od -An -tu2 -j16 -N2 "$wine32") == 3)) || return 0  # ET_EXEC (Debian 12): at a fixed address
    copy=$(mktemp) && cp "$wine32" "$copy" && chmod 755 "$copy" || return 1
    phoff=$(od -An -tu4 -j28 -N4 "$copy")
    read -r phentsize phnum < <(od -An -tu2 -j42 -N4 "$copy")
    for ((i = 0; i < phnum; i++)); do
        at=$((phoff + i * phentsize))
        (($(od -An -tu4 -j"$at" -N4 "$copy") == 1)) || continue  # PT_LOAD
        printf '\x00\x00\x00\x01' | dd of="$copy" bs=1 seek=$((at + 28)) conv=notrunc status=none
        break
    done
    mount --bind "$copy" "$wine32"
    local status=$?
    rm -f "$copy"
    return $status
}
if [ "${1:-}" = --in-namespace ]; then
    shift
    mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc 2>/dev/null ||
        fail "this kernel ($(uname -r)) lets no user namespace mount its own binfmt_misc (Linux 6.7 and later do)"
    magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
    mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
    echo ":qemu-i386:M::$magic:$mask:/usr/bin/qemu-i386-static:F" >/proc/sys/fs/binfmt_misc/register
    load_loader_high || fail "the 32-bit Wine loader cannot be put where qemu-i386 leaves the low addresses free"
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
