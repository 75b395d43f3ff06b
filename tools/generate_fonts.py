#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 The Vellumar developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Regenerate the fonts the screens carry inside the binary.

- src/screens/fonts/VellumarSymbols.ttf: the Material Icons font of Debian's
  fonts-material-design-icons-iconfont (Apache License 2.0), cut down to the
  code points that src/screens/style/Theme.qml names.
- src/screens/fonts/VellumarChinese-{Regular,Bold}.otf: Noto Sans CJK SC of
  Debian's fonts-noto-cjk (SIL Open Font License 1.1), cut down to the
  characters of the Chinese string table that Roboto lacks.

The cuts keep start-up cheap: the symbols cost a few kilobytes instead of
hundreds, and the first screen in Chinese opens a small font instead of a
19 MB collection (the full font still serves names and descriptions). The
new names keep fontconfig from handing out an installed copy of the full
font in their place, and a modified font may not go by the name of the one
it was made from: no name inside a cut (family, full, PostScript, unique id,
glyph groups) is the source's. The copyright and licence notices stay. The
source's modification date stays too, so an unchanged cut comes out byte for
byte the same.

Needs python3-fonttools and the two font packages. Run after changing
Theme.glyphs or the Chinese strings, from anywhere:

    /usr/bin/python3 tools/generate_fonts.py
"""

import re
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

from fontTools import subset
from fontTools.ttLib import TTFont

ROOT = Path(__file__).resolve().parent.parent
FONTS = ROOT / "src" / "screens" / "fonts"
THEME = ROOT / "src" / "screens" / "style" / "Theme.qml"
CHINESE_TABLE = ROOT / "translations" / "vellumar_zh_CN.ts"
ROBOTO = Path("/usr/share/fonts/truetype/roboto/unhinted/RobotoTTF/Roboto-Regular.ttf")
SYMBOLS = Path("/usr/share/fonts/truetype/material-design-icons-iconfont/MaterialIcons-Regular.ttf")
NOTO_CJK = Path("/usr/share/fonts/opentype/noto")
NOTO_CJK_SC = 2  # the Simplified Chinese face in each of Noto's collections
KEPT_NAMES = [0, 1, 2, 3, 4, 5, 6, 13, 14]  # with the copyright and licence notice


def cut(font, code_points, family, style, layout_features=None):
    """Keeps only `code_points` of `font` (and the layout features the
    subsetter keeps by default, or `layout_features`) and renames it."""
    missing = [cp for cp in code_points if cp not in font.getBestCmap()]
    if missing:
        sys.exit("not in the source font: " + ", ".join(f"U+{cp:04X}" for cp in missing))
    options = subset.Options()
    if layout_features is not None:
        options.layout_features = layout_features
    options.name_IDs = KEPT_NAMES
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=code_points)
    subsetter.subset(font)

    postscript = family.replace(" ", "") + "-" + style
    renamed = {1: family, 2: style, 3: postscript, 4: f"{family} {style}", 6: postscript}
    for record in font["name"].names:
        if record.nameID in renamed:
            record.string = renamed[record.nameID]
    if "CFF " in font:
        cff = font["CFF "].cff
        cff.fontNames = [postscript]
        top = cff.topDictIndex[0]
        top.FamilyName, top.FullName = family, f"{family} {style}"
        # A CID-keyed font names each of its glyph groups after itself too
        # ("<font>-Ideographs").
        for group in getattr(top, "FDArray", []):
            group.FontName = postscript + "-" + group.FontName.rsplit("-", 1)[-1]
    return font


def save(font, name, count, what):
    target = FONTS / name
    target.parent.mkdir(parents=True, exist_ok=True)
    font.save(target)
    print(f"{target.relative_to(ROOT)}: {count} {what}, {target.stat().st_size} bytes")


def symbol_font():
    text = THEME.read_text(encoding="utf-8")
    code_points = sorted({int(digits, 16) for digits in re.findall(r'"\\u([0-9a-fA-F]{4})"', text)})
    if not code_points:
        sys.exit(f"no symbols found in {THEME}")
    # Symbols are looked up by code point only.
    font = cut(TTFont(SYMBOLS, recalcTimestamp=False), code_points, "Vellumar Symbols", "Regular",
               layout_features=[])
    save(font, "VellumarSymbols.ttf", len(code_points), "symbols")


def chinese_fonts():
    table = ET.parse(CHINESE_TABLE).getroot()
    texts = [node.text or "" for node in table.iter() if node.tag in ("translation", "numerusform")]
    latin = TTFont(ROBOTO).getBestCmap()
    code_points = sorted({ord(c) for text in texts for c in text if c.isprintable() and ord(c) not in latin})
    for style in ("Regular", "Bold"):
        source = TTFont(NOTO_CJK / f"NotoSansCJK-{style}.ttc", fontNumber=NOTO_CJK_SC,
                        recalcTimestamp=False)
        font = cut(source, code_points, "Vellumar Chinese", style)
        save(font, f"VellumarChinese-{style}.otf", len(code_points), "characters")


if __name__ == "__main__":
    symbol_font()
    chinese_fonts()
