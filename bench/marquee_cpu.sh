#!/usr/bin/env bash
# The status bar marquee's cost: an idle Barwright against a bare Qt window that repaints a
# status-bar label on the same 45 ms timer, both running side by side under one private X
# server. Prints each one's share of one core over the measured seconds (medians of ROUNDS).
#   bench/marquee_cpu.sh [ROUNDS] [SECONDS]    (after a build in ./build)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bare="$root/build/bench/bare_window"
barwright="$root/build/program/barwright"

# CPU time of every thread of a process so far, in nanoseconds.
cpu_ns() {
    cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ sum += $1 } END { printf "%.0f\n", sum }'
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# One round, on the X server of the caller: prints "<bare %> <barwright %>".
measure_round() {
    local seconds="$1"
    "$bare" & local bare_pid=$!
    "$barwright" & local bw_pid=$!
    sleep 3 # both windows up and settled
    local bare0 bw0 bare1 bw1
    bare0=$(cpu_ns "$bare_pid"); bw0=$(cpu_ns "$bw_pid")
    sleep "$seconds"
    bare1=$(cpu_ns "$bare_pid"); bw1=$(cpu_ns "$bw_pid")
    kill "$bare_pid" "$bw_pid"
    wait "$bare_pid" "$bw_pid" 2>/dev/null || true
    awk -v a0="$bare0" -v a1="$bare1" -v b0="$bw0" -v b1="$bw1" -v s="$seconds" \
        'BEGIN { printf "%.3f %.3f\n", (a1 - a0) / (s * 1e7), (b1 - b0) / (s * 1e7) }'
}

if [ "${1:-}" = "--round" ]; then
    measure_round "$2"
    exit 0
fi

rounds="${1:-3}"
seconds="${2:-10}"
for program in "$bare" "$barwright"; do
    [ -x "$program" ] || { echo "build first: cmake --build build" >&2; exit 1; }
done
[ -r /proc/self/schedstat ] || { echo "this kernel keeps no per-thread CPU times" >&2; exit 1; }

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
export XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data" XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

results="$scratch/results"
for ((round = 1; round <= rounds; ++round)); do
    xvfb-run -a -s "-screen 0 1280x1024x24" "${BASH_SOURCE[0]}" --round "$seconds" 2>/dev/null >>"$results"
done

bare_share=$(cut -d' ' -f1 "$results" | median)
bw_share=$(cut -d' ' -f2 "$results" | median)
awk -v a="$bare_share" -v b="$bw_share" -v rounds="$rounds" -v s="$seconds" 'BEGIN {
    printf "%-12s %18s\n", "", "share of a core (%)"
    printf "%-12s %18.2f\n", "bare window", a
    printf "%-12s %18.2f\n", "Barwright", b
    printf "%-12s %18.2f\n", "ratio", b / a
    printf "(medians of %d rounds of %d s, side by side; target: ratio at most 1.5)\n", rounds, s
}'
