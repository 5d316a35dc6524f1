#!/usr/bin/python3
"""Build "Comic Neue TR": Comic Neue with the Turkish letters it lacks.

Comic Neue has ç ş ö ü ı but no ğ, Ğ or İ, so Qt would take those three
from some fallback font and words like "Doğru" or "İleri" would look patched.
This script adds them, built only from Comic Neue's own glyphs:

    ğ U+011F = g + combining breve      (uni0306)
    Ğ U+011E = G + combining breve.case (uni0306.case)
    İ U+0130 = I + combining dot.case   (uni0307.case)

The marks are placed with the font's own top anchors (the same anchors the
designer used for ă, Ă, Ż ...), the new glyphs get the kerning of their
closest existing sibling (ĝ, Ĝ, Î), and the font is renamed to
"Comic Neue TR", as a modified version should be.

Usage: comic_neue_tr.py SOURCE.otf OUTPUT.ttf
"""
import sys

import fontforge
import psMat

FAMILY = "Comic Neue TR"
PS_FAMILY = "ComicNeueTR"

# new glyph: (code point, base glyph, mark glyph, glyph whose kerning it copies)
COMPOSITES = [
    ("gbreve", 0x011F, "g", "uni0306", "gcircumflex"),
    ("Gbreve", 0x011E, "G", "uni0306.case", "Gcircumflex"),
    ("Idotaccent", 0x0130, "I", "uni0307.case", "Icircumflex"),
]

TURKISH = "çÇğĞıİöÖşŞüÜ"

TOP_ANCHOR = "Anchor-0"


def anchor(glyph, cls, kind):
    for name, typ, x, y in glyph.anchorPoints:
        if name == cls and typ == kind:
            return x, y
    sys.exit(f"{glyph.glyphname}: no {kind} anchor {cls!r}")


def compose(font, name, codepoint, base_name, mark_name):
    base = font[base_name]
    mark = font[mark_name]
    bx, by = anchor(base, TOP_ANCHOR, "base")
    mx, my = anchor(mark, TOP_ANCHOR, "mark")

    glyph = font.createChar(codepoint, name)
    glyph.clear()
    glyph.addReference(base_name)
    glyph.addReference(mark_name, psMat.translate(bx - mx, by - my))
    glyph.width = base.width
    # Keep the base's anchors so a following combining mark still attaches.
    for a in base.anchorPoints:
        glyph.addAnchorPoint(*a)
    return glyph


def copy_kerning(font, new_name, model_name):
    """Give new_name the kerning that model_name has, on both sides."""
    for lookup in font.gpos_lookups:
        if font.getLookupInfo(lookup)[0] != "gpos_pair":
            continue
        for sub in font.getLookupSubtables(lookup):
            if font.isKerningClass(sub):
                first, second, offsets = font.getKerningClass(sub)
                first = tuple(
                    c + (new_name,) if c and model_name in c else c for c in first
                )
                second = tuple(
                    c + (new_name,) if c and model_name in c else c for c in second
                )
                font.alterKerningClass(sub, first, second, offsets)
                continue
            # pairs where the model is the left glyph
            for p in font[model_name].getPosSub(sub):
                if p[1] == "Pair":
                    font[new_name].addPosSub(sub, p[2], *p[3:])
            # pairs where the model is the right glyph
            for g in list(font.glyphs()):
                for p in g.getPosSub(sub):
                    if p[1] == "Pair" and p[2] == model_name:
                        g.addPosSub(sub, new_name, *p[3:])


def rename(font):
    style = font.fontname.split("-", 1)[1]  # "Regular" / "Bold"
    old_full = font.fullname
    font.familyname = FAMILY
    font.fontname = f"{PS_FAMILY}-{style}"
    font.fullname = f"{FAMILY} {style}"
    # The name table says "Version 2.003"; font.version may hold a shortened
    # form ("2.3"), so take the number from the name table.
    version = font.version
    for lang, key, value in font.sfnt_names:
        if lang == "English (US)" and key == "Version":
            version = value.replace("Version", "", 1).strip().split(";")[0]

    names = {
        "Family": FAMILY,
        "SubFamily": style,
        "UniqueID": f"{version};NONE;{PS_FAMILY}-{style}",
        "Fullname": f"{FAMILY} {style}",
        "PostScriptName": f"{PS_FAMILY}-{style}",
        "Version": f"Version {version}; Comic Neue TR",
        "Descriptor": (
            f"Modified version of {old_full} (Comic Neue {version}): the Turkish "
            "letters g-breve, G-breve and I-dot-above (U+011F, U+011E, U+0130) "
            "were composed from the font's own g, G, I, breve and dot accent, "
            "and the font was renamed."
        ),
    }
    keep = []
    for lang, key, value in font.sfnt_names:
        if key in names or key in ("Preferred Family", "Preferred Styles",
                                   "Compatible Full", "WWS Family",
                                   "WWS Subfamily"):
            continue
        keep.append((lang, key, value))
    for key, value in names.items():
        keep.append(("English (US)", key, value))
    font.sfnt_names = tuple(keep)


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    src, dst = sys.argv[1:]
    font = fontforge.open(src)

    for name, cp, base, mark, model in COMPOSITES:
        if cp in font:
            sys.exit(f"{src} already has U+{cp:04X}; nothing to compose")
        compose(font, name, cp, base, mark)
        copy_kerning(font, name, model)

    rename(font)
    font.encoding = "UnicodeBmp"
    font.generate(dst, flags=("opentype", "no-FFTM-table", "omit-instructions"))
    font.close()

    # Read the result back and check it really carries every Turkish letter.
    out = fontforge.open(dst)
    missing = [ch for ch in TURKISH if ord(ch) not in out]
    if missing:
        sys.exit(f"{dst}: missing {' '.join(missing)}")
    if out.familyname != FAMILY:
        sys.exit(f"{dst}: family is {out.familyname!r}")
    out.close()


if __name__ == "__main__":
    main()
