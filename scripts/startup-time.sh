#!/usr/bin/env bash
# Measures the time from starting the program to its first painted main window, without
# the first-run question: scripts/startup-time.sh [runs] [race.kvr]
# Prints each run's wall time (process start to exit right after the first paint) and the
# program's own figure (from the application object to the paint), then the medians.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
runs="${1:-10}"
race="${2:-}"
"$top/scripts/build.sh" "$top/build" >/dev/null
program="$top/build/src/app/korvarace"

home="$(mktemp -d)"
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/config/Zelbrook" "$home/runtime" "$home/work"
chmod 700 "$home/runtime"
printf '[Switches]\nFirst%%20Time=3\n' > "$home/config/Zelbrook/KORVARace.ini"
export HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home/runtime"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" KORVA_QUIT_WHEN_PAINTED=1

walls=()
inner=()
cd "$home/work"
for _ in $(seq "$runs"); do
    t0=$(date +%s%N)
    out=$("$program" ${race:+"$race"} 2>&1 >/dev/null | grep 'painted after' || true)
    t1=$(date +%s%N)
    walls+=($(( (t1 - t0) / 1000000 )))
    inner+=($(echo "$out" | awk '{print $3}'))
    echo "run: ${walls[-1]} ms wall, ${inner[-1]:-?} ms in the program"
done
median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
echo "median: $(median "${walls[@]}") ms from start to painted window ($(median "${inner[@]}") ms in the program)"
