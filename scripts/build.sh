#!/usr/bin/env bash
# Configures and builds one flavour: build.sh DIR [extra cmake options...]
# KORVA_TARGETS, when set, names the only targets to build (space separated).
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
dir="$1"; shift
launcher=()
# Rebuilds across several checkouts of the project are much faster through ccache.
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S "$top" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@" >/dev/null
targets=()
for t in ${KORVA_TARGETS:-}; do targets+=(--target "$t"); done
cmake --build "$dir" "${targets[@]}"
