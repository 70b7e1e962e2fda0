#!/usr/bin/env bash
# Runs a Windows program of the Windows build under Wine: the emulator CMake and CTest put in
# front of every Windows program they run.
#   wine-run.sh [--qtest] PROGRAM.exe [ARGUMENT...]
#   wine-run.sh --prepare | --shutdown    makes the prefix and its X server / ends both
# Every run of one build tree shares one private Wine prefix, build-windows/wine, made and
# warmed on first use (or the one BARWRIGHT_WINEPREFIX names). --qtest: the program is a Qt
# Test, whose own output does not reach a pipe under Wine; it writes to a file, printed after.
# A run is cut off after BARWRIGHT_WINE_TIMEOUT seconds (300), so none can hang. One Wine
# server draws on one X display: --prepare starts a private Xvfb that every run then uses.
set -euo pipefail
qtest=0
mode=run
case "${1:-}" in
    --qtest) qtest=1; shift ;;
    --prepare | --shutdown) mode="${1#--}"; shift ;;
esac
program="${1:-}"
[ $# -gt 0 ] && shift

# The build tree is the nearest folder above the program that has a CMakeCache.txt.
build_tree() {
    local dir
    dir="$(cd "$(dirname "$1")" && pwd)"
    while [ "$dir" != "/" ]; do
        [ -f "$dir/CMakeCache.txt" ] && { echo "$dir"; return; }
        dir="$(dirname "$dir")"
    done
    echo "${XDG_CACHE_HOME:-$HOME/.cache}/barwright"
}
if [ -n "${BARWRIGHT_WINEPREFIX:-}" ]; then
    export WINEPREFIX="$BARWRIGHT_WINEPREFIX"
else
    export WINEPREFIX="$(build_tree "$program")/wine"
fi
export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# Wine keeps the QT_* variables of Linux from Windows programs; as WINEQT_* they pass.
while IFS= read -r name; do
    export "WINE$name=${!name}"
done < <(compgen -e | grep '^QT_' || true)

xvfb="$WINEPREFIX.xvfb"
if [ "$mode" = shutdown ]; then
    [ -d "$WINEPREFIX" ] || exit 0
    wineserver -k 2>/dev/null || true
    timeout 30 wineserver -w || true
    [ -f "$xvfb" ] && kill "$(cut -d' ' -f1 "$xvfb")" 2>/dev/null || true
    rm -f "$xvfb"
    exit 0
fi
if [ "$mode" = prepare ] && ! { [ -f "$xvfb" ] && kill -0 "$(cut -d' ' -f1 "$xvfb")" 2>/dev/null; }; then
    mkdir -p "$(dirname "$WINEPREFIX")"
    fifo="$(mktemp -u)"
    mkfifo "$fifo"
    setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" </dev/null >/dev/null 2>&1 &
    read -r -t 20 number <"$fifo"
    rm -f "$fifo"
    echo "$! :$number" >"$xvfb"
fi
[ -f "$xvfb" ] && export DISPLAY="$(cut -d' ' -f2 "$xvfb")"

# Only one run makes the prefix; the others wait for it.
ready="$WINEPREFIX/.barwright-ready"
if [ ! -f "$ready" ]; then
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock 9
        if [ ! -f "$ready" ]; then
            echo "Making the Wine prefix $WINEPREFIX" >&2
            DISPLAY= timeout 180 wine wineboot --init >/dev/null 2>&1
            timeout 60 wineserver -w
            touch "$ready"
        fi
    ) 9>"$WINEPREFIX.lock"
fi

if [ "$mode" = prepare ]; then
    # One server for the whole run, not one per test; it ends a while after the last program.
    # Neither may hold the output of the CTest run that started it.
    wineserver -p60 </dev/null >/dev/null 2>&1
    exec timeout 60 wine cmd /c exit 0 </dev/null >/dev/null 2>&1
fi

limit="${BARWRIGHT_WINE_TIMEOUT:-300}"
if [ "$qtest" = 0 ]; then
    exec timeout -k 5 "$limit" wine "$program" "$@"
fi

log="$(mktemp "${TMPDIR:-/tmp}/qtest-XXXXXX.txt")"
trap 'rm -f "$log"' EXIT
status=0
timeout -k 5 "$limit" wine "$program" "$@" -o "Z:${log//\//\\},txt" || status=$?
cat "$log"
[ "$status" = 124 ] && echo "wine-run.sh: $(basename "$program") cut off after $limit s" >&2
exit "$status"
