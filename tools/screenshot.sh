#!/usr/bin/env bash
# Takes docs/screenshot.png: the game window under a virtual X server after a short opening.
# Needs xvfb-run and ImageMagick's import; builds the driver if it is missing.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
out="${1:-$root/docs/screenshot.png}"

cmake --build "$build" -j 2 --target xiangqi-screenshot-driver >/dev/null
mkdir -p "$(dirname "$out")"

# Inside the virtual display: start the window, wait until it has played its moves, then
# photograph the window's place on the screen (there is no window manager, so no frame).
xvfb-run -a -s "-screen 0 1100x800x24" bash -c '
    log=$(mktemp)
    "$1" >"$log" 2>/dev/null &
    driver=$!
    for _ in $(seq 1 300); do
        grep -q ready "$log" && break
        sleep 0.1
    done
    grep -q ready "$log" || { echo "the window never got ready" >&2; kill "$driver"; exit 1; }
    import -window root -crop 977x701+50+50 +repage "$2"
    kill "$driver"
    wait "$driver" 2>/dev/null || true
    rm -f "$log"
' _ "$build/bin/xiangqi-screenshot-driver" "$out"
echo "$out"
