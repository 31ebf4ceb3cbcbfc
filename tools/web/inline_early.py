#!/usr/bin/env python3
"""Puts the page's first script (js/early.js, which begins compiling the module and opening the
player's database) into index.html itself, so that the work begins as the page arrives rather
than once that file has come too, and takes the file out of the site.
    inline_early.py SITE"""
import sys
from pathlib import Path

TAG = '<script src="js/early.js" async></script>'


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: inline_early.py SITE")
    site = Path(sys.argv[1])
    page, script = site / "index.html", site / "js" / "early.js"
    html = page.read_text(encoding="utf-8")
    if html.count(TAG) != 1:
        sys.exit(f"{page}: expected the tag {TAG} once")
    code = script.read_text(encoding="utf-8").strip()
    # Nothing in the script may end the element early.
    code = code.replace("</", "<\\/")
    page.write_text(html.replace(TAG, f"<script>{code}</script>"), encoding="utf-8")
    script.unlink()


if __name__ == "__main__":
    main()
