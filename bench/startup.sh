#!/usr/bin/env bash
# Start-up of Barwright against a bare Qt main window, under the same private X server:
# medians of the time to the window's mapping and of resident memory a second later.
#   bench/startup.sh [RUNS]    (after a build in ./build)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
runs="${1:-15}"
probe="$root/build/bench/startup_probe"
[ -x "$probe" ] || { echo "build first: cmake --build build" >&2; exit 1; }

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
export XDG_CONFIG_HOME="$scratch/config" XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

measure() {
    xvfb-run -a -s "-screen 0 1280x1024x24" "$probe" "$runs" 1000 -- "$@"
}

bare=$(measure "$root/build/bench/bare_window")
barwright=$(measure "$root/build/program/barwright")

bare_map=$(cut -d' ' -f1 <<<"$bare" | median)
bare_rss=$(cut -d' ' -f2 <<<"$bare" | median)
bw_map=$(cut -d' ' -f1 <<<"$barwright" | median)
bw_rss=$(cut -d' ' -f2 <<<"$barwright" | median)

awk -v bm="$bare_map" -v br="$bare_rss" -v wm="$bw_map" -v wr="$bw_rss" -v runs="$runs" 'BEGIN {
    printf "%-12s %14s %16s\n", "", "window (ms)", "resident (MiB)"
    printf "%-12s %14.1f %16.1f\n", "bare window", bm, br / 1024
    printf "%-12s %14.1f %16.1f\n", "Barwright", wm, wr / 1024
    printf "%-12s %14.2f %16.2f\n", "ratio", wm / bm, wr / br
    printf "(medians of %d runs; target: both ratios at most 1.25)\n", runs
}'
