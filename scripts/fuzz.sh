#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given seconds (default 60)
# from a seed corpus of good files written by the tests' sample races.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-60}"
dir="$top/build-fuzz"
# Only the fuzzers and their seeds: the rest of the tree is built and tested elsewhere.
KORVA_TARGETS="korva_fuzz_seeds korva_fuzz_race_file korva_fuzz_master_file" \
    CC=clang CXX=clang++ "$top/scripts/build.sh" "$dir" -DKORVA_BUILD_FUZZ=ON -DKORVA_BUILD_APP=OFF \
    -DKORVA_BUILD_TESTS=OFF -DKORVA_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo
corpus="$dir/corpus"
rm -rf "$corpus"
mkdir -p "$corpus"
"$dir/fuzz/korva_fuzz_seeds" "$corpus"
for target in "$dir"/fuzz/korva_fuzz_*; do
    name=$(basename "$target")
    [ "$name" = korva_fuzz_seeds ] && continue
    echo "-- $name for ${seconds}s"
    work="$dir/work-$name"
    rm -rf "$work"; mkdir -p "$work"
    cp "$corpus"/* "$work"/
    (cd "$dir" && "$target" "$work" -max_total_time="$seconds" -max_len=65536 -print_final_stats=1 \
        -rss_limit_mb=2048 2>&1 | tail -n 8)
done
