#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# License: GNU General Public License, version 3 or any later version.
# Configures and builds the project into build/ (or $LUMETRA_BUILD_DIR).
#   build.sh [--sanitize] [--with-tests] [cmake --build arguments...]
# Without --with-tests a new build folder gets the programs only; a folder that already builds
# the tests keeps them. A folder made with another generator, build type or compiler is
# configured anew.
# --sanitize builds with clang, AddressSanitizer and UndefinedBehaviorSanitizer, plus the fuzz
# harnesses, into build-sanitize/ (or $LUMETRA_BUILD_DIR); no benchmarks there.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
sanitize=OFF
if [ "${1:-}" = "--sanitize" ]; then
  sanitize=ON
  shift
fi
tests=""
if [ "${1:-}" = "--with-tests" ]; then
  tests=ON
  shift
fi
if [ $sanitize = ON ]; then
  build=${LUMETRA_BUILD_DIR:-$root/build-sanitize}
  compiler=(-DCMAKE_CXX_COMPILER=clang++)
  compiler_id=Clang
else
  build=${LUMETRA_BUILD_DIR:-$root/build}
  compiler=()
  compiler_id=
fi

cache="$build/CMakeCache.txt"
cached() { if [ -f "$cache" ]; then sed -n "s/^$1:[A-Z]*=//p" "$cache"; fi; }
cached_fuzz() { local v; v=$(cached LUMETRA_FUZZ); echo "${v:-OFF}"; }
cached_compiler_id() { sed -n 's/^set(CMAKE_CXX_COMPILER_ID "\(.*\)")$/\1/p' "$build"/CMakeFiles/*/CMakeCXXCompiler.cmake 2>/dev/null | head -1; }

if [ -f "$cache" ] && { [ "$(cached CMAKE_GENERATOR)" != "Ninja" ] ||
                        [ "$(cached CMAKE_BUILD_TYPE)" != "RelWithDebInfo" ] ||
                        [ "$(cached CMAKE_HOME_DIRECTORY)" != "$root" ] ||
                        [ "$(cached_fuzz)" != "$sanitize" ] ||
                        { [ $sanitize = ON ] && [ "$(cached_compiler_id)" != "$compiler_id" ]; }; }; then
  echo "build: $build was configured differently; configuring it anew" >&2
  rm -rf "$cache" "$build/CMakeFiles"
fi
if [ -z "$tests" ]; then
  tests=$(cached BUILD_TESTING)
  [ -n "$tests" ] || tests=OFF
fi
benchmarks=$tests
[ $sanitize = OFF ] || benchmarks=OFF
if [ ! -f "$build/build.ninja" ] || [ "$(cached BUILD_TESTING)" != "$tests" ] ||
   [ "$(cached LUMETRA_BENCHMARKS)" != "$benchmarks" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${compiler[@]}" \
    -DBUILD_TESTING="$tests" -DLUMETRA_BENCHMARKS="$benchmarks" -DLUMETRA_FUZZ="$sanitize" >/dev/null
fi
cmake --build "$build" "$@"
