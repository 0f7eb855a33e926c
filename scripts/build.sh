#!/usr/bin/env bash
# Configures and builds the project into build/ (or $LUMETRA_BUILD_DIR).
#   build.sh [--with-tests] [cmake --build arguments...]
# Without --with-tests a new build folder gets the programs only; a folder that already builds
# the tests keeps them. A folder made with another generator or build type is configured anew.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${LUMETRA_BUILD_DIR:-$root/build}
tests=""
if [ "${1:-}" = "--with-tests" ]; then
  tests=ON
  shift
fi

cache="$build/CMakeCache.txt"
cached() { if [ -f "$cache" ]; then sed -n "s/^$1:[A-Z]*=//p" "$cache"; fi; }

if [ -f "$cache" ] && { [ "$(cached CMAKE_GENERATOR)" != "Ninja" ] ||
                        [ "$(cached CMAKE_BUILD_TYPE)" != "RelWithDebInfo" ] ||
                        [ "$(cached CMAKE_HOME_DIRECTORY)" != "$root" ]; }; then
  echo "build: $build was configured differently; configuring it anew" >&2
  rm -rf "$cache" "$build/CMakeFiles"
fi
if [ -z "$tests" ]; then
  tests=$(cached BUILD_TESTING)
  [ -n "$tests" ] || tests=OFF
fi
if [ ! -f "$build/build.ninja" ] || [ "$(cached BUILD_TESTING)" != "$tests" ] ||
   [ "$(cached LUMETRA_BENCHMARKS)" != "$tests" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DBUILD_TESTING="$tests" -DLUMETRA_BENCHMARKS="$tests" >/dev/null
fi
cmake --build "$build" "$@"
