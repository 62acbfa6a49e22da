#!/usr/bin/env bash
# The packages of a later version, 1.0.1, signed as scripts/build-windows
# --sign signs them, with a throwaway certificate, OUT/certificate.pem, made
# here; the signing password must not appear in what the packing prints.
#
# Usage: signed_upgrade.sh BUILD_DIR OUT
set -euo pipefail
build="$1" out="$2"
rm -rf "$out" && mkdir -p "$out" && cd "$out"
openssl req -x509 -newkey rsa:2048 -nodes -keyout key.pem -out certificate.pem -days 2 \
  -subj "/CN=Nuvessa test signing" -addext "extendedKeyUsage=codeSigning" 2>/dev/null
head -c 18 /dev/urandom | base64 >password
openssl pkcs12 -export -inkey key.pem -in certificate.pem -out signing.p12 -passout file:password && rm key.pem
cd "$build"
NUVESSA_SIGN=1 NUVESSA_SIGN_PKCS12="$out/signing.p12" NUVESSA_SIGN_PASSWORD_FILE="$out/password" \
  cpack -G "NSIS;External" -D CPACK_PACKAGE_VERSION=1.0.1 -B "$out/packages" >"$out/log" 2>&1 || { cat "$out/log"; exit 1; }
! grep -qF "$(cat "$out/password")" "$out/log" || { echo "FAIL: the signing password is in the packing's log"; exit 1; }
ls "$out/packages"/Nuvessa-1.0.1-win64.exe "$out/packages"/Nuvessa-1.0.1-x64.msi
