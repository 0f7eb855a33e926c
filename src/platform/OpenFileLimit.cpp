// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "platform/OpenFileLimit.h"

#include <dirent.h>
#include <sys/resource.h>

#include <limits>

qint64 RaiseOpenFileLimit() {
  rlimit limit{};
  if (::getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur < limit.rlim_max) {
    limit.rlim_cur = limit.rlim_max;
    ::setrlimit(RLIMIT_NOFILE, &limit);
  }
  return OpenFileLimit();
}

qint64 OpenFileLimit() {
  rlimit limit{};
  if (::getrlimit(RLIMIT_NOFILE, &limit) != 0) return 0;
  return limit.rlim_cur == RLIM_INFINITY ? std::numeric_limits<qint64>::max() : qint64(limit.rlim_cur);
}

int OpenFilesNow() {
  DIR* folder = ::opendir("/proc/self/fd");
  if (folder == nullptr) return 0;
  int count = 0;
  while (const dirent* entry = ::readdir(folder))
    if (entry->d_name[0] != '.') ++count;
  ::closedir(folder);
  return count - 1;  // the folder's own
}
