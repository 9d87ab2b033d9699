#!/usr/bin/env python3
"""Makes the page's font: the characters it needs cut from a TrueType font,
as WOFF2, and the licence the font carries beside it.

usage: subset_font.py FONT WOFF2 LICENCE TEXT_FILE...
The characters are those of the TEXT_FILEs (UTF-8): the list of what the
game can show, and the page itself. A character the font has no glyph for
fails the build: the browser would draw it from another font, wider or
narrower, and the grid would shift. Needs Debian's python3-fonttools and
python3-brotli.
"""
import html
import pathlib
import re
import sys
import unicodedata

from fontTools import subset
from fontTools.ttLib import TTFont

LICENCE_NAME_ID = 13
COPYRIGHT_NAME_ID = 0


def wanted_characters(paths):
    text = ""
    for path in paths:
        content = pathlib.Path(path).read_text(encoding="utf-8")
        if path.endswith(".html"):  # what the page shows, not its markup
            content = html.unescape(re.sub(r"<[^>]*>", "", content))
        text += content
    return {ch for ch in text if unicodedata.category(ch) != "Cc"}  # no line ends


def main(argv):
    if len(argv) < 5:
        print(__doc__, file=sys.stderr)
        return 2
    font_path, woff2_path, licence_path = argv[1:4]
    characters = wanted_characters(argv[4:])
    font = TTFont(font_path)
    missing = sorted(ch for ch in characters if ord(ch) not in font.getBestCmap())
    if missing:
        print("%s has no glyph for: %s" % (font_path, " ".join("U+%04X" % ord(ch) for ch in missing)),
              file=sys.stderr)
        return 1

    options = subset.Options()
    options.flavor = "woff2"
    options.name_IDs = ["*"]  # the copyright and licence stay in the font
    options.layout_features = []  # a grid of cells needs no ligatures or kerning
    options.hinting = False  # browsers scale the outlines themselves
    options.drop_tables += ["FFTM"]  # a font editor's time stamps
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=sorted(ord(ch) for ch in characters))
    subsetter.subset(font)
    pathlib.Path(woff2_path).parent.mkdir(parents=True, exist_ok=True)
    font.flavor = "woff2"
    font.save(woff2_path)

    names = font["name"]
    notice = names.getDebugName(COPYRIGHT_NAME_ID) or ""
    licence = names.getDebugName(LICENCE_NAME_ID)
    if not licence:
        print("%s carries no licence text" % font_path, file=sys.stderr)
        return 1
    family = names.getDebugName(1)
    pathlib.Path(licence_path).write_text(
        "The font %s (fonts/%s) is a subset of %s, made for this page.\n\n%s\n\n%s\n"
        % (family, pathlib.Path(woff2_path).name, pathlib.Path(font_path).name, notice.strip(),
           licence.strip()), encoding="utf-8")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
