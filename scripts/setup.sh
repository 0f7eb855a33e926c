#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# License: GNU General Public License, version 3 or any later version.
# Installs the Debian packages that building and running the console need; with --package also
# those that making the Debian package needs, with --test also those the test suite (which
# checks the package too) and benchmarks need. Idempotent: installs only what is missing and
# prints nothing when nothing is.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-serialport-dev qt6-qpa-plugins qt6-translations-l10n qt6-l10n-tools libgl-dev
  zlib1g-dev libfontconfig-dev liblo-dev libqrencode-dev
  fonts-arphic-uming fonts-wqy-zenhei fonts-liberation2
  xvfb xauth
)
test_packages=(
  libgtest-dev libgmock-dev libbenchmark-dev qt6-websockets-dev
  libc-bin
  openbox xdotool imagemagick
  weston xwayland qt6-wayland
  libxcb1-dev libxcb-damage0-dev
  lintian licensecheck desktop-file-utils man-db
  liblo-tools
  chromium chromium-driver
  clang libclang-rt-14-dev llvm
)
package_packages=(dpkg-dev file)
if [ "${1:-}" = "--test" ]; then
  packages+=("${test_packages[@]}" "${package_packages[@]}")
elif [ "${1:-}" = "--package" ]; then
  packages+=("${package_packages[@]}")
elif [ $# -gt 0 ]; then
  echo "usage: $0 [--test | --package]" >&2
  exit 2
fi

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
  [ "$status" = "installed" ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  as_root=()
elif command -v sudo >/dev/null 2>&1; then
  as_root=(sudo)
else
  echo "setup: missing packages (${missing[*]}) and neither root nor sudo to install them" >&2
  exit 1
fi

echo "setup: installing ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq >/dev/null
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
