#!/usr/bin/env python3
"""The translation catalogues against the game's texts.

catalogue_test.py SOURCE         the template po/hazama.pot holds every Japanese text the
                                 game shows (the extraction is run again and compared), each
                                 po/LANG.po holds every entry of the template, none is fuzzy,
                                 and what is translated is a single line free of Japanese;
catalogue_test.py SOURCE --complete   besides, no entry of any po/LANG.po is untranslated.
"""
import os
import re
import subprocess
import sys
import tempfile

JAPANESE = re.compile(r"[\u3040-\u30ff\u3400-\u9fff\uff01-\uff5e\u3000-\u303f]")


def unquote(text):
    return re.sub(r'\\(.)', lambda m: {"n": "\n", "r": "\r", "t": "\t"}.get(m.group(1), m.group(1)),
                  text)


def entries(path):
    """(msgid, msgstr, flags) of each live entry of a PO file, the header left out."""
    found, current, field, flags = [], None, None, set()

    def close():
        if current is not None and current["msgid"] != "":
            found.append((current["msgid"], current["msgstr"], current["flags"]))

    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\n")
            if line.startswith("#,"):
                flags |= {x.strip() for x in line[2:].split(",")}
            elif line.startswith("msgid "):
                close()
                current, field = {"msgid": "", "msgstr": "", "flags": flags}, "msgid"
                flags = set()
                current["msgid"] = unquote(line[6:].strip()[1:-1])
            elif line.startswith("msgstr "):
                field = "msgstr"
                current["msgstr"] = unquote(line[7:].strip()[1:-1])
            elif line.startswith('"') and current is not None:
                current[field] += unquote(line[1:-1])
    close()
    return found


def main():
    source, complete = sys.argv[1], "--complete" in sys.argv[2:]
    faults = []
    template = os.path.join(source, "po", "hazama.pot")
    with tempfile.TemporaryDirectory() as work:
        fresh = os.path.join(work, "hazama.pot")
        subprocess.run([os.path.join(source, "tools", "po_extract.sh"), fresh], check=True)
        now = {e[0] for e in entries(fresh)}
    kept = {e[0] for e in entries(template)}
    for text in sorted(now - kept):
        faults.append(f"po/hazama.pot lacks a text of the game (run tools/po_extract.sh): {text!r}")
    for text in sorted(kept - now):
        faults.append(f"po/hazama.pot holds a text the game no longer has: {text!r}")

    for name in sorted(os.listdir(os.path.join(source, "po"))):
        if not name.endswith(".po"):
            continue
        po = entries(os.path.join(source, "po", name))
        ids = {e[0] for e in po}
        for text in sorted(kept - ids):
            faults.append(f"po/{name} lacks an entry (run tools/po_update.sh): {text!r}")
        untranslated = 0
        for msgid, msgstr, flags in po:
            if "fuzzy" in flags:
                faults.append(f"po/{name}: fuzzy: {msgid!r}")
            if msgstr == "":
                untranslated += 1
                if complete:
                    faults.append(f"po/{name}: untranslated: {msgid!r}")
                continue
            if "\n" in msgstr or "\r" in msgstr:
                faults.append(f"po/{name}: a line break in the translation of {msgid!r}")
            if JAPANESE.search(msgstr):
                faults.append(f"po/{name}: Japanese in the translation of {msgid!r}: {msgstr!r}")
        print(f"po/{name}: {len(po) - untranslated} of {len(po)} translated")
    for fault in faults:
        print(fault)
    print(f"{len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
