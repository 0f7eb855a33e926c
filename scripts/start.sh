#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# License: GNU General Public License, version 3 or any later version.
# Sets up, builds and starts the console.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" --target lumetra
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "lumetra: no display found (DISPLAY and WAYLAND_DISPLAY are unset)." >&2
  echo "Start it on a desktop, or under a virtual display: xvfb-run -a $0" >&2
  exit 1
fi
exec "${LUMETRA_BUILD_DIR:-$root/build}/src/app/lumetra" "$@"
