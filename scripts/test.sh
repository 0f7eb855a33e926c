#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# License: GNU General Public License, version 3 or any later version.
# Sets up, builds and runs the whole test suite (headless).
#   test.sh [--sanitize] [ctest arguments...]
# --sanitize runs the suite built with clang, AddressSanitizer and UndefinedBehaviorSanitizer
# (in build-sanitize/); any sanitizer report fails the test that caused it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [ "${1:-}" = "--sanitize" ]; then
  shift
  build=${LUMETRA_BUILD_DIR:-$root/build-sanitize}
  "$root/scripts/setup.sh" --test
  LUMETRA_BUILD_DIR=$build "$root/scripts/build.sh" --sanitize --with-tests
  export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1}
  export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
  export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$root/scripts/lsan.supp:print_suppressions=0}
else
  build=${LUMETRA_BUILD_DIR:-$root/build}
  "$root/scripts/setup.sh" --test
  "$root/scripts/build.sh" --with-tests
fi
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" "$@"
