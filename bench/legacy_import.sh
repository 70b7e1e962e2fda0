#!/usr/bin/env bash
# brw2css --input html --report on pages made to be hard for the page reader: a long element
# name with many attributes that mention scrollbars, the same with a declaration in each, and one
# long name with one attribute of 100 declarations, a conditional comment never closed, and
# print-only groups nested deep. Prints the time and peak memory of each page
# at two sizes; a reader that is linear in the page takes about twice as long on the larger one.
#   bench/legacy_import.sh [SMALL_KB LARGE_KB]    (after a build of brw2css in ./build)
# BRW2CSS names another brw2css to measure. Each run may take at most 4 GB, so that a reader
# that is not linear fails rather than take the machine's memory.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
brw2css="${BRW2CSS:-$root/build/program/brw2css}"
[ -x "$brw2css" ] || { echo "build first: cmake --build build --target brw2css" >&2; exit 1; }
sizes=("${1:-1024}" "${2:-2048}")

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

# make_page KIND BYTES FILE: about BYTES bytes, half of them the element's name.
make_page() {
    python3 - "$1" "$2" "$3" <<'EOF'
import sys
kind, size, path = sys.argv[1], int(sys.argv[2]), sys.argv[3]
name = "a" * (size // 2)
if kind == "attributes":
    attrs = " style=scrollbar" * (size // 2 // 16)
elif kind == "declarations":
    attrs = " style=scrollbar-face-color:0" * (size // 2 // 29)
elif kind == "conditions":
    # A conditional comment never closed, around many style attributes.
    tag = "<p style=scrollbar-face-color:0>"
    name, attrs = "", "<!--[if gte IE 5.5]>" + tag * (size // len(tag))
elif kind == "media":
    # Print-only groups nested as deep as the page allows.
    name, attrs = "", "<style>" + "@media print{" * (size // 13) + "body{scrollbar-face-color:0}"
else:
    attrs = " style=\"" + "scrollbar-face-color:0;" * 100 + "\""
    name = "a" * (size - len(attrs))
with open(path, "w") as page:
    page.write("<" + name + attrs + ">" if name else attrs)
EOF
}

for kind in attributes declarations report conditions media; do
    for kb in "${sizes[@]}"; do
        page="$scratch/$kind-$kb.html"
        make_page "$kind" $((kb * 1024)) "$page"
        # A page whose colours are not for the page's own scrollbar ends brw2css with 1: it
        # was read all the same. A crash or a refused allocation is a failure.
        status=0
        (ulimit -v $((4 * 1024 * 1024)); /usr/bin/time -f '%e %M' -o "$scratch/time" \
            "$brw2css" --input html --report "$page" >/dev/null 2>"$scratch/report") || status=$?
        if [ "$status" -le 1 ]; then
            read -r seconds peak_kb < <(tail -n 1 "$scratch/time")
            awk -v k="$kind" -v s="$kb" -v t="$seconds" -v m="$peak_kb" \
                -v r="$(wc -c <"$scratch/report")" 'BEGIN {
                printf "%-12s %5d KB page: %6.2f s, peak %7.1f MB, report %d bytes\n", k, s, t, m / 1024, r
            }'
        else
            printf "%-12s %5d KB page: failed (%s)\n" "$kind" "$kb" "$(tail -n 1 "$scratch/report")"
        fi
    done
done
