# Sourced by the Windows scenarios that need a Wine prefix of their own: with
# $wine_desktop and $prefix set, makes the prefix anew and starts its desktop;
# the prefix is large, so it goes again at the end, its desktop stopped first.
# `run` runs a Windows program there, `fail` counts a failed check, and
# `passed` ends the scenario with the count.
failures=0

run() { "$wine_desktop" run "$prefix" "$@"; }

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

passed() {
  echo "$failures failed"
  [ "$failures" -eq 0 ]
}

rm -rf "$prefix"
trap '"$wine_desktop" stop "$prefix"; rm -rf "$prefix"' EXIT
trap 'exit 1' INT TERM
"$wine_desktop" start "$prefix" >/dev/null || exit 1
