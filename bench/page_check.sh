#!/usr/bin/env bash
# brw2css --check on pages and sheets made to be hard for it: unclosed comments, blocks nested
# deep, one long selector list over many declarations, many findings on one long line, and many
# links with long addresses. Prints the time and peak memory of each at two sizes; a check that
# is linear in the page takes about twice as long on the larger one.
#   bench/page_check.sh [SMALL_KB LARGE_KB]    (after a build of brw2css in ./build)
# BRW2CSS names another brw2css to measure. Each run may take at most 4 GB, so that a check
# that is not linear fails rather than take the machine's memory.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
brw2css="${BRW2CSS:-$root/build/program/brw2css}"
[ -x "$brw2css" ] || { echo "build first: cmake --build build --target brw2css" >&2; exit 1; }
sizes=("${1:-1024}" "${2:-2048}")

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

# make_input KIND BYTES FILE: about BYTES bytes of the kind.
make_input() {
    python3 - "$1" "$2" "$3" <<'PY'
import sys
kind, size, path = sys.argv[1], int(sys.argv[2]), sys.argv[3]
if kind == "comments":
    text = "/* scrollbar " * (size // 13)
elif kind == "nesting":
    text = ".a::-webkit-scrollbar {" * (size // 46) + "width: 0" + "}" * (size // 46)
elif kind == "selectors":
    half = size // 2
    selectors = ", ".join(".s%d::-webkit-scrollbar" % i for i in range(half // 24))
    text = selectors + " {" + "width: 0; " * (half // 10) + "}"
elif kind == "one-line":
    text = "html { scrollbar-color: red blue } " * (size // 35)
else:
    text = '<link rel=stylesheet href="https://cdn.example.com/%s.css">' % ("x" * 200)
    text = text * (size // len(text))
with open(path, "w") as page:
    page.write(text)
PY
}

for kind in comments nesting selectors one-line links; do
    for kb in "${sizes[@]}"; do
        file="$scratch/$kind-$kb.$([ "$kind" = links ] && echo html || echo css)"
        make_input "$kind" $((kb * 1024)) "$file"
        status=0
        (ulimit -v $((4 * 1024 * 1024)); /usr/bin/time -f '%e %M' -o "$scratch/time" \
            "$brw2css" --check "$file" >"$scratch/out" 2>"$scratch/err") || status=$?
        if [ "$status" -le 1 ]; then
            read -r seconds peak_kb < <(tail -n 1 "$scratch/time")
            awk -v k="$kind" -v s="$kb" -v t="$seconds" -v m="$peak_kb" \
                -v n="$(wc -l <"$scratch/out")" 'BEGIN {
                printf "%-10s %5d KB: %6.2f s, peak %7.1f MB, %d lines\n", k, s, t, m / 1024, n
            }'
        else
            printf "%-10s %5d KB: failed (%s)\n" "$kind" "$kb" "$(tail -n 1 "$scratch/err")"
        fi
    done
done
