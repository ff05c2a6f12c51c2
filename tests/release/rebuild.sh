#!/bin/bash
# Torvane.exe, the uninstaller and the installer of HEAD, released twice (other folder, time and time
# zone), must be the same bytes, unsigned and signed; signed, each verifies until one byte changes.
set -eu
repo=$(git -C "$(dirname "$0")" rev-parse --show-toplevel)
head=$(git -C "$repo" rev-parse HEAD)
work=$(mktemp -d) && a=$work/a b=$work/second-checkout
trap 'rm -rf "$work"' EXIT
unset TORVANE_SIGN_PKCS12 TORVANE_SIGN_PASSWORD_FILE TORVANE_SIGN_TIMESTAMP_URL SOURCE_DATE_EPOCH
files='package/Torvane.exe package/Uninstall.exe Torvane-*-setup.exe'
release() {  # release FOLDER TZ: a clone of HEAD, released into FOLDER/out
    git clone -q "$repo" "$1" && git -C "$1" checkout -q --detach "$head"
    TZ=$2 bash "$1/scripts/release.sh" "$1/out"
}
compare() { for f in $files; do cmp "$a"/build/release/$f "$b"/build/release/$f; done; }
release "$a" UTC
release "$b" Pacific/Kiritimati
compare

openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj /CN=Test -keyout "$work/key" -out "$work/cert" 2>/dev/null
echo throwaway >"$work/password"
openssl pkcs12 -export -inkey "$work/key" -in "$work/cert" -passout "file:$work/password" -out "$work/p12"
export TORVANE_SIGN_PKCS12=$work/p12 TORVANE_SIGN_PASSWORD_FILE=$work/password
for dir in "$a" "$b"; do cmake --build "$dir/build/release" --target installer; done
compare
cd "$a/build/release"
for f in $files; do
    osslsigncode verify -CAfile "$work/cert" -in "$f"
    cp "$f" "$work/changed.exe"
    printf "\\x$(printf %02x $(($(od -An -tu1 -j4096 -N1 "$f") ^ 1)))" |
        dd of="$work/changed.exe" bs=1 seek=4096 conv=notrunc
    ! osslsigncode verify -CAfile "$work/cert" -in "$work/changed.exe" ||
        { echo "$f verifies with a byte changed"; exit 1; }
done
