#!/usr/bin/env bash
# What the capture window costs while the pointer moves over a colour gradient, under a private
# X server: CPU of Barwright and of the X server with the main window idle and with the capture
# window open, and the capture window's update rate.
#   bench/capture.sh [SECONDS]    (after a build in ./build)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:-10}"
probe="$root/build/bench/capture_probe"
client="$root/build/tests/x11_test_client"
for program in "$probe" "$client"; do
    [ -x "$program" ] || { echo "build first: cmake --build build" >&2; exit 1; }
done

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
export XDG_CONFIG_HOME="$scratch/config" XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

cat >"$scratch/inside.sh" <<'INSIDE'
set -euo pipefail
probe="$1" client="$2" seconds="$3"
# The server of this display: the Xvfb whose command line names it.
server=$(pgrep -f "^Xvfb ${DISPLAY} " | head -n 1 || true)

# A gradient across the top of the screen, away from the centred windows.
exec 3< <(sleep $((seconds * 2 + 10)))
"$client" 0 0 1280 200 gradient <&3 >/dev/null &

# Back and forth over it, a new pixel every 4 ms, for as long as the probe runs.
right=() left=()
for ((x = 20; x < 1260; x += 2)); do right+=(mousemove "$x" 100 sleep 0.004); done
for ((x = 1260; x > 20; x -= 2)); do left+=(mousemove "$x" 100 sleep 0.004); done
stop="$(mktemp -u)"
( while [ ! -e "$stop" ]; do xdotool "${right[@]}"; xdotool "${left[@]}"; done ) &
mover=$!
"$probe" "$seconds" "$server"
touch "$stop"
wait "$mover"
rm -f "$stop"
INSIDE
xvfb-run -a -s "-screen 0 1280x1024x24" bash "$scratch/inside.sh" "$probe" "$client" "$seconds" \
    2> >(grep -v -e XDG_RUNTIME_DIR -e 'QStandardPaths' >&2)
