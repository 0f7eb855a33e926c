# SPDX-License-Identifier: GPL-3.0-or-later
# License: GNU General Public License, version 3 or any later version.
# Instrumented builds (clang only). LUMETRA_SANITIZE builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer; any report aborts the process, so a test that triggers one fails.
# LUMETRA_FUZZ adds the coverage that libFuzzer steers by and builds the harnesses under fuzz/;
# it implies LUMETRA_SANITIZE, so one build folder serves the sanitized suite and the fuzzers.
if(LUMETRA_FUZZ)
  set(LUMETRA_SANITIZE ON)
endif()
if(NOT LUMETRA_SANITIZE)
  return()
endif()
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "LUMETRA_SANITIZE and LUMETRA_FUZZ need clang (configure with -DCMAKE_CXX_COMPILER=clang++)")
endif()
add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
add_link_options(-fsanitize=address,undefined)
if(LUMETRA_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
