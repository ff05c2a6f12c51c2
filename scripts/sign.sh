#!/bin/bash
# Authenticode-signs a Windows program in place with SHA-256, when the build
# has a certificate: TORVANE_SIGN_PKCS12 names a PKCS#12 file (certificate,
# chain and key), TORVANE_SIGN_PASSWORD_FILE a file holding its password, and
# TORVANE_SIGN_TIMESTAMP_URL, if set, an RFC 3161 time-stamp server. Without a
# certificate the file stays as it is. A copy of the result goes to COPY.
# The signature's own date is SOURCE_DATE_EPOCH, so that the same key signs
# the same build to the same bytes. Usage: sign.sh FILE [COPY]
set -eu
file=$1
if [ -n "${TORVANE_SIGN_PKCS12:-}" ]; then
    args=(sign -pkcs12 "$TORVANE_SIGN_PKCS12" -readpass "$TORVANE_SIGN_PASSWORD_FILE" -h sha256 -n Torvane)
    [ -n "${SOURCE_DATE_EPOCH:-}" ] && args+=(-time "$SOURCE_DATE_EPOCH")
    [ -n "${TORVANE_SIGN_TIMESTAMP_URL:-}" ] && args+=(-ts "$TORVANE_SIGN_TIMESTAMP_URL")
    osslsigncode "${args[@]}" -in "$file" -out "$file.signed" >/dev/null
    mv "$file.signed" "$file"
fi
if [ $# -gt 1 ]; then cp "$file" "$2"; fi
