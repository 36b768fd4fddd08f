#!/usr/bin/env bash
# Plays a whole game against the computer in the real window under a virtual X server and takes
# docs/game-in-progress.png and docs/game-finished.png. Prints how long the event loop was ever
# kept waiting while the computer thought and while pieces slid.
# Needs xvfb-run and ImageMagick's import; builds the driver if it is missing.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
docs="${1:-$root/docs}"

cmake --build "$build" -j 2 --target xiangqi-game-driver >/dev/null
mkdir -p "$docs"

xvfb-run -a -s "-screen 0 1100x800x24" bash -c '
    "$1" | while IFS= read -r line; do
        case "$line" in
            "snap "*)
                sleep 1
                import -window root -crop 977x701+50+50 +repage "$2/game-${line#snap }.png"
                echo "$2/game-${line#snap }.png" ;;
            done) break ;;
            *) echo "$line" ;;
        esac
    done
' _ "$build/bin/xiangqi-game-driver" "$docs"
