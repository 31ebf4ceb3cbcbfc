#!/usr/bin/env python3
"""Checks a zip of the web site: index.html at its root and every file the site keeps offline
in it, under the same name.    check_zip.py ZIP SITE"""
import json
import sys
import zipfile
from pathlib import Path

archive, site = sys.argv[1], Path(sys.argv[2])
names = set(zipfile.ZipFile(archive).namelist())
kept = json.loads((site / "offline.json").read_text(encoding="utf-8"))["files"]
missing = [name for name in ["index.html", "sw.js", *kept] if name not in names]
if missing:
    sys.exit(f"{archive} lacks: {' '.join(missing)}")
