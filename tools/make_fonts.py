#!/usr/bin/python3
"""Builds the program's two display fonts from freely licensed Debian fonts.

The live page's digit labels use the face "Digital Readout Thick Upright";
the program also carries a drawing-standard face "GOST type A". Both are
renamed copies: DSEG's licence (OFL-1.1) reserves the name "DSEG", so a
copy under our face name is required, and it keeps DSEG's copyright notice.

Run with Debian's interpreter (python3-fonttools, fonts-dseg, fonts-osifont):
    /usr/bin/python3 tools/make_fonts.py resources/fonts
"""
import sys
from pathlib import Path
from fontTools.ttLib import TTFont

SOURCES = [
    ("/usr/share/fonts/truetype/osifont/osifont.ttf", "GOST_type_A.TTF",
     "GOST type A", "Regular"),
    ("/usr/share/fonts/truetype/dseg/DSEG7Classic-Bold.ttf", "Digirtu_.ttf",
     "Digital Readout Thick Upright", "Regular"),
]


def rename(src, dst, family, style):
    font = TTFont(src)
    names = font["name"]
    full = family if style == "Regular" else f"{family} {style}"
    postscript = full.replace(" ", "")
    for record in list(names.names):
        if record.nameID in (16, 17):
            names.removeNames(nameID=record.nameID)
    for record in names.names:
        if record.nameID == 1:
            record.string = family
        elif record.nameID == 2:
            record.string = style
        elif record.nameID == 3:
            record.string = f"VELT-Monitor: {full}"
        elif record.nameID == 4:
            record.string = full
        elif record.nameID == 6:
            record.string = postscript
    font.save(dst)


def main():
    out = Path(sys.argv[1] if len(sys.argv) > 1 else "resources/fonts")
    out.mkdir(parents=True, exist_ok=True)
    for src, name, family, style in SOURCES:
        rename(src, out / name, family, style)
        print(out / name)


if __name__ == "__main__":
    main()
