#!/usr/bin/env bash
# Regenerates every built-in asset of the game from scratch. The outputs are committed, so a
# build never runs this; run it after changing a generator. Needs Debian's Python with Pillow,
# NumPy and fontTools (/usr/bin/python3) and the fonts-noto-cjk package.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
python=/usr/bin/python3
cd "$here"
"$python" make_board.py
"$python" make_pieces.py
"$python" make_sounds.py
"$python" make_font.py
"$python" make_preview.py "${1:-/tmp/xiangqi_preview.png}"
