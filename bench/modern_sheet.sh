#!/usr/bin/env bash
# The modern sheet's making time, and brw2css on a scheme file against /bin/true, each run the
# same number of times in the same loop: the difference is brw2css's own cost.
#   bench/modern_sheet.sh [RUNS]    (after a build in ./build)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
runs="${1:-200}"
probe="$root/build/bench/modern_sheet_probe"
brw2css="$root/build/program/brw2css"
[ -x "$probe" ] && [ -x "$brw2css" ] || { echo "build first: cmake --build build" >&2; exit 1; }

"$probe"

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
printf 'Barwright Color Scheme File (Do not edit manually)\r\n[Type]\r\nIsBase=0\r\n[Colors]\r\n' >"$scratch/s.brw"
for i in 0 1 2 3 4 5 6; do printf 'Value %d=#%02X80C0\r\n' "$i" $((i * 30)) >>"$scratch/s.brw"; done

# Milliseconds per run of a command, over $runs runs.
per_run() {
    local start end
    start=$(date +%s%N)
    for ((i = 0; i < runs; i++)); do "$@" >/dev/null; done
    end=$(date +%s%N)
    awk -v ns=$((end - start)) -v n="$runs" 'BEGIN { printf "%.2f", ns / n / 1e6 }'
}

true_ms=$(per_run /bin/true)
brw_ms=$(per_run "$brw2css" "$scratch/s.brw")
awk -v t="$true_ms" -v b="$brw_ms" -v n="$runs" 'BEGIN {
    printf "brw2css: %.2f ms per run, /bin/true: %.2f ms, difference %.2f ms (%d runs each)\n", b, t, b - t, n
}'
