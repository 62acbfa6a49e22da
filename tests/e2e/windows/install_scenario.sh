#!/usr/bin/env bash
# Nuvessa installed silently in one of its forms, in a Wine prefix of its own:
# machine (the EXE, /S; refused with status 32 while Nuvessa runs, then again
# over itself), user (the EXE, /S /CurrentUser: Wine runs everything as an
# administrator, so a standard user's default is tried through its switch) or
# msi (/qn, into INSTALLDIR). The installed program is used through the driver (which fails on any
# wrong screen) and writes nothing; UPGRADE, made and signed at test time,
# leaves one entry at its version, its files signed by SIGNER, and an older MSI
# is refused (1603, 67 under Wine). Then the silent uninstall, and nothing left.
#
# Usage: install_scenario.sh WINE_DESKTOP FORM PACKAGE DRIVER PREFIX [UPGRADE SIGNER]
set -uo pipefail
wine_desktop="$1" form="$2" package="$3" driver="$4" prefix="$5" upgrade="${6:-}" signer="${7:-}"
uninstall='Software\Microsoft\Windows\CurrentVersion\Uninstall'
folder='C:\Program Files\Nuvessa' key="HKLM\\$uninstall\\Nuvessa" install=("$package" /S)
# Wine's msiexec puts even a per-machine entry in the user's Start menu.
menu="$prefix/drive_c/users/${USER:-$(id -un)}/AppData/Roaming/Microsoft/Windows/Start Menu/Programs"
product_code() { msiinfo export "$1" Property | tr -d '\r' | sed -n 's/^ProductCode\t//p'; }
case "$form" in
  machine) menu="$prefix/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs" ;;
  user) folder="C:\\users\\${USER:-$(id -un)}\\AppData\\Local\\Programs\\Nuvessa" key="HKCU\\$uninstall\\Nuvessa"
    install+=(/CurrentUser) ;;
  # In a folder of IT's choosing, where the upgrade must find it.
  msi) key="HKLM\\$uninstall\\$(product_code "$package")" folder='C:\Apps\Nuvessa'
    install=(msiexec /i "Z:${package//\//\\}" INSTALLDIR="$folder" /qn) ;;
  *) echo "usage: install_scenario.sh WINE_DESKTOP machine|user|msi PACKAGE DRIVER PREFIX [UPGRADE SIGNER]"; exit 2 ;;
esac
linux_folder="$prefix/drive_c/$(tr '\\' / <<<"${folder#C:\\}")"
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

entries() { for h in HKLM HKCU; do run reg query "$h\\$uninstall" /s 2>/dev/null; done | grep -c 'DisplayName *REG_SZ *Nuvessa'; }

run "${install[@]}" || fail "the install ended with status $?"
for file in nuvessa.exe Ut1.jpg UT2.jpg NOTICES.txt Nuvessa.spdx.json platforms/qwindows.dll; do
  [ -f "$linux_folder/$file" ] || fail "not installed: $file"
done
[ -f "$menu/Nuvessa.lnk" ] || fail "no Start menu entry"
run reg query "$key" /v DisplayName 2>/dev/null | grep -q 'REG_SZ *Nuvessa' || fail "not listed under Apps & features"

if [ "$form" = machine ]; then
  run "$folder\\nuvessa.exe" >/dev/null 2>&1 &
  for ((i = 0; i < 100; i++)); do
    run winedbg --command "info process" 2>/dev/null | grep -q "'nuvessa.exe'" && break
    sleep 0.2
  done
  program="$(sha256sum <"$linux_folder/nuvessa.exe")"
  run "${install[@]}"; status=$?
  [ "$status" -eq 32 ] || fail "over a running Nuvessa the installer ended with status $status, not 32"
  [ "$(sha256sum <"$linux_folder/nuvessa.exe")" = "$program" ] || fail "the running program was changed"
  run taskkill /im nuvessa.exe /f >/dev/null 2>&1; wait
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
    run "${install[@]}"; status=$?
    [ "$status" -eq 67 ] || fail "the older MSI over the newer ended with status $status, not 1603 (67)" ;;
esac
[ "$(entries)" -eq 1 ] || fail "not one entry under Apps & features, but $(entries)"
if [ -n "$upgrade" ]; then
  version="$(basename "$upgrade" | sed 's/^Nuvessa-\([0-9.]*[0-9]\)-.*/\1/')"
  run reg query "$key" /v DisplayVersion 2>/dev/null | tr -d '\r' | grep -q "REG_SZ *$version\$" || fail "the entry is not at $version"
  signed=("$upgrade" "$linux_folder/nuvessa.exe") && [ "$form" = user ] && signed+=("$linux_folder/Uninstall.exe")
  for file in "${signed[@]}"; do
    osslsigncode verify -CAfile "$signer" -in "$file" >/dev/null 2>&1 || fail "not signed by the test certificate: $file"
  done
fi

if [ "$form" = msi ]; then
  run msiexec /x "$(product_code "$upgrade")" /qn || fail "the uninstall ended with status $?"
else
  # The uninstaller hands its work to a copy of itself and ends at once.
  run "$folder\\Uninstall.exe" /S || fail "the uninstaller ended with status $?"
fi
for ((i = 0; i < 100; i++)); do [ -e "$linux_folder" ] && sleep 0.2; done
[ -e "$linux_folder" ] && fail "left in $folder: $(cd "$linux_folder" && find . -mindepth 1)"
[ -e "$menu/Nuvessa.lnk" ] && fail "the Start menu entry is left"
run reg query "$key" >/dev/null 2>&1 && fail "the uninstall key is left"
run reg query 'HKLM\Software\Nuvessa' >/dev/null 2>&1 && fail "the MSI's record of its folder is left"
passed
