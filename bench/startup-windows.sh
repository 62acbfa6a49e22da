#!/usr/bin/env bash
# Start-up of nuvessa.exe against a bare Qt program for Windows, under Wine,
# in alternating runs on one Windows desktop: the whole-process time from
# start until the first window is on view and painted (the splash screen), and
# until it is on view at all. Prints medians and ratios.
#
# The bare program, bench/bare_qt_window.exe, shows one window holding one
# line of text: once as it is, with the title bar Wine draws for it, and once
# with --frameless, without one, as the splash screen stands; the second is the
# floor. Each program has the same toolkit libraries, plug-ins and C++ runtime
# beside it, and finds them there, as on a doctor's computer: no WINEPATH and
# no QT_* variable points elsewhere.
#
# Usage: bench/startup-windows.sh [BUILD-DIR] [RUNS] [WINE-PREFIX]
#   defaults: build/windows, 21, BUILD-DIR/bench/wine-prefix
# A desktop already running on the prefix is left running; one started here is stopped.
# Needs the targets nuvessa, bare_qt_window and startup_probe built for Windows.
set -euo pipefail
build="$(cd "${1:-build/windows}" && pwd)"
runs="${2:-21}"
prefix="${3:-$build/bench/wine-prefix}"
desktop="$(cd "$(dirname "$0")/.." && pwd)/scripts/wine-desktop"

unset NUVESSA_WINE_PATH
for name in $(compgen -e QT_); do unset "$name"; done

scratch="$(mktemp -d)"
started_here=false
finish() {
  rm -rf "$scratch"
  if $started_here; then "$desktop" stop "$prefix"; fi
}
trap finish EXIT
if [ -z "$("$desktop" display "$prefix")" ]; then
  started_here=true
  "$desktop" start "$prefix"
fi

# Wine shows this machine's files on drive Z:.
windows_path() { local p="Z:$1"; echo "${p//\//\\}"; }
probe="$build/bench/startup_probe.exe"

# One run: "<ms to first window painted> <ms from key to next window> <ms to first window on view>".
# The programs' own messages (the toolkit's, Wine's) are kept apart and shown
# only when a run gives no figure.
measure() { # first-key quit-key program [arguments]
  local first="$1" quit="$2" program="$3"
  shift 3
  if ! "$desktop" run "$prefix" "$probe" "$first" "$quit" "$(windows_path "$program")" "$@" \
    2>"$scratch/messages"; then
    echo "no figure from $program${*:+ $*}:" >&2
    tail -n 20 "$scratch/messages" >&2
    return 1
  fi
}
one_run() { # which
  case "$1" in
    0) measure space alt+e "$build/nuvessa.exe" ;;
    1) measure space q "$build/bench/bare_qt_window.exe" --frameless ;;
    2) measure space q "$build/bench/bare_qt_window.exe" ;;
  esac
}
files=(nuvessa frameless framed)

# A first run of each warms the disk cache and Wine's own caches for all alike.
for k in 0 1 2; do one_run $k >/dev/null; done

# Each round starts with the next of the three in turn, so that each follows
# each of the others as often: a run is slowed a little by whatever the one
# before it left Wine and the X server to clear away.
for file in "${files[@]}"; do : >"$scratch/$file"; done
for ((run = 0; run < runs; run++)); do
  for ((k = 0; k < 3; k++)); do
    which=$(((run + k) % 3))
    one_run $which >>"$scratch/${files[which]}"
  done
done

source "$(dirname "$0")/medians.sh"

printf '%-38s %8s %8s %7s %7s  %s\n' "median of $runs alternating runs" nuvessa bare ratio paired \
  "middle half, nuvessa / bare"
row() { # what column baseline-file baseline-name
  local n b p
  n="$(median "$2" "$scratch/nuvessa")"
  b="$(median "$2" "$scratch/$3")"
  p="$(paired_median "$2" "$scratch/nuvessa" "$scratch/$3")"
  awk -v w="$1" -v n="$n" -v b="$b" -v p="$p" -v k="$4" \
    -v q="$(quartiles "$2" "$scratch/nuvessa") / $(quartiles "$2" "$scratch/$3")" \
    'BEGIN {printf "%-38s %8.1f %8.1f %7.3f %7.3f  %s (%s)\n", w, n, b, n / b, p, q, k}'
}
row "start until first window painted, ms" 1 frameless "bare, frameless"
row "start until first window on view, ms" 3 frameless "bare, frameless"
row "start until first window painted, ms" 1 framed "bare, with title bar"
printf '%-38s %8.1f\n' "key until the main window on view, ms" "$(median 2 "$scratch/nuvessa")"
