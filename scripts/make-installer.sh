#!/bin/bash
# Makes the installer so that every build of one commit gives the same bytes:
# Torvane.exe carries the commit's date, and with a certificate (see sign.sh)
# Torvane.exe, the uninstaller and the installer are signed. SHIPPED_DIR gets
# Torvane.exe and Uninstall.exe exactly as the installer holds them.
# Usage: make-installer.sh MAKENSIS INSTALLER_NSI EXE VERSION ARCH SETUP_EXE SHIPPED_DIR
set -eu
makensis=$1 nsi=$2 exe=$3 version=$4 arch=$5 setup=$6 shipped=$7
scripts=$(cd "$(dirname "$0")" && pwd -P)
source_dir=$(dirname "$scripts")

# The one date of a build: the caller's SOURCE_DATE_EPOCH, else the commit's,
# else (a source archive without git) that of CMakeLists.txt, which unpacking keeps.
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    if [ "$(git -C "$source_dir" rev-parse --show-toplevel 2>/dev/null)" = "$source_dir" ]; then
        SOURCE_DATE_EPOCH=$(git -C "$source_dir" log -1 --format=%ct)
    else
        SOURCE_DATE_EPOCH=$(stat -c %Y "$source_dir/CMakeLists.txt")
    fi
fi
export SOURCE_DATE_EPOCH

if [ -n "${TORVANE_SIGN_PKCS12:-}${TORVANE_SIGN_PASSWORD_FILE:-}" ]; then
    for file in "${TORVANE_SIGN_PKCS12:-}" "${TORVANE_SIGN_PASSWORD_FILE:-}"; do
        if [ ! -r "$file" ]; then
            echo "Cannot sign: TORVANE_SIGN_PKCS12 and TORVANE_SIGN_PASSWORD_FILE must both name readable files" >&2
            exit 1
        fi
    done
    # makensis runs the signing of the uninstaller and installer from its script's folder.
    TORVANE_SIGN_PKCS12=$(realpath "$TORVANE_SIGN_PKCS12")
    TORVANE_SIGN_PASSWORD_FILE=$(realpath "$TORVANE_SIGN_PASSWORD_FILE")
    export TORVANE_SIGN_PKCS12 TORVANE_SIGN_PASSWORD_FILE
else
    echo "Not signed: TORVANE_SIGN_PKCS12 and TORVANE_SIGN_PASSWORD_FILE are not set"
fi

mkdir -p "$shipped"
cp "$exe" "$shipped/Torvane.exe"
bash "$scripts/sign.sh" "$shipped/Torvane.exe"
# The installer keeps each file's date and gives it to the installed copy.
touch -d "@$SOURCE_DATE_EPOCH" "$shipped/Torvane.exe"
"$makensis" -V2 -DVERSION="$version" -DEXE="$shipped/Torvane.exe" -DOUTFILE="$setup" -DARCH="$arch" \
    -DSIGN="$scripts/sign.sh" -DUNINSTALLER_COPY="$shipped/Uninstall.exe" "$nsi"
