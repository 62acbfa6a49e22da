#!/usr/bin/env bash
# Nuvessa as clinic IT or a doctor installs it, in a Wine prefix made for this
# run alone, in one of its forms:
#   machine  the EXE with /S, for all users; while Nuvessa runs it must refuse,
#            with status 32, and leave the install whole; then the same version
#            again over it
#   user     the EXE with /S /CurrentUser, into the doctor's own program folder
#            and HKCU; then UPGRADE over it. Wine runs everything with
#            administrator rights, so the standard user's default (a per-user
#            install without a prompt) is tried only through its switch.
#   msi      msiexec /i /qn; then UPGRADE over it, and the older MSI refused
#            (1603, which Wine hands on as 67)
# Each time the installed program is used through the driver (which fails on
# any wrong screen) and writes nothing; UPGRADE, made and signed at test time,
# leaves one entry under "Apps & features", at its version, and each signed
# file passes osslsigncode's check against SIGNER (the test certificate).
# Last the silent uninstall, and nothing of it left: no file, no Start menu
# entry, no uninstall key.
#
# Usage: install_scenario.sh WINE_DESKTOP FORM PACKAGE DRIVER PREFIX [UPGRADE SIGNER]
set -uo pipefail
wine_desktop="$1" form="$2" package="$3" driver="$4" prefix="$5" upgrade="${6:-}" signer="${7:-}"
user="${USER:-$(id -un)}"
uninstall='Software\Microsoft\Windows\CurrentVersion\Uninstall'
case "$form" in
  machine | msi)
    folder='C:\Program Files\Nuvessa'
    shortcut="$prefix/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Nuvessa.lnk" ;;&
  machine) key="HKLM\\$uninstall\\Nuvessa" install=("$package" /S) ;;
  user)
    folder="C:\\users\\$user\\AppData\\Local\\Programs\\Nuvessa"
    shortcut="$prefix/drive_c/users/$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Nuvessa.lnk"
    key="HKCU\\$uninstall\\Nuvessa" install=("$package" /S /CurrentUser) ;;
  msi)
    # Wine's msiexec puts a per-machine entry in the user's Start menu.
    shortcut="$prefix/drive_c/users/$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Nuvessa.lnk"
    product_code() { msiinfo export "$1" Property | tr -d '\r' | sed -n 's/^ProductCode\t//p'; }
    install=(msiexec /i "Z:${package//\//\\}" /qn) ;;
  *) echo "usage: install_scenario.sh WINE_DESKTOP machine|user|msi PACKAGE DRIVER PREFIX [UPGRADE SIGNER]"; exit 2 ;;
esac
linux_folder="$prefix/drive_c/${folder#C:\\}"
linux_folder="${linux_folder//\\//}"
source "$(dirname "$0")/../../support/fresh_wine_prefix.sh"

# The registry's software keys, Wine's own left out, and every file of drive C:.
state() {
  local hive
  for hive in HKLM HKCU; do
    run reg export "$hive\\Software" "Z:$prefix/$hive.reg" /y >/dev/null 2>&1
    iconv -f UTF-16 -t UTF-8 "$prefix/$hive.reg" | grep -v '^\[.*\\Software\\Wine' | grep '^\['
  done
  (cd "$prefix/drive_c" && find . | sort)
}

entries() {
  local hive
  for hive in HKLM HKCU; do run reg query "$hive\\$uninstall" /s 2>/dev/null; done | grep -c 'DisplayName *REG_SZ *Nuvessa'
}

signed() {
  osslsigncode verify -CAfile "$signer" -in "$1" >/dev/null 2>&1 || fail "not signed, or not by the test certificate: $1"
}

[ "$form" = msi ] && key="HKLM\\$uninstall\\$(product_code "$package")"
run "${install[@]}" || fail "the install ended with status $?"
for file in nuvessa.exe Ut1.jpg UT2.jpg NOTICES.txt Nuvessa.spdx.json platforms/qwindows.dll; do
  [ -f "$linux_folder/$file" ] || fail "not installed: $file"
done
[ -f "$shortcut" ] || fail "no Start menu entry"
run reg query "$key" /v DisplayName 2>/dev/null | grep -q 'REG_SZ *Nuvessa' || fail "not listed under Apps & features"

if [ "$form" = machine ]; then
  run "$folder\\nuvessa.exe" >/dev/null 2>&1 &
  for ((i = 0; i < 100; i++)); do
    run winedbg --command "info process" 2>/dev/null | grep -q "'nuvessa.exe'" && break
    sleep 0.2
  done
  program="$(sha256sum <"$linux_folder/nuvessa.exe")"
  run "${install[@]}"
  status=$?
  [ "$status" -eq 32 ] || fail "over a running Nuvessa the installer ended with status $status, not 32"
  [ "$(sha256sum <"$linux_folder/nuvessa.exe")" = "$program" ] || fail "the running program was changed"
  run taskkill /im nuvessa.exe /f >/dev/null 2>&1
  wait
fi

# The install is whole, and starts; the program writes nothing.
before="$(state)"
run "$driver" "$folder\\nuvessa.exe" || fail "the installed program, as the driver says above"
[ "$(state)" = "$before" ] || fail "the program wrote something: $(diff <(echo "$before") <(state))"

case "$form" in
  machine) run "${install[@]}" || fail "the same version over the install ended with status $?" ;;
  user) run "$upgrade" /S /CurrentUser || fail "the upgrade ended with status $?" ;;
  msi)
    run msiexec /i "Z:${upgrade//\//\\}" /qn || fail "the upgrade ended with status $?"
    run reg query "$key" >/dev/null 2>&1 && fail "the older version's entry is left"
    key="HKLM\\$uninstall\\$(product_code "$upgrade")"
    run "${install[@]}"
    status=$?
    [ "$status" -eq 67 ] || fail "the older MSI over the newer ended with status $status, not 1603 (67)" ;;
esac
[ "$(entries)" -eq 1 ] || fail "not one entry under Apps & features, but $(entries)"
if [ -n "$upgrade" ]; then
  version="$(basename "$upgrade" | sed 's/^Nuvessa-\([0-9.]*[0-9]\)-.*/\1/')"
  run reg query "$key" /v DisplayVersion 2>/dev/null | tr -d '\r' | grep -q "REG_SZ *$version\$" || fail "the entry is not at $version"
  files=("$upgrade" "$linux_folder/nuvessa.exe")
  [ "$form" = user ] && files+=("$linux_folder/Uninstall.exe")
  for file in "${files[@]}"; do signed "$file"; done
fi

if [ "$form" = msi ]; then
  run msiexec /x "$(product_code "$upgrade")" /qn || fail "the uninstall ended with status $?"
else
  # The uninstaller hands its work to a copy of itself and ends at once.
  run "$folder\\Uninstall.exe" /S || fail "the uninstaller ended with status $?"
fi
for ((i = 0; i < 100; i++)); do
  [ -e "$linux_folder" ] || break
  sleep 0.2
done
[ -e "$linux_folder" ] && fail "left in $folder: $(cd "$linux_folder" && find . -mindepth 1)"
[ -e "$shortcut" ] && fail "the Start menu entry is left"
run reg query "$key" >/dev/null 2>&1 && fail "the uninstall key is left"
passed
