#!/usr/bin/env bash
# Builds the Debian package from the working tree into build/package/, runs lintian on
# it, unpacks it with dpkg -x and checks the installed game there as ./test.sh checks a
# scratch install. It builds the game and its data from scratch (a minute or two);
# ./test.sh runs it last.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/install_deps.sh
hazama_install_deps "${hazama_package_packages[@]}"

out=$PWD/build/package
version=$(dpkg-parsechangelog -S Version)
rm -rf "$out"
mkdir -p "$out/hazama-$version"
git ls-files -z --cached --others --exclude-standard |
  tar --null -T - -cf - | tar -xf - -C "$out/hazama-$version"

echo "== dpkg-buildpackage -us -uc -b (log: $out/build.log)"
(cd "$out/hazama-$version" && dpkg-buildpackage -us -uc -b) >"$out/build.log" 2>&1 ||
  { tail -40 "$out/build.log"; exit 1; }
deb=$out/hazama_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { echo "no $deb" >&2; exit 1; }

echo "== lintian"
lintian --info "$out"/hazama_"${version}"_*.changes | tee "$out/lintian.txt" || true
if grep -q '^E: ' "$out/lintian.txt"; then
  echo "lintian reports errors" >&2
  exit 1
fi

echo "== the package's contents"
dpkg-deb --info "$deb" | sed -n '/Package:/,$p'
dpkg -x "$deb" "$out/root"
echo "== the installed game, unpacked in $out/root"
tests/install/check_install.sh --installed "$out/root/usr"
echo "package: $deb ($(du -h "$deb" | cut -f1)); lintian: $(grep -c '^E: ' "$out/lintian.txt" || true) errors, $(grep -c '^W: ' "$out/lintian.txt" || true) warnings"
