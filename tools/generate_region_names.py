#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 The Vellumar developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Regenerate the region names ("country_name_xx") in both string tables.

English names come from Debian's iso-codes (iso_3166-1.json), Chinese names
from its zh_CN gettext catalogue. Both are then corrected by OVERRIDES to the
short name a person would look for. The region codes and their order are read
from src/store/Country.cpp, so the tables always cover exactly the regions the
application offers.

Every other message of the tables is kept as it is. Run from anywhere:

    python3 tools/generate_region_names.py

The script fails, writing nothing, when a code has no name in either language.
"""

import gettext
import json
import re
import sys
import xml.etree.ElementTree as ET
from pathlib import Path
from xml.sax.saxutils import escape

ROOT = Path(__file__).resolve().parent.parent
COUNTRY_SOURCE = ROOT / "src" / "store" / "Country.cpp"
ISO_JSON = Path("/usr/share/iso-codes/json/iso_3166-1.json")
ISO_ZH_MO = Path("/usr/share/locale/zh_CN/LC_MESSAGES/iso_3166-1.mo")

# (English, Chinese); None keeps the generated name. The ISO names are formal
# ("Russian Federation", "Korea, Republic of") or, for a few Chinese entries,
# regional variants and misprints; these are the names users search for.
OVERRIDES = {
    "BD": (None, "孟加拉国"),
    "BN": ("Brunei", None),
    "BO": (None, "玻利维亚"),
    "BW": (None, "博茨瓦纳"),
    "CD": ("Congo (DRC)", "刚果（金）"),
    "CF": (None, "中非共和国"),
    "CG": ("Congo", "刚果（布）"),
    "CV": ("Cape Verde", None),
    "FK": ("Falkland Islands", "福克兰群岛"),
    "FM": ("Micronesia", None),
    "GT": (None, "危地马拉"),
    "HK": ("Hong Kong", "中国香港"),
    "IM": (None, "马恩岛"),
    "KG": (None, "吉尔吉斯斯坦"),
    "KH": (None, "柬埔寨"),
    "LC": (None, "圣卢西亚"),
    "MO": ("Macao", "中国澳门"),
    "MS": (None, "蒙特塞拉特"),
    "PF": (None, "法属波利尼西亚"),
    "PS": ("Palestine", None),
    "RU": ("Russia", "俄罗斯"),
    "SH": ("Saint Helena", "圣赫勒拿"),
    "SM": (None, "圣马力诺"),
    "TR": ("Turkey", "土耳其"),
    "TW": ("Taiwan", "中国台湾"),
    "US": ("United States", "美国"),
    "VA": ("Vatican City", "梵蒂冈"),
    "VG": ("British Virgin Islands", None),
    "VI": ("U.S. Virgin Islands", None),
}

TABLES = {
    "vellumar_en.ts": ("en", "en"),
    "vellumar_zh_CN.ts": ("zh_CN", "zh"),
}


def table_codes():
    text = COUNTRY_SOURCE.read_text(encoding="utf-8")
    block = re.search(r"countryCodes\[\]\s*=\s*\{(.*?)\};", text, re.S)
    if not block:
        sys.exit(f"no countryCodes table in {COUNTRY_SOURCE}")
    codes = re.findall(r'"([A-Z]{2})"', block.group(1))
    if len(codes) != len(set(codes)):
        sys.exit("a region code occurs twice")
    return codes


def region_names(codes):
    entries = {e["alpha_2"]: e for e in json.loads(ISO_JSON.read_text(encoding="utf-8"))["3166-1"]}
    with ISO_ZH_MO.open("rb") as mo:
        zh = gettext.GNUTranslations(mo)
    names = {}
    for code in codes:
        entry = entries.get(code)
        if entry is None:
            sys.exit(f"{code} is not in {ISO_JSON}")
        english = entry.get("common_name", entry["name"])
        chinese = zh.gettext(english)
        if chinese == english:
            chinese = zh.gettext(entry["name"])
        en_override, zh_override = OVERRIDES.get(code, (None, None))
        english = en_override or english
        chinese = zh_override or chinese
        # gettext answers an untranslated name with the English text itself.
        if not english.strip() or not chinese.strip() or chinese.isascii():
            sys.exit(f"{code}: no usable name (en {english!r}, zh {chinese!r})")
        names[code] = {"en": english, "zh": chinese}
    return names


def kept_messages(path):
    """The messages of a table that are not region names, in file order."""
    if not path.exists():
        return []
    kept = []
    for message in ET.parse(path).getroot().iter("message"):
        key = message.get("id")
        if key is None or key.startswith("country_name_"):
            continue
        kept.append(
            {
                "id": key,
                "source": message.findtext("source", ""),
                "translation": message.findtext("translation", ""),
                "comment": message.findtext("extracomment"),
            }
        )
    return kept


def render(language, messages):
    lines = [
        '<?xml version="1.0" encoding="utf-8"?>',
        "<!DOCTYPE TS>",
        f'<TS version="2.1" language="{language}">',
        "<context>",
        "    <name></name>",
    ]
    for m in messages:
        lines.append(f'    <message id="{escape(m["id"], {chr(34): "&quot;"})}">')
        if m.get("comment"):
            lines.append(f'        <extracomment>{escape(m["comment"])}</extracomment>')
        lines.append(f'        <source>{escape(m["source"])}</source>')
        lines.append(f'        <translation>{escape(m["translation"])}</translation>')
        lines.append("    </message>")
    lines += ["</context>", "</TS>", ""]
    return "\n".join(lines)


def main():
    codes = table_codes()
    names = region_names(codes)
    outputs = {}
    for file_name, (language, column) in TABLES.items():
        path = ROOT / "translations" / file_name
        messages = kept_messages(path)
        for code in codes:
            messages.append(
                {
                    "id": "country_name_" + code.lower(),
                    "source": names[code]["en"],
                    "translation": names[code][column],
                    "comment": None,
                }
            )
        outputs[path] = render(language, messages)
    for path, text in outputs.items():
        path.write_text(text, encoding="utf-8")
        print(f"{path.relative_to(ROOT)}: {len(codes)} region names")


if __name__ == "__main__":
    main()
