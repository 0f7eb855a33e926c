#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite (headless).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${LUMETRA_BUILD_DIR:-$root/build}
"$root/scripts/setup.sh" --test
"$root/scripts/build.sh" --with-tests
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" "$@"
