// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "platform/FileLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <cstring>

FileLock::~FileLock() {
  if (fd_ >= 0) ::close(fd_);
}

bool FileLock::TryLock(const QString& path) {
  if (fd_ >= 0) return true;
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) {
    error_ = QString::fromLocal8Bit(std::strerror(errno));
    return false;
  }
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    error_ = errno == EWOULDBLOCK ? QStringLiteral("held by another process") : QString::fromLocal8Bit(std::strerror(errno));
    ::close(fd);
    return false;
  }
  fd_ = fd;
  return true;
}
