#!/usr/bin/env bash
# Runs every fuzz target for the given number of seconds, starting from its seed corpus.
set -euo pipefail
build=${1:-build-asan}
seconds=${2:-60}
here=$(cd "$(dirname "$0")" && pwd)
for exe in "$build"/fuzz/fuzz_*; do
    [ -f "$exe" ] && [ -x "$exe" ] || continue
    name=$(basename "$exe")
    work="$build/fuzz-work/$name"
    mkdir -p "$work"
    echo "== $name ($seconds s)"
    "$exe" -max_total_time="$seconds" -print_final_stats=1 "$work" "$here/corpus/$name"
done
