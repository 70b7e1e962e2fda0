#!/usr/bin/env bash
# Start-up of the Windows Barwright under Wine against a bare Qt main window built the same way
# (MinGW-w64, the same Qt for Windows), on one private X server and one warm Wine prefix:
# medians of the time from starting the program to its window's mapping, taken in turns.
#   bench/startup_wine.sh [RUNS]    (after cmake --build --preset windows)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
runs="${1:-9}"
build="$root/build-windows"
[ -f "$build/program/barwright.exe" ] && [ -f "$build/bench/bare_window.exe" ] \
    || { echo "build first: cmake --build --preset windows" >&2; exit 1; }

scratch="$(mktemp -d)"
export BARWRIGHT_WINEPREFIX="$scratch/wine"
run="$root/cmake/wine-run.sh"
trap '"$run" --shutdown; rm -rf "$scratch"' EXIT
# The prefix and the private X server both programs draw on.
"$run" --prepare
export DISPLAY="$(cut -d' ' -f2 "$BARWRIGHT_WINEPREFIX.xvfb")"
native() { local p="Z:$1"; echo "${p//\//\\}"; }
# Both find Qt's DLLs and plugins in the program folder.
export WINEPATH="$(native "$build/program")" QT_PLUGIN_PATH="$(native "$build/program")"

# One start: milliseconds until a window of that exact title is mapped.
once() {
    local program="$1" title="$2" start end pid
    start=$(date +%s%N)
    "$run" "$program" >/dev/null 2>&1 &
    pid=$!
    timeout 60 xdotool search --sync --onlyvisible --name "^$title\$" >/dev/null 2>&1
    end=$(date +%s%N)
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    echo $(( (end - start) / 1000000 ))
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

once "$build/bench/bare_window.exe" "Bare window" >/dev/null # warms Wine's caches
bare=() barwright=()
for _ in $(seq "$runs"); do
    bare+=("$(once "$build/bench/bare_window.exe" "Bare window")")
    barwright+=("$(once "$build/program/barwright.exe" "Barwright")")
done
bm=$(printf '%s\n' "${bare[@]}" | median)
wm=$(printf '%s\n' "${barwright[@]}" | median)
awk -v bm="$bm" -v wm="$wm" -v runs="$runs" 'BEGIN {
    printf "%-12s %20s\n", "under Wine", "mapped window (ms)"
    printf "%-12s %20.0f\n", "bare window", bm
    printf "%-12s %20.0f\n", "Barwright", wm
    printf "%-12s %20.2f\n", "ratio", wm / bm
    printf "(medians of %d runs each, in turns, from starting the program)\n", runs
}'
