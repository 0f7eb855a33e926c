# SPDX-License-Identifier: GPL-3.0-or-later
# License: GNU General Public License, version 3 or any later version.
# One static library per source folder (src/remote makes two: what the console program links, and
# the web pages it loads as a module). Sources are collected from the folder so that adding a
# file needs no edit here; CONFIGURE_DEPENDS makes the build notice new files.
function(lumetra_library name folder)
  lumetra_library_of(${name} ${folder} "" ${ARGN})
endfunction()

# The same for the files of a folder whose names start with `prefix` (a regular expression, e.g.
# "Web"), or with "!prefix" for every file whose name does not: where one folder's files go to
# two libraries, each file to exactly one of them.
function(lumetra_library_of name folder prefix)
  file(GLOB sources CONFIGURE_DEPENDS
       "${PROJECT_SOURCE_DIR}/${folder}/*.cpp" "${PROJECT_SOURCE_DIR}/${folder}/*.h")
  if(prefix MATCHES "^!(.*)$")
    list(FILTER sources EXCLUDE REGEX "/${CMAKE_MATCH_1}[^/]*$")
  else()
    list(FILTER sources INCLUDE REGEX "/${prefix}[^/]*$")
  endif()
  list(FILTER sources EXCLUDE REGEX ".*/main\\.cpp$")
  set(cpp ${sources})
  list(FILTER cpp INCLUDE REGEX ".*\\.cpp$")
  if(cpp)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC "${PROJECT_SOURCE_DIR}/src")
    target_link_libraries(${name} PUBLIC ${ARGN})
    target_compile_options(${name} PRIVATE -Wall -Wextra)
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE "${PROJECT_SOURCE_DIR}/src")
    target_link_libraries(${name} INTERFACE ${ARGN})
  endif()
endfunction()

# One test executable per test folder; every test case runs as its own process (own temporary
# working directory, own offscreen application) so the suite runs in parallel.
function(lumetra_tests name folder)
  file(GLOB sources CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/${folder}/*.cpp")
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE lumetra_test_support ${ARGN})
  target_compile_options(${name} PRIVATE -Wall -Wextra)
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 120)
endfunction()
