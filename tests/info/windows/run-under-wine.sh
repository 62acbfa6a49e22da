#!/usr/bin/env bash
# Runs the Windows build of the registry reader and launcher under Wine, headless,
# in a private prefix inside the build tree. Exits 77 (skipped) where Wine or the
# mingw-w64 build of the test program is missing.
#
#   run-under-wine.sh prefix PREFIX            make the prefix once
#   run-under-wine.sh run PREFIX PROGRAM ARGS  run a test program in it
set -uo pipefail

mode="${1:?mode}"
prefix="${2:?prefix folder}"
shift 2

if ! command -v wine >/dev/null || ! command -v wineboot >/dev/null || ! command -v wineserver >/dev/null; then
  echo "Wine is not installed: skipped"
  exit 77
fi

export WINEPREFIX="$prefix" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# No window is ever needed: keep Wine away from any display.
unset DISPLAY WAYLAND_DISPLAY

case "$mode" in
  prefix)
    ready="$prefix/.nuvessa-prefix-ready"
    if [ -f "$ready" ] && [ -f "$prefix/system.reg" ]; then
      echo "Wine prefix already made: $prefix"
      exit 0
    fi
    rm -rf "$prefix"
    mkdir -p "$(dirname "$prefix")"
    started=$SECONDS
    wineboot -i >/dev/null 2>&1
    status=$?
    wineserver -w
    if [ $status -ne 0 ] || [ ! -f "$prefix/system.reg" ]; then
      echo "wineboot failed ($status)"
      exit 1
    fi
    touch "$ready"
    echo "Wine prefix made in $((SECONDS - started)) s: $prefix"
    ;;
  run)
    program="${1:?test program}"
    shift
    if [ ! -f "$program" ]; then
      echo "No mingw-w64 build of $program: skipped"
      exit 77
    fi
    wine "$program" "$@"
    status=$?
    wineserver -w
    exit $status
    ;;
  *)
    echo "unknown mode $mode"
    exit 2
    ;;
esac
