#!/usr/bin/python3
"""Write the licence texts and README.md that travel with the bundled fonts.

Everything is read from the installed Debian packages and from the font
files themselves (name table), so the records always match the files that
make-fonts just copied or built.

Usage: records.py FONT_DIR
"""
import os
import struct
import subprocess
import sys

DOC = "/usr/share/doc"

SUBSET_NOTE = ("Cut down to the characters the game can show (Basic Latin, Latin-1, Latin Extended-A and common punctuation) by `scripts/fonts/subset.py` with fontTools; hinting, kerning, layout tables and embedded bitmaps of the glyphs kept are unchanged.")

# file name -> how it got here.  "source" is the installed file it was
# copied from or built from.
FONTS = [
    {
        "files": ["ComicNeueTR-Regular.ttf", "ComicNeueTR-Bold.ttf"],
        "sources": ["/usr/share/fonts/opentype/comic-neue/ComicNeue-Regular.otf",
                    "/usr/share/fonts/opentype/comic-neue/ComicNeue-Bold.otf"],
        "package": "fonts-comic-neue",
        "licence": "SIL Open Font License 1.1",
        "licence_file": "OFL-ComicNeue.txt",
        "notes": [
            "Modified, renamed version of Comic Neue (Regular and Bold). "
            "Comic Neue has no ğ (U+011F), Ğ (U+011E) or İ (U+0130); these "
            "three letters were composed from Comic Neue's own glyphs "
            "(g, G, I with its combining breve and dot accent, placed on the "
            "font's own top anchors, kerned like ĝ, Ĝ and Î), the CFF outlines "
            "were converted to TrueType, and the family was renamed to "
            "\"Comic Neue TR\". Nothing else was changed.",
            "Comic Neue declares no Reserved Font Name; the modified font is "
            "renamed anyway so it cannot be mistaken for the original.",
            "Built by `scripts/make-fonts` with `scripts/fonts/comic_neue_tr.py`.",
            SUBSET_NOTE,
        ],
    },
    {
        "files": ["KorubelSans-Regular.ttf", "KorubelSans-Bold.ttf"],
        "sources": ["/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf",
                    "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf"],
        "package": "fonts-liberation2",
        "licence": "SIL Open Font License 1.1 (Reserved Font Name \"Liberation\")",
        "licence_file": "OFL-Liberation.txt",
        "notes": [
            "Modified version of Liberation Sans 2 (Regular and Bold), renamed "
            "to \"Korubel Sans\" because the licence reserves the name "
            "\"Liberation\" for the unmodified fonts.",
            SUBSET_NOTE,
        ],
    },
    {
        "files": ["KorubelSansNarrow-Bold.ttf"],
        "sources": ["/usr/share/fonts/truetype/liberation/LiberationSansNarrow-Bold.ttf"],
        "package": "fonts-liberation",
        "licence": "Liberation Fonts licence 1.x: GNU GPL version 2 with the "
                   "font exceptions written by Red Hat (not the OFL)",
        "licence_file": "LICENSE-LiberationSansNarrow.txt` and `GPL-2.txt",
        "notes": [
            "Modified version of Liberation Sans Narrow Bold, renamed to "
            "\"Korubel Sans Narrow\" (\"Liberation\" is a trademark of Red Hat, "
            "so a changed font does not carry it). Liberation 2.x has no Narrow "
            "face, so this one comes from the older 1.07 series, which is "
            "licensed differently from Liberation Sans 2.x above.",
            SUBSET_NOTE,
            "`LICENSE-LiberationSansNarrow.txt` is the package's copyright file "
            "(the licence agreement with its exceptions); `GPL-2.txt` is the "
            "GPL version 2 it refers to (from Debian's base-files).",
        ],
    },
    {
        "files": ["DejaVuSans-Bold.ttf"],
        "sources": ["/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"],
        "package": "fonts-dejavu-core",
        "licence": "Bitstream Vera Fonts licence + Arev Fonts licence; "
                   "DejaVu changes are in the public domain",
        "licence_file": "LICENSE-DejaVu.txt",
        "notes": [
            "Modified version that keeps its name: the Bitstream Vera and Arev "
            "licences ask only that modified fonts do not use the names "
            "\"Bitstream\", \"Vera\", \"Arev\" or \"Tavmjong Bah\".",
            SUBSET_NOTE,
            "The licence text is the font's own licence name-table entry.",
        ],
    },
    {
        "files": ["KorubelTerminal-Medium.ttf"],
        "sources": ["/usr/share/fonts/truetype/terminus/TerminusTTF-4.46.0.ttf"],
        "package": "fonts-terminus",
        "licence": "SIL Open Font License 1.1",
        "licence_file": "OFL-Terminus.txt",
        "notes": [
            "Modified version of Terminus (TTF) 4.46.0 (Medium only, so the "
            "counters' bold is drawn by emboldening), renamed to "
            "\"Korubel Terminal\".",
            SUBSET_NOTE,
            "Debian builds fonts-terminus from the cool-retro-term source "
            "package, whose copyright file has no stanza for this font; its "
            "licence and copyright holders are taken from the font's own "
            "name table. The OFL text is the package's `OFL-1.1` licence "
            "paragraph.",
            "Upstream Terminus Font reserves the font name \"Terminus Font\" "
            "(and Terminus TTF reportedly \"Terminus (TTF)\"), hence the new name.",
        ],
    },
]


def run(*cmd):
    return subprocess.run(cmd, check=True, capture_output=True, text=True).stdout


def package_version(pkg):
    return run("dpkg-query", "-W", "-f=${Version}", pkg)


def family_style(path):
    return run("fc-scan", "--format", "%{family}|%{style}\n", path).strip()


NAME_IDS = {"Copyright": 0, "Trademark": 7, "License": 13}


def sfnt(path, key):
    """English name-table string `key` of an sfnt (TrueType/OpenType) file."""
    with open(path, "rb") as f:
        data = f.read()
    num_tables = struct.unpack_from(">H", data, 4)[0]
    for i in range(num_tables):
        tag, _, offset, _ = struct.unpack_from(">4sIII", data, 12 + 16 * i)
        if tag == b"name":
            break
    else:
        sys.exit(f"{path}: no name table")
    _, count, strings = struct.unpack_from(">HHH", data, offset)
    found = {}
    for i in range(count):
        plat, enc, lang, nid, length, off = struct.unpack_from(
            ">6H", data, offset + 6 + 12 * i)
        if nid != NAME_IDS[key]:
            continue
        raw = data[offset + strings + off:offset + strings + off + length]
        if (plat, enc, lang) == (3, 1, 0x409):
            found[0] = raw.decode("utf-16-be")
        elif (plat, enc, lang) == (1, 0, 0):
            found[1] = raw.decode("mac_roman")
    text = found.get(0, found.get(1, ""))
    return text.replace("\r\n", "\n").replace("\r", "\n")


# --- Debian copyright files (machine-readable format) ----------------------

def dep5_paragraphs(pkg):
    with open(os.path.join(DOC, pkg, "copyright"), encoding="utf-8") as f:
        text = f.read()
    paras = []
    for block in text.split("\n\n"):
        fields = {}
        key = None
        for line in block.splitlines():
            if line[:1] in (" ", "\t") and key:
                fields[key].append(line)
            elif ":" in line:
                key, value = line.split(":", 1)
                fields[key] = [value.strip()]
        if fields:
            paras.append(fields)
    return paras


def unfold(lines):
    """A DEP-5 continuation block as plain text ("." lines are blank lines)."""
    indent = min(len(l) - len(l.lstrip()) for l in lines if l.strip())
    out = []
    for line in lines:
        line = line[indent:].rstrip()
        out.append("" if line == "." else line)
    return "\n".join(out).strip("\n") + "\n"


def dep5_licence(pkg, name):
    """Full text of licence `name` from pkg's copyright file."""
    for para in dep5_paragraphs(pkg):
        lic = para.get("License")
        if lic and lic[0] == name and len(lic) > 1:
            return unfold(lic[1:])
    sys.exit(f"{pkg}: no full text for licence {name!r}")


def dep5_copyright(pkg):
    """Copyright field of the "Files: *" paragraph, one holder per line."""
    for para in dep5_paragraphs(pkg):
        if para.get("Files", [""])[0] == "*" and "Copyright" in para:
            first, rest = para["Copyright"][0], para["Copyright"][1:]
            lines = ([first] if first else []) + [l.strip() for l in rest]
            return [l for l in lines if l]
    return []


def legacy_copyright(pkg):
    """Copyright statement of an old free-form copyright file."""
    with open(os.path.join(DOC, pkg, "copyright"), encoding="utf-8") as f:
        lines = f.read().splitlines()
    for i, line in enumerate(lines):
        if line.startswith("Copyright:"):
            out = [line.split(":", 1)[1].strip()]
            for more in lines[i + 1:]:
                if not more.strip():
                    break
                out.append(more.strip())
            return out
    return []


# --- licence files -------------------------------------------------------

def write(path, text):
    with open(path, "w", encoding="utf-8") as f:
        f.write(text)


def ofl_file(path, holders, reserved, body):
    head = "\n".join(holders) + "\n"
    if reserved:
        head += "\n" + "\n".join(reserved) + "\n"
    write(path, head + "\n" + body)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    out = sys.argv[1]
    src = {f: s for e in FONTS for f, s in zip(e["files"], e["sources"])}

    # Comic Neue: copyright from the font plus the holders Debian lists.
    ofl_file(os.path.join(out, "OFL-ComicNeue.txt"),
             [sfnt(src["ComicNeueTR-Regular.ttf"], "Copyright")]
             + ["Copyright " + h for h in dep5_copyright("fonts-comic-neue")],
             ["No Reserved Font Name is declared for Comic Neue."],
             dep5_licence("fonts-comic-neue", "SIL-OFL-1.1"))

    # Liberation 2: Debian's copyright field carries the Reserved Font Names.
    ofl_file(os.path.join(out, "OFL-Liberation.txt"),
             dep5_copyright("fonts-liberation2"), [],
             dep5_licence("fonts-liberation2", "SIL-OFL-1.1"))

    # Terminus: only the font itself names its copyright holders.
    term = sfnt(src["KorubelTerminal-Medium.ttf"], "Copyright")
    ofl_file(os.path.join(out, "OFL-Terminus.txt"),
             [h.strip() for h in term.split(";")], [],
             dep5_licence("fonts-terminus", "OFL-1.1"))

    write(os.path.join(out, "LICENSE-DejaVu.txt"),
          sfnt(src["DejaVuSans-Bold.ttf"], "License").rstrip() + "\n")

    with open(os.path.join(DOC, "fonts-liberation", "copyright"), encoding="utf-8") as f:
        write(os.path.join(out, "LICENSE-LiberationSansNarrow.txt"), f.read())
    with open("/usr/share/common-licenses/GPL-2", encoding="utf-8") as f:
        write(os.path.join(out, "GPL-2.txt"), f.read())

    # README.md
    md = [
        "# Bundled fonts",
        "",
        "The game embeds these fonts (Qt resources, loaded with "
        "`QFontDatabase::addApplicationFont`) so text looks the same on "
        "every machine. Do not edit the files here by hand: "
        "`scripts/make-fonts` regenerates this whole folder, this README "
        "included, from the installed Debian packages.",
        "",
        "| File | Family | Style | Debian package | Licence | Licence text |",
        "|---|---|---|---|---|---|",
    ]
    for e in FONTS:
        ver = package_version(e["package"])
        for f in e["files"]:
            family, style = family_style(os.path.join(out, f)).split("|")
            md.append(f"| `{f}` | {family} | {style} "
                      f"| {e['package']} {ver} | {e['licence']} "
                      f"| `{e['licence_file']}` |")
    md.append("")

    for e in FONTS:
        pkg = e["package"]
        ver = package_version(pkg)
        md.append("## " + ", ".join(f"`{f}`" for f in e["files"]))
        md.append("")
        fams = sorted({family_style(os.path.join(out, f)) for f in e["files"]})
        md.append("- fc-scan family|style: " + "; ".join(f"`{x}`" for x in fams))
        md.append(f"- Source: Debian package `{pkg}` version `{ver}`, "
                  + ", ".join(f"`{s}`" for s in e["sources"]))
        md.append(f"- Licence: {e['licence']}; full text in `{e['licence_file']}`")
        md.append("- Copyright (font name table):")
        seen = []
        for s in e["sources"]:
            for key in ("Copyright", "Trademark"):
                v = sfnt(s, key)
                if v and v not in seen:
                    seen.append(v)
        lines = []
        for v in seen:
            for line in v.splitlines():
                if line.strip() and line.strip() not in lines:
                    lines.append(line.strip())
        md.extend(f"  - {line}" for line in lines)
        if pkg == "fonts-liberation":
            deb = legacy_copyright(pkg)
        elif pkg == "fonts-terminus":
            deb = []
        else:
            deb = dep5_copyright(pkg)
        if deb:
            md.append(f"- Copyright (`/usr/share/doc/{pkg}/copyright`):")
            md.extend(f"  - {line}" for line in deb)
        for n in e["notes"]:
            md.append(f"- {n}")
        md.append("")

    write(os.path.join(out, "README.md"), "\n".join(md))


if __name__ == "__main__":
    main()
