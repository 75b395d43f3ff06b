#!/usr/bin/env python3
"""Regenerate the symbol font the screens draw their symbols with.

The font is the Material Icons font of Debian's
fonts-material-design-icons-iconfont (Apache License 2.0), cut down to the
code points that src/screens/Theme.qml names and renamed "Vellumar Symbols".
The cut keeps start-up cheap (a few kilobytes instead of hundreds), and the
new name keeps fontconfig from handing out an installed copy of the full font
in its place.

Needs python3-fonttools. Run after changing Theme.glyphs, from anywhere:

    /usr/bin/python3 tools/generate_symbol_font.py
"""

import re
import sys
from pathlib import Path

from fontTools import subset
from fontTools.ttLib import TTFont

ROOT = Path(__file__).resolve().parent.parent
THEME = ROOT / "src" / "screens" / "Theme.qml"
SOURCE = Path("/usr/share/fonts/truetype/material-design-icons-iconfont/MaterialIcons-Regular.ttf")
TARGET = ROOT / "src" / "screens" / "fonts" / "VellumarSymbols.ttf"
FAMILY = "Vellumar Symbols"


def theme_code_points():
    text = THEME.read_text(encoding="utf-8")
    return sorted({int(hex_digits, 16) for hex_digits in re.findall(r'"\\u([0-9a-fA-F]{4})"', text)})


def main():
    code_points = theme_code_points()
    if not code_points:
        sys.exit(f"no symbols found in {THEME}")
    font = TTFont(SOURCE)
    missing = [cp for cp in code_points if cp not in font.getBestCmap()]
    if missing:
        sys.exit("not in the source font: " + ", ".join(f"U+{cp:04X}" for cp in missing))

    options = subset.Options()
    options.layout_features = []  # symbols are looked up by code point only
    options.name_IDs = [0, 1, 2, 3, 4, 5, 6, 13, 14]  # keep the licence notice
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=code_points)
    subsetter.subset(font)

    renamed = {1: FAMILY, 3: FAMILY, 4: FAMILY + " Regular", 6: "VellumarSymbols-Regular", 16: FAMILY}
    for record in font["name"].names:
        if record.nameID in renamed:
            record.string = renamed[record.nameID]

    TARGET.parent.mkdir(parents=True, exist_ok=True)
    font.save(TARGET)
    print(f"{TARGET.relative_to(ROOT)}: {len(code_points)} symbols, {TARGET.stat().st_size} bytes")


if __name__ == "__main__":
    main()
