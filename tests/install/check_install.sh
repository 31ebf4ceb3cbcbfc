#!/usr/bin/env bash
# check_install.sh BUILD: installs the built game into a scratch DESTDIR and checks what
# menus, software centres and man read, then starts the installed game.
# check_install.sh --installed ROOT: the same checks on a tree already laid out below
# ROOT as the Debian package lays it out (tools/package.sh unpacks the .deb there).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/installed_game.sh"

scratch=$(mktemp -d /tmp/hazama-install-XXXXXX)
trap 'rm -rf "$scratch"' EXIT

if [ "${1:-}" = "--installed" ]; then
  root=$2 prefix=/usr bindir=games reference=""
else
  build=$(cd "$1" && pwd)
  prefix=$(sed -n 's/^CMAKE_INSTALL_PREFIX:PATH=//p' "$build/CMakeCache.txt")
  bindir=$(sed -n 's/^HAZAMA_INSTALL_BINDIR:STRING=//p' "$build/CMakeCache.txt")
  DESTDIR="$scratch/dest" cmake --install "$build" >/dev/null
  root=$scratch/dest$prefix reference=$build/hazama
fi

check_metadata "$root" "$prefix"
check_installed_game "$root" "$bindir" "$reference"
check_no_display "$root/$bindir/hazama"
echo "install check passed: $root"
