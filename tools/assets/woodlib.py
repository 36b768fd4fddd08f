"""Shared pieces of the picture generators: paths, fonts, smooth noise and wood grain.

Every picture of the game is drawn from nothing here; randomness always comes from a
seeded generator so that running the scripts twice gives identical files.
"""

import os

import numpy as np
from PIL import Image, ImageFont

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
ASSETS = os.path.join(ROOT, "assets")
IMAGES = os.path.join(ASSETS, "images")

NOTO_DIR = "/usr/share/fonts/opentype/noto"
SERIF_BOLD = os.path.join(NOTO_DIR, "NotoSerifCJK-Bold.ttc")
SANS_BOLD = os.path.join(NOTO_DIR, "NotoSansCJK-Bold.ttc")

# Everything is drawn at twice the logical size, so the game stays crisp on dense screens.
SCALE = 2


def collection_index(path, family):
    """Index of the face called `family` inside a .ttc collection."""
    from fontTools.ttLib import TTCollection

    for index, face in enumerate(TTCollection(path).fonts):
        if face["name"].getDebugName(1) == family:
            return index
    raise LookupError(f"{family} not found in {path}")


def cjk_font(path, family, pixel_size):
    return ImageFont.truetype(path, pixel_size, index=collection_index(path, family))


def smooth_noise(rng, width, height, cells_x, cells_y):
    """Value noise in [0, 1]: a small random grid blown up with bicubic filtering."""
    grid = rng.random((cells_y, cells_x)).astype(np.float32)
    small = Image.fromarray(grid, mode="F")
    return np.asarray(small.resize((width, height), Image.BICUBIC), dtype=np.float32)


def fractal_noise(rng, width, height, cells_x, cells_y, octaves=4):
    total = np.zeros((height, width), np.float32)
    weight_sum = 0.0
    weight = 1.0
    for _ in range(octaves):
        total += weight * smooth_noise(rng, width, height, cells_x, cells_y)
        weight_sum += weight
        weight *= 0.5
        cells_x *= 2
        cells_y *= 2
    return total / weight_sum


def wood_grain(rng, width, height, ring_pitch, stretch=6.0, warp_amount=2.0):
    """Grain intensity in [0, 1] with rings running along the x axis.

    Rings are a warped sine over y; long fibres are noise stretched along x.
    """
    ys = np.arange(height, dtype=np.float32)[:, None]
    warp = fractal_noise(rng, width, height, 3, 4, octaves=3) - 0.5
    wobble = fractal_noise(rng, width, height, 6, 24, octaves=2) - 0.5
    phase = ys / ring_pitch + warp * warp_amount + wobble * 0.5
    rings = 0.5 + 0.5 * np.sin(phase * 2.0 * np.pi)
    rings = rings**2.5  # narrow dark late-wood bands, wide light early wood
    fibres = fractal_noise(
        rng, width, height, max(2, int(width / (40 * stretch))), max(2, height // 6), octaves=3
    )
    return np.clip(0.65 * rings + 0.35 * fibres, 0.0, 1.0)


def colour_ramp(values, stops):
    """Map values in [0, 1] through a list of (position, (r, g, b)) stops to an RGB array."""
    positions = [p for p, _ in stops]
    out = np.empty(values.shape + (3,), np.float32)
    for channel in range(3):
        out[..., channel] = np.interp(values, positions, [c[channel] for _, c in stops])
    return out


def to_image(rgb, alpha=None):
    rgb = np.clip(rgb, 0, 255).astype(np.uint8)
    if alpha is None:
        return Image.fromarray(rgb, mode="RGB")
    a = np.clip(alpha * 255.0, 0, 255).astype(np.uint8)
    return Image.fromarray(np.dstack([rgb, a]), mode="RGBA")


def save_png(image, *parts):
    path = os.path.join(IMAGES, *parts)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    image.save(path, optimize=True)
    return path
