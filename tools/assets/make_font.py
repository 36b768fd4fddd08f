"""Cuts the game's own small font out of Debian's Noto Sans Mono CJK SC (fonts-noto-cjk).

The mono face keeps every Latin character half as wide as a Chinese one, so the blank-
padded texts of the window (file numbers, the thinking panel's columns) line up. The subset
holds every character of assets/fonts/game_texts.txt plus all printable ASCII, the
full-width forms and the CJK punctuation block, and is renamed so it never mixes with an
installed Noto face.
"""

import os

from fontTools import subset
from fontTools.ttLib import TTCollection

import woodlib as wl

SOURCE = os.path.join(wl.NOTO_DIR, "NotoSansCJK-Regular.ttc")
SOURCE_FAMILY = "Noto Sans Mono CJK SC"
FAMILY = "Xiangqi CJK"
TEXTS = os.path.join(wl.ASSETS, "fonts", "game_texts.txt")
OUTPUT = os.path.join(wl.ASSETS, "fonts", "xiangqi-cjk.otf")


def wanted_codepoints():
    codes = set(range(0x20, 0x7F))  # printable ASCII
    codes |= set(range(0xFF01, 0xFF5F))  # full-width forms
    codes |= set(range(0x3000, 0x3040))  # CJK symbols and punctuation
    codes |= {0x2014, 0x2018, 0x2019, 0x201C, 0x201D, 0x2026, 0x00B7}
    with open(TEXTS, encoding="utf-8") as texts:
        for line in texts:
            if not line.startswith("#"):
                codes |= {ord(c) for c in line.rstrip("\n")}
    return codes


def rename(font):
    names = font["name"]
    subfamily = "Regular"
    full = f"{FAMILY} {subfamily}"
    postscript = FAMILY.replace(" ", "") + "-" + subfamily
    for record in list(names.names):
        if record.nameID in (16, 17, 21, 22):
            names.removeNames(nameID=record.nameID)
    for platform, encoding, language in ((3, 1, 0x409), (1, 0, 0)):
        names.setName(FAMILY, 1, platform, encoding, language)
        names.setName(subfamily, 2, platform, encoding, language)
        names.setName(f"{postscript};game subset", 3, platform, encoding, language)
        names.setName(full, 4, platform, encoding, language)
        names.setName(postscript, 6, platform, encoding, language)
    font["CFF "].cff.fontNames = [postscript]
    top = font["CFF "].cff.topDictIndex[0]
    top.FamilyName = FAMILY
    top.FullName = full


def main():
    collection = TTCollection(SOURCE)
    font = next(f for f in collection.fonts if f["name"].getDebugName(1) == SOURCE_FAMILY)
    options = subset.Options()
    options.name_IDs = ["*"]
    options.name_languages = [0x409, 0]
    options.layout_features = ["kern", "palt", "halt", "vert", "locl", "ccmp"]
    options.notdef_outline = True
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=wanted_codepoints())
    subsetter.subset(font)
    rename(font)
    font.recalcTimestamp = False  # keep the source date so every run gives the same file
    font.save(OUTPUT)
    print(OUTPUT, os.path.getsize(OUTPUT), "bytes,", len(font.getGlyphOrder()), "glyphs")


if __name__ == "__main__":
    main()
