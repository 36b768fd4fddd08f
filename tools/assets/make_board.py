"""Draws the board picture: warm wood, the 9 x 10 grid, palaces, river and point marks.

The picture is 521 x 577 logical pixels drawn at twice that size. Each point of the grid
sits at the centre of a 57 x 57 cell whose top-left corner is at (3 + 57 i, 3 + 57 j).
"""

import numpy as np
from PIL import Image, ImageDraw

import woodlib as wl

LOGICAL_W, LOGICAL_H = 521, 577
WIDTH, HEIGHT = LOGICAL_W * wl.SCALE, LOGICAL_H * wl.SCALE
PITCH = 57
ORIGIN = 31.5  # logical centre of the first cell
SUPER = 4  # the line work is drawn this many times larger, then filtered down

INK = (58, 30, 12)
RIVER_TEXT = ("楚", "河", "汉", "界")


def point(i, j):
    return ORIGIN + PITCH * i, ORIGIN + PITCH * j


def wood_background(rng):
    grain = wl.wood_grain(rng, WIDTH, HEIGHT, ring_pitch=26.0, stretch=10.0, warp_amount=2.2)
    rgb = wl.colour_ramp(
        grain,
        [(0.0, (230, 186, 118)), (0.5, (218, 166, 96)), (0.85, (198, 142, 72)), (1.0, (176, 118, 54))],
    )
    # Soft light from the upper left and a gentle darkening towards the rim.
    ys, xs = np.mgrid[0:HEIGHT, 0:WIDTH].astype(np.float32)
    u, v = xs / WIDTH, ys / HEIGHT
    light = 1.06 - 0.12 * (0.6 * u + 0.4 * v)
    rim = np.minimum(np.minimum(u, 1 - u) * WIDTH / HEIGHT, np.minimum(v, 1 - v))
    vignette = 1.0 - 0.22 * np.clip(1.0 - rim / 0.12, 0.0, 1.0) ** 2
    rgb *= (light * vignette)[..., None]
    # The river is a slightly deeper, cooler band of the same wood.
    top, bottom = point(0, 4)[1] * wl.SCALE, point(0, 5)[1] * wl.SCALE
    band = np.clip(np.minimum(ys - top, bottom - ys) / 30.0, 0.0, 1.0)
    rgb *= (1.0 - 0.06 * band)[..., None]
    return rgb


def line_mask():
    """Anti-aliased coverage of every printed line, as floats in [0, 1]."""
    k = wl.SCALE * SUPER
    mask = Image.new("L", (WIDTH * SUPER, HEIGHT * SUPER), 0)
    draw = ImageDraw.Draw(mask)

    def line(x0, y0, x1, y1, width):
        draw.line([(x0 * k, y0 * k), (x1 * k, y1 * k)], fill=255, width=round(width * k))

    def rect(x0, y0, x1, y1, width):
        draw.rectangle([x0 * k, y0 * k, x1 * k, y1 * k], outline=255, width=round(width * k))

    thin = 1.2
    left, top = point(0, 0)
    right, bottom = point(8, 9)
    half = thin / 2
    for j in range(10):
        line(left - half, point(0, j)[1], right + half, point(0, j)[1], thin)
    for i in range(9):
        x = point(i, 0)[0]
        if i in (0, 8):
            line(x, top - half, x, bottom + half, thin)
        else:
            line(x, top, x, point(i, 4)[1], thin)
            line(x, point(i, 5)[1], x, bottom, thin)
    for j0 in (0, 7):
        line(*point(3, j0), *point(5, j0 + 2), thin)
        line(*point(5, j0), *point(3, j0 + 2), thin)

    # A heavy frame a little outside the grid.
    gap = 6.0
    frame = 2.6
    rect(left - gap - frame / 2, top - gap - frame / 2, right + gap + frame / 2, bottom + gap + frame / 2, frame)

    # The little corner marks where Pawns and Cannons start.
    marks = [(i, j) for j in (3, 6) for i in (0, 2, 4, 6, 8)]
    marks += [(i, j) for j in (2, 7) for i in (1, 7)]
    offset, length = 4.5, 10.0
    for i, j in marks:
        cx, cy = point(i, j)
        for sx in (-1, 1):
            if (i == 0 and sx < 0) or (i == 8 and sx > 0):
                continue
            for sy in (-1, 1):
                x0, y0 = cx + sx * offset, cy + sy * offset
                line(x0 - sx * thin / 2, y0, x0 + sx * length, y0, thin)
                line(x0, y0 - sy * thin / 2, x0, y0 + sy * length, thin)

    small = mask.resize((WIDTH, HEIGHT), Image.LANCZOS)
    return np.asarray(small, np.float32) / 255.0


def river_text_layers():
    """Coverage of the river words and of their light bevel, one pixel lower right."""
    font = wl.cjk_font(wl.SERIF_BOLD, "Noto Serif CJK SC", round(34 * wl.SCALE))
    text = Image.new("L", (WIDTH, HEIGHT), 0)
    draw = ImageDraw.Draw(text)
    river_y = (point(0, 4)[1] + point(0, 5)[1]) / 2
    columns = (1.25, 2.75, 5.25, 6.75)
    for char, column in zip(RIVER_TEXT, columns):
        x = ORIGIN + PITCH * column
        draw.text((x * wl.SCALE, river_y * wl.SCALE), char, font=font, fill=255, anchor="mm")
    glyphs = np.asarray(text, np.float32) / 255.0
    bevel = np.zeros_like(glyphs)
    bevel[2:, 2:] = glyphs[:-2, :-2]
    return glyphs, bevel


def edge_bevel(rgb):
    """A narrow raised rim at the picture's edge: light on top and left, dark below and right."""
    rim = 5 * wl.SCALE
    for d in range(rim):
        shade = 0.78 + 0.22 * d / rim
        light = 1.18 - 0.18 * d / rim
        rgb[d, d : WIDTH - d] *= light
        rgb[d : HEIGHT - d, d] *= light
        rgb[HEIGHT - 1 - d, d : WIDTH - d] *= shade
        rgb[d : HEIGHT - d, WIDTH - 1 - d] *= shade
    return rgb


def blend(rgb, coverage, colour, opacity):
    a = (coverage * opacity)[..., None]
    return rgb * (1.0 - a) + np.array(colour, np.float32) * a


def main():
    rng = np.random.default_rng(20240611)
    rgb = wood_background(rng)
    lines = line_mask()
    rgb = blend(rgb, np.roll(np.roll(lines, 1, 0), 1, 1), (250, 230, 190), 0.35)
    rgb = blend(rgb, lines, INK, 0.92)
    glyphs, bevel = river_text_layers()
    rgb = blend(rgb, bevel, (252, 232, 192), 0.55)
    rgb = blend(rgb, glyphs, (92, 48, 20), 0.9)
    rgb = edge_bevel(rgb)
    print(wl.save_png(wl.to_image(rgb), "board.png"))


if __name__ == "__main__":
    main()
