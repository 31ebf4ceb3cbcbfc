#!/usr/bin/env bash
# Writes the web edition's site (build-web/site/, as tools/web/build.sh leaves it) into one
# zip with index.html at its root, for a static host or a game site that takes HTML5 zips.
#   tools/web/package.sh [OUT.zip]      (default: build-web/hazama-web.zip)
set -euo pipefail
cd "$(dirname "$0")/../.."
site=build-web/site
out=${1:-build-web/hazama-web.zip}
if [ ! -f "$site/index.html" ] || [ ! -f "$site/hazama.wasm" ] || [ ! -f "$site/offline.json" ]; then
  echo "$site is not built: run tools/web/build.sh first" >&2
  exit 1
fi
python3 - "$site" "$out" <<'PY'
import sys, zipfile
from pathlib import Path
site, out = Path(sys.argv[1]), Path(sys.argv[2])
out.parent.mkdir(parents=True, exist_ok=True)
temporary = out.with_name(out.name + ".new")
with zipfile.ZipFile(temporary, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as archive:
    for path in sorted(p for p in site.rglob("*") if p.is_file()):
        archive.write(path, path.relative_to(site).as_posix())
temporary.replace(out)
PY
echo "$out: $(du -h "$out" | cut -f1)"
