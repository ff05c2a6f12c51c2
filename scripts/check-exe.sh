#!/bin/bash
# Checks that an executable imports only DLLs that every Windows has, and
# stays within its size budget. Usage: check-exe.sh EXE MAX_BYTES
set -eu
exe=$1 max=$2
allowed="ADVAPI32.dll COMCTL32.DLL GDI32.dll KERNEL32.dll msvcrt.dll ole32.dll SHELL32.dll USER32.dll UxTheme.dll"
status=0
for dll in $(x86_64-w64-mingw32-objdump -p "$exe" | awk '/DLL Name:/ {print $3}'); do
    if ! grep -qiw -- "$dll" <<<"$allowed"; then
        echo "not a system DLL: $dll"
        status=1
    fi
done
size=$(stat -c %s "$exe")
echo "$(basename "$exe"): $size bytes"
if [ "$size" -gt "$max" ]; then echo "larger than $max bytes"; status=1; fi
exit $status
