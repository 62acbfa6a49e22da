#!/usr/bin/env bash
# Start-up of nuvessa against two bare Qt programs, under Xvfb, in alternating
# runs: the whole-process time from start until the first window is on screen
# (the splash screen), the time from a key on it until the next window is on
# screen (the main window), and the peak memory of each run (/usr/bin/time -v).
# Prints medians and ratios.
#
# The bare programs: bare_qt_window shows one window holding one line of text,
# and on a key a second one, the floor for the start-up; bare_two_windows shows
# the splash screen's controls and then a window of the main window's size
# holding its controls, the floor for the main window and for memory.
#
# All three run on one private session bus, so that none of them looks for a
# bus the others do not.
#
# Usage: bench/startup.sh [BUILD-DIR] [RUNS]     (defaults: build/default, 21)
# Needs the targets nuvessa, bare_qt_window, bare_two_windows and startup_probe built.
set -euo pipefail
build="$(cd "${1:-build/default}" && pwd)"
runs="${2:-21}"

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build" "$runs"
fi
if [ -z "${NUVESSA_STARTUP_BUS:-}" ]; then
  NUVESSA_STARTUP_BUS=1 exec dbus-run-session -- "$0" "$build" "$runs"
fi

probe="$build/bench/startup_probe"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
mkdir -m 700 "$scratch/runtime"
export XDG_RUNTIME_DIR="$scratch/runtime"

# One run: "<ms to first window> <ms from key to next window> <peak kB>".
measure() {
  local first_key="$1" quit_key="$2" program="$3" times peak
  times="$("$probe" "$first_key" "$quit_key" /usr/bin/time -v -o "$scratch/time" "$program")"
  peak="$(awk -F': ' '/Maximum resident set size/ {print $2}' "$scratch/time")"
  echo "$times $peak"
}

# A first run of each warms the disk cache and the font cache for all alike.
measure space alt+e "$build/nuvessa" >/dev/null
measure space q "$build/bench/bare_qt_window" >/dev/null
measure space q "$build/bench/bare_two_windows" >/dev/null

: >"$scratch/nuvessa"
: >"$scratch/bare"
: >"$scratch/two"
# Each round starts with the next of the three in turn, so that each follows
# each of the others as often: a run is slowed a little by whatever the one
# before it left the X server to clear away.
one_run() { # which
  case "$1" in
    0) measure space alt+e "$build/nuvessa" >>"$scratch/nuvessa" ;;
    1) measure space q "$build/bench/bare_qt_window" >>"$scratch/bare" ;;
    2) measure space q "$build/bench/bare_two_windows" >>"$scratch/two" ;;
  esac
}
for ((run = 0; run < runs; run++)); do
  for ((k = 0; k < 3; k++)); do
    one_run $(((run + k) % 3))
  done
done

source "$(dirname "$0")/medians.sh"

printf '%-40s %10s %10s %8s %8s\n' "median of $runs alternating runs" nuvessa bare ratio "paired"
row() { # what column baseline-file baseline-name
  local n b p
  n="$(median "$2" "$scratch/nuvessa")"
  b="$(median "$2" "$scratch/$3")"
  p="$(paired_median "$2" "$scratch/nuvessa" "$scratch/$3")"
  awk -v w="$1" -v n="$n" -v b="$b" -v p="$p" -v k="$4" \
    'BEGIN {printf "%-40s %10.1f %10.1f %8.3f %8.3f  (%s)\n", w, n, b, n / b, p, k}'
}
row "start until first window on screen, ms" 1 bare bare_qt_window
row "key until next window on screen, ms" 2 two bare_two_windows
row "peak memory, kB" 3 two bare_two_windows
row "peak memory, kB" 3 bare bare_qt_window
