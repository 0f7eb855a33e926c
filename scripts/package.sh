#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# License: GNU General Public License, version 3 or any later version.
# Builds the Debian package of the programs (man pages, desktop entry, icon and all) and prints
# the path of the .deb file.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${LUMETRA_BUILD_DIR:-$root/build}
"$root/scripts/setup.sh" --package
"$root/scripts/build.sh" >&2
out="$build/package"
rm -rf "$out"
(cd "$build" && cpack -G DEB -B "$out" >&2)
deb=$(find "$out" -maxdepth 1 -name '*.deb' -print -quit)
[ -n "$deb" ] || { echo "package: cpack made no .deb in $out" >&2; exit 1; }
echo "$deb"
