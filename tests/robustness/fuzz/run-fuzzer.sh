#!/usr/bin/env bash
# Builds the registry reader's fuzzer with clang and runs it for a bounded time
# from the committed corpus. Usage: run-fuzzer.sh BUILD-DIR [SECONDS]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$1"
seconds="${2:-60}"

cmake -S "$here" -B "$build" -DCMAKE_CXX_COMPILER="${NUVESSA_FUZZ_CXX:-clang++}" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2 >/dev/null

# New inputs go to a scratch folder; the committed corpus is only read.
found="$build/found"
rm -rf "$found"
mkdir -p "$found"
"$build/RegistryReaderFuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=1024 \
  -print_final_stats=1 -artifact_prefix="$build/" "$found" "$here/corpus"
