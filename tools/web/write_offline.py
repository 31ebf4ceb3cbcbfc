#!/usr/bin/env python3
"""Finishes the web site for playing offline: copies the game's icons for the web app
manifest from the native build, lists every file of the site in offline.json for the service
worker to keep, and writes the build's name (a digest of all those files) into sw.js, so that
browsers see a new build as a new worker.
    write_offline.py NATIVE_BUILD SITE"""
import hashlib
import json
import re
import shutil
import sys
from pathlib import Path

ICON = "icons/{0}x{0}/apps/io.github.hazama_gumi.Hazama.png"
ICON_SIZES = (128, 256)
# Not kept: the worker itself and its list, which a browser always asks the server for.
NOT_KEPT = {"sw.js", "offline.json"}


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: write_offline.py NATIVE_BUILD SITE")
    native, site = Path(sys.argv[1]), Path(sys.argv[2])
    (site / "icons").mkdir(exist_ok=True)
    for size in ICON_SIZES:
        source = native / ICON.format(size)
        if not source.is_file():
            sys.exit(f"{source} is missing: build the native assets first")
        shutil.copyfile(source, site / "icons" / f"hazama-{size}.png")

    digest = hashlib.sha256()
    files = []
    for path in sorted(p for p in site.rglob("*") if p.is_file()):
        name = path.relative_to(site).as_posix()
        if name in NOT_KEPT:
            continue
        files.append(name)
        digest.update(name.encode() + b"\0" + path.read_bytes())
    build = digest.hexdigest()[:16]
    (site / "offline.json").write_text(json.dumps({"build": build, "files": files}, indent=0) + "\n",
                                       encoding="utf-8")
    worker = site / "sw.js"
    text, count = re.subn(r"^const BUILD = '[^']*';", f"const BUILD = '{build}';",
                          worker.read_text(encoding="utf-8"), count=1, flags=re.M)
    if count != 1:
        sys.exit(f"{worker} has no BUILD line")
    worker.write_text(text, encoding="utf-8")


if __name__ == "__main__":
    main()
