#!/usr/bin/env bash
# The actual-size preview under a private X server: time from the command to the page being
# loaded (the first opening starts the web engine, later ones reuse it), and the CPU share of
# the program with its engine helpers while the preview stands open and idle.
# Set QT_QUICK_BACKEND=rhi to compare with the engine's default drawing path.
#   bench/preview.sh [OPENINGS] [IDLE_SECONDS]    (after a build in ./build)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
openings="${1:-5}"
idle="${2:-10}"
probe="$root/build/bench/preview_probe"
[ -x "$probe" ] || { echo "build first: cmake --build build" >&2; exit 1; }

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
# A program folder of its own, so the bench leaves the build's alone.
mkdir "$scratch/program"
cp "$root"/build/program/barwright_webview* "$root"/build/program/arrow.gif "$scratch/program/"
export XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data" \
    XDG_CACHE_HOME="$scratch/cache" XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

xvfb-run -a -s "-screen 0 1280x1024x24" "$probe" "$scratch/program" "$openings" "$idle" \
    >"$scratch/figures" 2>"$scratch/stderr" || { cat "$scratch/stderr" >&2; exit 1; }

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
first=$(awk '$1 == "open" && $2 == 1 { print $3 }' "$scratch/figures")
later=$(awk '$1 == "open" && $2 > 1 { print $3 }' "$scratch/figures" | median)
share=$(awk '$1 == "idle" { print $2 }' "$scratch/figures")
printf "first opening        %8.1f ms\n" "$first"
printf "later openings       %8.1f ms  (median of %d)\n" "$later" "$((openings - 1))"
printf "idle, preview open   %8.2f %%   of one core over %d s, engine helpers included (target: under 3 %%)\n" "$share" "$idle"
