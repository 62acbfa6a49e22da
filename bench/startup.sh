#!/usr/bin/env bash
# Start-up of nuvessa against a bare Qt program that shows one window holding
# one line of text, under Xvfb, in alternating runs: the whole-process time from
# start until the first window is on screen (the splash screen), the time from
# a key on it until the next window is on screen (the main window), and the
# peak memory of each run (/usr/bin/time -v). Prints medians and ratios.
#
# Usage: bench/startup.sh [BUILD-DIR] [RUNS]     (defaults: build/default, 21)
# Needs the targets nuvessa, bare_qt_window and startup_probe built.
set -euo pipefail
build="$(cd "${1:-build/default}" && pwd)"
runs="${2:-21}"

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build" "$runs"
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

# A first run of each warms the disk cache and the font cache for both alike.
measure space alt+e "$build/nuvessa" >/dev/null
measure space q "$build/bench/bare_qt_window" >/dev/null

: >"$scratch/nuvessa"
: >"$scratch/bare"
for ((run = 1; run <= runs; run++)); do
  measure space alt+e "$build/nuvessa" >>"$scratch/nuvessa"
  measure space q "$build/bench/bare_qt_window" >>"$scratch/bare"
done

median() { # column file
  sort -n -k"$1" "$2" | awk -v c="$1" '{v[NR] = $c} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'
}

printf '%-40s %12s %12s %8s\n' "median of $runs alternating runs" nuvessa "bare Qt" ratio
for column in 1 2 3; do
  case $column in
    1) what="start until first window on screen, ms" ;;
    2) what="key until next window on screen, ms" ;;
    3) what="peak memory, kB" ;;
  esac
  n="$(median $column "$scratch/nuvessa")"
  b="$(median $column "$scratch/bare")"
  awk -v w="$what" -v n="$n" -v b="$b" 'BEGIN {printf "%-40s %12.1f %12.1f %8.2f\n", w, n, b, n / b}'
done
