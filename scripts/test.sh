#!/usr/bin/env bash
# Installs what is needed, builds and runs every test: the normal suite, the print queue's
# tests under ThreadSanitizer, the suite again under AddressSanitizer and
# UndefinedBehaviorSanitizer, and a short fuzz run.
# Screenshots of windows and dialogs go to $KORVA_SCREENSHOTS (default build/screenshots).
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
"$top/scripts/setup.sh"

export QT_QPA_PLATFORM=offscreen
export KORVA_SCREENSHOTS="${KORVA_SCREENSHOTS:-$top/build/screenshots}"
mkdir -p "$KORVA_SCREENSHOTS"
runtime="$(mktemp -d)"
chmod 700 "$runtime"
export XDG_RUNTIME_DIR="$runtime" XDG_CONFIG_HOME="$runtime/config"
jobs=$(nproc)
# Each step says when it starts, so a slow run shows where its time went.
step() { echo "== $1 (${SECONDS}s in)"; }

step "normal build"
"$top/scripts/build.sh" "$top/build"
ctest --test-dir "$top/build" --output-on-failure -j "$jobs"

step "thread sanitizer build (print queue)"
# Only the threaded print queue and its tests: the rest of the tree is not built here.
KORVA_TARGETS=korva_tests_reports_print "$top/scripts/build.sh" "$top/build-tsan" -DKORVA_TSAN=ON \
    -DKORVA_BUILD_APP=OFF -DKORVA_BUILD_BENCH=OFF
TSAN_OPTIONS="halt_on_error=1" "$top/build-tsan/tests/korva_tests_reports_print"

step "sanitizer build"
"$top/scripts/build.sh" "$top/build-asan" -DKORVA_SANITIZE=ON -DKORVA_BUILD_BENCH=OFF \
    -DCMAKE_BUILD_TYPE=Debug
ASAN_OPTIONS="detect_leaks=1:abort_on_error=1" \
LSAN_OPTIONS="suppressions=$top/scripts/lsan.supp:print_suppressions=0" \
UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
    ctest --test-dir "$top/build-asan" --output-on-failure -j "$jobs"

step "fuzz run"
"$top/scripts/fuzz.sh" "${KORVA_FUZZ_SECONDS:-60}"
echo "== all tests passed in ${SECONDS}s"
