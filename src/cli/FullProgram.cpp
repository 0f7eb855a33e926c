// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "cli/FullProgram.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace {

// The full program beside this one (a build folder), otherwise in its installed folder, which
// is given relative to the folder of the installed lumetra-cli. The kernel's path of this program
// has no symbolic links left, so the relative path resolves lexically. Without that path there is
// nowhere to look: the current folder is no place to start programs from.
std::filesystem::path FullProgramPath(std::error_code& error) {
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return LUMETRA_CLI_FULL_NAME;
  const std::filesystem::path beside = self.parent_path() / LUMETRA_CLI_FULL_NAME;
  if (::access(beside.c_str(), X_OK) == 0) return beside;
  return (self.parent_path() / LUMETRA_CLI_FULL_FROM_BINDIR / LUMETRA_CLI_FULL_NAME).lexically_normal();
}

}  // namespace

int HandOverToFullProgram(char** argv) {
  std::error_code error;
  const std::filesystem::path full = FullProgramPath(error);
  if (!error) {
    ::execv(full.c_str(), argv);
    error.assign(errno, std::generic_category());
  }
  std::fprintf(stderr, "lumetra-cli: cannot start %s: %s\n", full.c_str(), error.message().c_str());
  return 1;
}
