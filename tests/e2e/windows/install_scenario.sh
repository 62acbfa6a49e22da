#!/usr/bin/env bash
# Nuvessa as clinic IT installs it, in a Wine prefix made for this run alone:
# the installer run with /S, the installed program used through the driver
# (which fails on any wrong screen), the uninstaller run with /S, and then
# nothing of it left: no file under Program Files or in the Start menu, no
# uninstall key. The program itself writes no file and no registry key.
#
# Usage: install_scenario.sh WINE_DESKTOP INSTALLER DRIVER PREFIX
set -uo pipefail
wine_desktop="$1" installer="$2" driver="$3" prefix="$4"
folder="$prefix/drive_c/Program Files/Nuvessa"
shortcut="$prefix/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Nuvessa.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Nuvessa'
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

run "$installer" /S || fail "the installer ended with status $?"
for file in nuvessa.exe Ut1.jpg UT2.jpg Uninstall.exe platforms/qwindows.dll; do
  [ -f "$folder/$file" ] || fail "not installed: $file"
done
[ -f "$shortcut" ] || fail "no Start menu entry"
run reg query "$key" /v DisplayName 2>/dev/null | grep -q 'REG_SZ *Nuvessa' || fail "not listed under Apps & features"

before="$(state)"
run "$driver" 'C:\Program Files\Nuvessa\nuvessa.exe' || fail "the installed program, as the driver says above"
[ "$(state)" = "$before" ] || fail "the program wrote something: $(diff <(echo "$before") <(state))"

# The uninstaller hands its work to a copy of itself and ends at once.
run 'C:\Program Files\Nuvessa\Uninstall.exe' /S || fail "the uninstaller ended with status $?"
for ((i = 0; i < 100; i++)); do
  [ -e "$folder" ] || break
  sleep 0.2
done
[ -e "$folder" ] && fail "left under Program Files: $(cd "$folder" && find . -mindepth 1)"
[ -e "$shortcut" ] && fail "the Start menu entry is left"
run reg query "$key" >/dev/null 2>&1 && fail "the uninstall key is left"
passed
