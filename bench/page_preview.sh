#!/usr/bin/env bash
# Preview on a Page under a private X server: the time from a put into the face's entry box to
# the page's scrollbar showing the new face on the screen, with no reload (goal: at most 50 ms).
#   bench/page_preview.sh [PUTS]    (after a build in ./build)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
puts="${1:-21}"
probe="$root/build/bench/page_preview_probe"
[ -x "$probe" ] || { echo "build first: cmake --build build --target page_preview_probe" >&2; exit 1; }

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/program"
cp "$root"/build/program/barwright_webview* "$scratch/program/"
export XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data" \
    XDG_CACHE_HOME="$scratch/cache" XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
# A page of some size, with a framework's root colours and a few scrollers.
{
    echo '<!DOCTYPE html><html><head><style>:root { scrollbar-color: #888 #eee }'
    echo '.list { height: 120px; overflow: auto }</style></head><body>'
    for i in $(seq 1 40); do
        echo "<h2>Section $i</h2><div class=\"list\"><p style=\"height: 400px\">Items of $i</p></div>"
    done
    echo '</body></html>'
} >"$scratch/page.html"

xvfb-run -a -s "-screen 0 1280x1024x24" "$probe" "$scratch/program" "$scratch/page.html" "$puts" \
    >"$scratch/figures" 2>"$scratch/stderr" || { cat "$scratch/stderr" >&2; exit 1; }

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
# The first put builds the engine's drawing of the new rules once; it is shown apart.
first=$(awk '$1 == "put" && $2 == 1 { print $3 }' "$scratch/figures")
later=$(awk '$1 == "put" && $2 > 1 { print $3 }' "$scratch/figures" | median)
worst=$(awk '$1 == "put" && $2 > 1 { print $3 }' "$scratch/figures" | sort -n | tail -1)
printf "first put to repaint  %8.1f ms\n" "$first"
printf "put to repaint        %8.1f ms  (median of %d, worst %.1f ms; goal: at most 50 ms)\n" \
    "$later" "$((puts - 1))" "$worst"
