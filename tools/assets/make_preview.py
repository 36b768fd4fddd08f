"""Composes the board with every piece on its start point, for judging the look by eye.

The preview is not part of the game; it is written to the path given (default /tmp).
"""

import sys

from PIL import Image

import woodlib as wl

BACK_ROW = ("chariot", "horse", "elephant", "advisor", "king", "advisor", "elephant", "horse", "chariot")


def start_points():
    for i, kind in enumerate(BACK_ROW):
        yield "black", kind, i, 0
        yield "red", kind, i, 9
    for i in (1, 7):
        yield "black", "cannon", i, 2
        yield "red", "cannon", i, 7
    for i in (0, 2, 4, 6, 8):
        yield "black", "pawn", i, 3
        yield "red", "pawn", i, 6


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "/tmp/xiangqi_preview.png"
    board = Image.open(f"{wl.IMAGES}/board.png").convert("RGBA")
    cell = 57 * wl.SCALE
    for side, kind, i, j in start_points():
        piece = Image.open(f"{wl.IMAGES}/pieces/{side}_{kind}.png")
        board.alpha_composite(piece, ((3 + 57 * i) * wl.SCALE, (3 + 57 * j) * wl.SCALE))
    marker = Image.open(f"{wl.IMAGES}/marker.png")
    board.alpha_composite(marker, ((3 + 57 * 7) * wl.SCALE, (3 + 57 * 7) * wl.SCALE))
    board.alpha_composite(marker, ((3 + 57 * 4) * wl.SCALE, (3 + 57 * 7) * wl.SCALE))
    board.save(out)
    half = board.resize((board.width // 2, board.height // 2), Image.LANCZOS)
    half.save(out.replace(".png", "_1x.png"))
    crop = board.crop((0, 0, cell * 5, cell * 4))
    crop.save(out.replace(".png", "_crop.png"))
    print(out)


if __name__ == "__main__":
    main()
