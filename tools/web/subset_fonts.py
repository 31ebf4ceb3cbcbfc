#!/usr/bin/env python3
"""Cuts the game's fonts down to the characters the game can show, as woff2 for the web site:
IPA Gothic for the message line, the buttons and the dialogs, IPA P Gothic for the move
chooser, IPA Mincho for the credits, Carlito for English lines, and DejaVu Sans for the Latin
letters of the small buttons, as the desktop draws them (fontTools and brotli, Debian's
python3-fonttools and python3-brotli)."""
import logging
import sys
from pathlib import Path

from fontTools import subset

FONTS = {
    "ipag": "/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf",
    "ipagp": "/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf",
    "ipam": "/usr/share/fonts/opentype/ipafont-mincho/ipam.ttf",
    "carlito": "/usr/share/fonts/truetype/crosextra/Carlito-Regular.ttf",
    "dejavu": "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
}
# Every font can set plain ASCII, whatever the texts hold.
ASCII = {chr(c) for c in range(0x20, 0x7F)}


def characters(files):
    found = set(ASCII)
    for path in files:
        found |= set(path.read_text(encoding="utf-8", errors="ignore"))
    return {c for c in found if c >= " " and c not in "\x7f\ufeff"}


def english(po):
    """The characters of the English translations (the msgstr lines)."""
    found = set(ASCII)
    for line in po.read_text(encoding="utf-8").splitlines():
        if line.startswith("msgstr") or (line.startswith('"') and not line.startswith('""')):
            found |= set(line)
    return found


def cut(font, chars, out):
    options = subset.Options()
    options.flavor = "woff2"
    options.layout_features = ["*"]
    options.name_IDs = ["*"]
    options.notdef_outline = True
    loaded = subset.load_font(font, options)
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=[ord(c) for c in chars])
    subsetter.subset(loaded)
    subset.save_font(loaded, str(out), options)


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: subset_fonts.py OUT_DIR SOURCE_DIR")
    # The IPA fonts' creation dates are older than the format's epoch, which fontTools notes.
    logging.getLogger("fontTools").setLevel(logging.ERROR)
    out, source = Path(sys.argv[1]), Path(sys.argv[2])
    out.mkdir(parents=True, exist_ok=True)
    page = sorted(p for p in (source / "web").rglob("*") if p.is_file())
    staff = sorted((source / "assets").glob("staff*.txt"))
    everything = (sorted((source / "src").rglob("*.cpp")) + sorted((source / "po").glob("*.po*"))
                  + staff + page)
    wanted = {
        "ipag": characters(everything),
        "ipagp": characters(sorted((source / "src" / "commands").glob("*.cpp")) + page),
        "ipam": characters(staff + sorted((source / "src" / "sequences").glob("*.cpp"))),
        "carlito": english(source / "po" / "en.po") | characters(page) & ASCII,
        "dejavu": ASCII,
    }
    for name, chars in wanted.items():
        cut(FONTS[name], chars, out / f"{name}.woff2")
        size = (out / f"{name}.woff2").stat().st_size
        print(f"{name}.woff2: {len(chars)} characters, {size // 1024} KB")


if __name__ == "__main__":
    main()
