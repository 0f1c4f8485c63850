#!/usr/bin/env bash
# Installs what is needed, builds the program and starts it: scripts/run.sh [race.kvr]
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
"$top/scripts/setup.sh"
"$top/scripts/build.sh" "$top/build" -DKORVA_BUILD_TESTS=OFF -DKORVA_BUILD_BENCH=OFF
exec "$top/build/src/app/korvarace" "$@"
