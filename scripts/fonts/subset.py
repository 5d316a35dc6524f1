#!/usr/bin/python3
"""Cut a font down to the characters the game can show, optionally renamed.

The game shows only its own Turkish texts and the digits typed as answers;
the bundled fonts keep the Basic Latin, Latin-1 and Latin Extended-A
letters (all of Turkish with room to spare) and the usual punctuation.
Everything else a glyph needs stays: hinting, kerning, the layout tables
and the embedded bitmaps (Terminus draws the counters' size from one).

A font with a Reserved Font Name must not keep that name once modified,
so NEW_FAMILY replaces the family in every name record that holds it.

Usage: subset.py SOURCE OUTPUT [NEW_FAMILY]
"""
import re
import sys

from fontTools import subset

UNICODES = ("U+0020-007E,U+00A0-017F,U+2013-2014,U+2018-201E,U+2022,"
            "U+2026,U+20AC,U+2122,U+FFFD")

# Family, unique ID, full name, typographic and WWS family, compatible name.
FAMILY_NAME_IDS = (1, 3, 4, 16, 18, 21)
POSTSCRIPT_NAME_ID = 6


def rename(font, new_family):
    names = font["name"]
    old_family = names.getDebugName(1)
    old_ps = re.sub(r"[^A-Za-z0-9]", "", old_family)
    new_ps = re.sub(r"[^A-Za-z0-9]", "", new_family)
    for record in names.names:
        text = record.toUnicode()
        if record.nameID in FAMILY_NAME_IDS:
            text = text.replace(old_family, new_family)
        elif record.nameID == POSTSCRIPT_NAME_ID:
            text = text.replace(old_ps, new_ps)
        record.string = text
    left = [r.toUnicode() for r in names.names
            if r.nameID in FAMILY_NAME_IDS + (POSTSCRIPT_NAME_ID,)
            and (old_family in r.toUnicode() or old_ps in r.toUnicode())]
    if left:
        sys.exit(f"old name left in: {left}")


def main():
    if len(sys.argv) not in (3, 4):
        sys.exit(__doc__)
    source, output = sys.argv[1], sys.argv[2]
    options = subset.Options()
    options.layout_features = ["*"]
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.name_legacy = True
    options.notdef_outline = True
    options.glyph_names = True
    options.legacy_kern = True
    options.symbol_cmap = True
    options.prune_unicode_ranges = False
    options.drop_tables = [t for t in options.drop_tables if t not in ("EBDT", "EBLC", "EBSC")]
    font = subset.load_font(source, options)
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=subset.parse_unicodes(UNICODES))
    subsetter.subset(font)
    if len(sys.argv) == 4:
        rename(font, sys.argv[3])
    subset.save_font(font, output, options)


if __name__ == "__main__":
    main()
