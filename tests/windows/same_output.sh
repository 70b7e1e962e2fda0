#!/usr/bin/env bash
# brw2css.exe under Wine against the Linux brw2css, for the same inputs of every kind: the
# classic block, the modern sheet with a dark variant and states, an old page imported (from a
# file and from standard input, with the report) and a check. Output, messages and exit codes
# must agree byte for byte.
#   same_output.sh WINE_RUN BRW2CSS_EXE LINUX_BRW2CSS SOURCE_DIR
set -uo pipefail
wine_run="$1" windows="$2" linux="$3" source="$4"
[ -x "$linux" ] || { echo "no Linux brw2css at $linux: build it first (scripts/test)"; exit 77; }
cd "$source/tests/fuzz" || exit 1
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failed=0
compare() { # INPUT ARGUMENT...
    local input="$1" side
    shift
    "$wine_run" "$windows" "$@" <"$input" >"$work/windows.out" 2>"$work/windows.err"
    echo "exit $?" >>"$work/windows.out"
    "$linux" "$@" <"$input" >"$work/linux.out" 2>"$work/linux.err"
    echo "exit $?" >>"$work/linux.out"
    for side in out err; do
        if ! cmp -s "$work/windows.$side" "$work/linux.$side"; then
            echo "FAIL: brw2css $* (std$side differs)"
            diff <(od -c "$work/linux.$side") <(od -c "$work/windows.$side") | head -20
            failed=1
        fi
    done
}
compare /dev/null --format classic seeds/seven.brw
compare /dev/null --format both seeds/dark-states.brw
compare /dev/null --format css --scope ".side, main > pre" --width 10 seeds/dark-states.brw
compare /dev/null --format modern seeds/dark-base-bad.brw
compare /dev/null --report legacy_seeds/base_and_cascade.html
compare legacy_seeds/conditional_and_media.html --report --input html -
compare /dev/null --check --scope .side legacy_seeds/check.html legacy_seeds/sheet.css
[ "$failed" = 0 ] && echo "brw2css.exe and brw2css agree byte for byte"
exit "$failed"
