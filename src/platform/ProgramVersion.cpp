// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "platform/ProgramVersion.h"

#include <cstdio>
#include <cstring>

const char* ProgramVersion() { return LUMETRA_VERSION; }

bool PrintVersionIfAsked(int argc, char** argv, const char* program) {
  if (argc < 2 || std::strcmp(argv[1], "--version") != 0) return false;
  std::printf("%s %s\n", program, ProgramVersion());
  return true;
}
