#!/usr/bin/python3
"""Cuts the Song face down to the characters of the program's own captions.

The full face is a 26 MB collection; drawing the main screen's captions in it maps
about 6 MB of its tables into the program. The cut face holds only what the program's
own texts use and the printable ASCII, under a family name of its own; any other
character (lesson text) falls through to the full face.

    captionfont.py SOURCE_FONT FACE_INDEX OUTPUT SOURCE_FOLDER...
"""
import pathlib
import re
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

FAMILY = "Jaxo Captions"
# CJK, their punctuation, full-width forms, and the marks captions use.
WIDE = re.compile(r"[\u2000-\u206f\u2190-\u21ff\u2460-\u24ff\u25a0-\u27bf\u3000-\u303f\u3400-\u9fff\uff00-\uffef]")


def characters(folders):
    found = {chr(c) for c in range(0x20, 0x7F)}
    for folder in folders:
        for path in sorted(pathlib.Path(folder).rglob("*")):
            if path.suffix in (".cpp", ".h", ".html", ".ts") and path.is_file():
                found.update(WIDE.findall(path.read_text(encoding="utf-8", errors="ignore")))
    return "".join(sorted(found))


def main():
    if len(sys.argv) < 5:
        sys.exit(__doc__)
    source, index, output, folders = sys.argv[1], int(sys.argv[2]), sys.argv[3], sys.argv[4:]
    font = TTFont(source, fontNumber=index, lazy=False)
    options = subset.Options()
    options.hinting = False
    options.name_IDs = [0, 1, 2, 3, 4, 5, 6, 13, 14]
    options.notdef_outline = True
    subsetter = subset.Subsetter(options)
    subsetter.populate(text=characters(folders))
    subsetter.subset(font)
    names = font["name"]
    for record in list(names.names):
        if record.nameID in (1, 3, 4, 16):
            names.setName(FAMILY, record.nameID, record.platformID, record.platEncID, record.langID)
        elif record.nameID == 6:
            names.setName(FAMILY.replace(" ", "") + "-Regular", 6, record.platformID, record.platEncID,
                          record.langID)
    if "CFF " in font:
        cff = font["CFF "].cff
        cff.fontNames = [FAMILY.replace(" ", "") + "-Regular"]
    partial = output + ".part"
    font.save(partial)
    pathlib.Path(partial).replace(output)


if __name__ == "__main__":
    main()
