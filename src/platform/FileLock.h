// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// An advisory lock held on a file for as long as the object lives: the way two copies of the
// program tell that one of them already keeps a file. The lock goes with the process, so one that
// dies leaves nothing behind to clear.
#include <QString>

class FileLock {
 public:
  FileLock() = default;
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  // Creates `path` when missing and takes its lock without waiting; false when another holder
  // has it or the file cannot be made (`Error()` says which).
  bool TryLock(const QString& path);
  bool Held() const { return fd_ >= 0; }
  const QString& Error() const { return error_; }

 private:
  int fd_ = -1;
  QString error_;
};
