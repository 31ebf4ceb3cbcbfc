#!/usr/bin/env python3
"""Copies the game's files (gra/, music/, locale/) from a native build into the web site and
writes their index, files.json: every name the game may look up (the page lays them out in the
module's memory, so the game finds its files as on the desktop) and the few files it reads
there itself (the staff roll, the translations), which the page loads before the game starts."""
import json
import shutil
import sys
from pathlib import Path

FOLDERS = ("gra", "music", "locale")
# Read by the core through its own file calls; every other file is fetched by the browser.
READ_BY_THE_GAME = (".txt", ".mo")


# Where the page's head takes the preloads of the texts (web/index.html).
TEXTS_MARK = "<!-- the texts the game reads itself -->"


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: copy_game_files.py NATIVE_BUILD SITE")
    native, site = Path(sys.argv[1]), Path(sys.argv[2])
    if not (native / "gra").is_dir():
        sys.exit(f"{native}/gra is missing: build the pictures and music first "
                 f"(cmake --build {native} --target hazama_assets)")
    files, texts = [], []
    for folder in FOLDERS:
        source = native / folder
        if not source.is_dir():
            continue
        target = site / folder
        if target.exists():
            shutil.rmtree(target)
        shutil.copytree(source, target)
        for path in sorted(p for p in target.rglob("*") if p.is_file()):
            name = path.relative_to(site).as_posix()
            files.append(name)
            if path.suffix in READ_BY_THE_GAME:
                texts.append(name)
    index = {"files": files, "texts": texts}
    (site / "files.json").write_text(json.dumps(index, ensure_ascii=False, indent=0) + "\n",
                                     encoding="utf-8")
    preload_texts(site / "index.html", texts)


def preload_texts(page, texts):
    """The page asks for the texts with the index, not once the index has come."""
    html = page.read_text(encoding="utf-8")
    if TEXTS_MARK not in html:
        return  # written already, in an earlier run over the same site
    links = "".join(f'<link rel="preload" href="{name}" as="fetch" crossorigin="anonymous">\n'
                    for name in texts)
    page.write_text(html.replace(TEXTS_MARK + "\n", links), encoding="utf-8")


if __name__ == "__main__":
    main()
