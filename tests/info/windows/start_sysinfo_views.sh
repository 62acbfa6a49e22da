#!/usr/bin/env bash
# StartSysInfo over the real registry of a Wine prefix made for this run alone,
# its values written by Wine's own reg.exe in the 64-bit or the 32-bit view
# (/reg:64, /reg:32), one case at a time: which stand-in, if any, was started.
#
# Usage: start_sysinfo_views.sh WINE_DESKTOP TEST_PROGRAM STAND_IN PREFIX
set -uo pipefail
wine_desktop="$1" program="$2" stand_in="$3" prefix="$4"
full='HKLM\SOFTWARE\Microsoft\Shared Tools\MSINFO'
folder='HKLM\SOFTWARE\Microsoft\Shared Tools Location'
tools='C:\Sys Info'
source "$(dirname "$0")/../../support/fresh_wine_prefix.sh"

reg() { run reg "$@" >/dev/null 2>&1; }
linux_path() { local path="${1#C:\\}"; echo "$prefix/drive_c/${path//\\//}"; }

# A copy of the stand-in at this Windows path.
tool() {
  mkdir -p "$(dirname "$(linux_path "$1")")" && cp "$stand_in" "$(linux_path "$1")"
}

# Clears both keys in both views, sets the case's values (view, key, name,
# data in fours), runs the launcher once and compares what it said.
run_case() {
  local name="$1" expected="$2" view
  shift 2
  for view in 64 32; do
    reg delete "$full" /f /reg:$view
    reg delete "$folder" /f /reg:$view
  done
  while [ $# -ge 4 ]; do
    reg add "$2" /v "$3" /t REG_SZ /d "$4" /f /reg:"$1" || fail "$name: reg add $2 /reg:$1"
    shift 4
  done
  local said
  said="$(run "$program" start-once | tr -d '\r')"
  [ "$said" = "StartSysInfo: $expected" ] || fail "$name: said '$said', not $expected"
}

# The stand-in at this path records how it was started: by its path alone, in a normal window.
expect_started() {
  local marker i
  marker="$(linux_path "$2").started"
  for ((i = 0; i < 200; i++)); do
    [ -f "$marker" ] && break
    sleep 0.1
  done
  [ "$(cat "$marker" 2>/dev/null)" = "\"$2\"|show 1" ] || fail "$1: $2 not started alone"
}

tool "$tools\\64\\sys info tool.exe"
run_case "full path" started 64 "$full" PATH "$tools\\64\\sys info tool.exe"
expect_started "full path" "$tools\\64\\sys info tool.exe"

tool "$tools\\Folder\\MSINFO32.EXE"
run_case "folder" started 64 "$folder" MSINFO "$tools\\Folder"
expect_started "folder" "$tools\\Folder\\MSINFO32.EXE"

tool "$tools\\32\\sys info tool.exe"
run_case "32-bit full path" started 32 "$full" PATH "$tools\\32\\sys info tool.exe"
expect_started "32-bit full path" "$tools\\32\\sys info tool.exe"
# Only meaningful while the two views keep this key apart, as Wine 8 does.
reg query "$full" /v PATH /reg:64 && fail "32-bit full path: the 64-bit view sees it too"

# A full path that cannot start decides: neither the folder nor the 32-bit view is tried.
tool "$tools\\Unused\\MSINFO32.EXE"
tool "$tools\\Unused\\32 bit tool.exe"
run_case "missing full path" unavailable 64 "$full" PATH "$tools\\Gone\\msinfo32.exe" \
  64 "$folder" MSINFO "$tools\\Unused" 32 "$full" PATH "$tools\\Unused\\32 bit tool.exe"

run_case "neither" unavailable

# By now a wrongly started tool of the failing case has long written its marker.
for marker in "$(linux_path "$tools\\Unused")"/*.started; do
  [ -e "$marker" ] && fail "missing full path: $marker"
done
passed
