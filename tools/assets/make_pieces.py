"""Draws the fourteen pieces and the selection marker.

A piece is a turned wooden disc with a raised rim, an inlaid ring and its name carved into
the face, in red or black. Everything is drawn four times larger and filtered down to
114 x 114 (57 x 57 logical at twice the size).
"""

import numpy as np
from PIL import Image, ImageDraw, ImageFilter

import woodlib as wl

SIZE = 57 * wl.SCALE
SUPER = 4
BIG = SIZE * SUPER

KINDS = ("king", "advisor", "elephant", "horse", "chariot", "cannon", "pawn")
GLYPHS = {
    "red": ("帅", "仕", "相", "马", "车", "炮", "兵"),
    "black": ("将", "士", "象", "马", "车", "炮", "卒"),
}
INK = {"red": (172, 22, 18), "black": (30, 26, 24)}

RADIUS = 51.0  # disc radius in final pixels; the rest of the cell holds the shadow
LIFT = 2.4  # the face sits this much above the centre, the disc's side shows below it
RIM = 7.0  # width of the rounded rim
RING = 41.0  # radius of the inlaid ring
RING_WIDTH = 2.6


def radial_field(lift=0.0):
    c = (BIG - 1) / 2.0
    ys, xs = np.mgrid[0:BIG, 0:BIG].astype(np.float32)
    dx, dy = (xs - c) / SUPER, (ys - c) / SUPER + lift
    r = np.hypot(dx, dy)
    return dx, dy, r


def disc_rgb(rng, dx, dy, r):
    grain = wl.wood_grain(rng, BIG, BIG, ring_pitch=70.0, stretch=3.0, warp_amount=1.2)
    rgb = wl.colour_ramp(
        grain, [(0.0, (246, 222, 172)), (0.6, (236, 202, 144)), (1.0, (214, 170, 106))]
    )
    safe_r = np.maximum(r, 1e-3)
    facing_light = -(dx + dy) / (safe_r * np.sqrt(2.0))  # 1 where the surface faces upper left
    # The face is a very shallow dome, the rim a rounded bevel catching the light.
    face = 1.0 + 0.07 * facing_light * np.clip(r / (RADIUS - RIM), 0, 1)
    tilt = np.clip((r - (RADIUS - RIM)) / RIM, 0.0, 1.0)
    rim = 1.0 + 0.38 * tilt * facing_light - 0.16 * tilt**2
    rgb *= np.where(r > RADIUS - RIM, rim, face)[..., None]
    # A fine groove where the rim meets the face.
    groove = np.exp(-(((r - (RADIUS - RIM)) / 0.7) ** 2))
    rgb *= (1.0 - 0.25 * groove)[..., None]
    # A darker outline so the disc reads well on the board.
    outline = np.clip((r - (RADIUS - 1.6)) / 1.6, 0.0, 1.0)
    rgb = rgb * (1 - outline[..., None]) + np.array((110, 70, 34), np.float32) * outline[..., None]
    return rgb


def disc_alpha(r):
    return np.clip(RADIUS - r + 0.5, 0.0, 1.0)


def shadow_alpha(r_shifted):
    edge = np.clip((RADIUS + 1.0 - r_shifted) / 3.0, 0.0, 1.0)
    return 0.45 * edge


def carve_layer(glyph):
    """Coverage of the ring and the glyph, drawn at the large size."""
    layer = Image.new("L", (BIG, BIG), 0)
    draw = ImageDraw.Draw(layer)
    c = BIG / 2
    cy = c - LIFT * SUPER
    half = (RING + RING_WIDTH / 2) * SUPER
    draw.ellipse([c - half, cy - half, c + half, cy + half], fill=255)
    inner = (RING - RING_WIDTH / 2) * SUPER
    draw.ellipse([c - inner, cy - inner, c + inner, cy + inner], fill=0)
    font = wl.cjk_font(wl.SERIF_BOLD, "Noto Serif CJK SC", round(63 * SUPER))
    c_face = c - LIFT * SUPER
    draw.text((c, c_face + 1 * SUPER), glyph, font=font, fill=255, anchor="mm")
    return np.asarray(layer, np.float32) / 255.0


def shifted(mask, pixels):
    out = np.zeros_like(mask)
    out[pixels:, pixels:] = mask[:-pixels, :-pixels]
    return out


def side_rgb(dx, dy):
    """The turned side of the disc, seen below the face: dark wood, lit from the left."""
    across = np.clip(0.5 + dx / (2 * RADIUS), 0.0, 1.0)
    tone = 1.0 - 0.35 * across
    return np.array((150, 96, 48), np.float32) * tone[..., None]


def make_piece(rng, side, glyph):
    dx, dy, r = radial_field(LIFT)
    rgb = disc_rgb(rng, dx, dy, r)
    carved = carve_layer(glyph)
    # Carved into the wood: a lit lower-right lip and a dark upper-left wall, then the ink.
    lip = np.clip(shifted(carved, int(1.2 * SUPER)) - carved, 0, 1)
    wall = np.clip(carved - shifted(carved, int(1.0 * SUPER)), 0, 1)
    rgb = rgb * (1 - 0.55 * lip[..., None]) + np.array((255, 244, 214), np.float32) * (0.55 * lip[..., None])
    ink = np.array(INK[side], np.float32)
    rgb = rgb * (1 - carved[..., None]) + ink * carved[..., None]
    rgb *= (1.0 - 0.35 * wall)[..., None]

    face = disc_alpha(r)
    bdx, bdy, body_r = radial_field(-LIFT)
    body = disc_alpha(body_r)
    rgb = rgb * face[..., None] + side_rgb(bdx, bdy) * (1 - face[..., None])
    alpha = face + body * (1 - face)
    shadow = shadow_alpha(np.hypot(bdx - 1.4, bdy - 2.0))
    shadow = np.asarray(
        Image.fromarray((shadow * 255).astype(np.uint8)).filter(ImageFilter.GaussianBlur(2.0 * SUPER)),
        np.float32,
    ) / 255.0
    total_alpha = alpha + shadow * (1 - alpha)
    safe = np.maximum(total_alpha, 1e-6)[..., None]
    shadow_rgb = np.array((40, 22, 8), np.float32)
    colour = (rgb * alpha[..., None] + shadow_rgb * (shadow * (1 - alpha))[..., None]) / safe
    big = wl.to_image(colour, total_alpha)
    return big.resize((SIZE, SIZE), Image.LANCZOS)


def make_marker():
    """Four corner brackets, open in the middle, with a light halo for contrast on dark pieces."""
    big = Image.new("RGBA", (BIG, BIG), (0, 0, 0, 0))
    draw = ImageDraw.Draw(big)
    inset, arm, thick, halo = 3 * SUPER, 30 * SUPER, 6 * SUPER, 2 * SUPER
    far = BIG - 1 - inset
    corners = [(inset, inset, 1, 1), (far, inset, -1, 1), (inset, far, 1, -1), (far, far, -1, -1)]

    def bracket(grow, colour):
        for x, y, sx, sy in corners:
            x0, y0 = x - sx * grow, y - sy * grow
            xs = sorted((x0, x + sx * (arm + grow)))
            ys = sorted((y0, y + sy * (thick + grow)))
            draw.rectangle([xs[0], ys[0], xs[1], ys[1]], fill=colour)
            xs = sorted((x0, x + sx * (thick + grow)))
            ys = sorted((y0, y + sy * (arm + grow)))
            draw.rectangle([xs[0], ys[0], xs[1], ys[1]], fill=colour)

    bracket(halo, (255, 250, 235, 235))
    bracket(0, (22, 104, 214, 255))
    return big.resize((SIZE, SIZE), Image.LANCZOS)


def main():
    rng = np.random.default_rng(571114)
    for side in ("red", "black"):
        for kind, glyph in zip(KINDS, GLYPHS[side]):
            print(wl.save_png(make_piece(rng, side, glyph), "pieces", f"{side}_{kind}.png"))
    print(wl.save_png(make_marker(), "marker.png"))


if __name__ == "__main__":
    main()
