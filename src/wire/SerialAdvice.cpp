// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "wire/SerialAdvice.h"

#include <QFile>
#include <cerrno>
#include <grp.h>
#include <sys/stat.h>

QString DeviceUserGroup(const QString& device) {
  struct stat status {};
  if (::stat(QFile::encodeName(device).constData(), &status) != 0) return QString();
  // Joining a group that may not read and write the device would not help.
  if ((status.st_mode & (S_IRGRP | S_IWGRP)) != (S_IRGRP | S_IWGRP)) return QString();
  const group* entry = ::getgrgid(status.st_gid);
  return entry ? QString::fromLocal8Bit(entry->gr_name) : QString();
}

QString SerialOpenAdvice(const QString& device, int error, const QString& userGroup) {
  switch (error) {
    case EACCES:
    case EPERM:
      if (userGroup.isEmpty())
        return QStringLiteral("You may not use %1; ask the machine's administrator for access to it.").arg(device);
      return QStringLiteral("To use %1 you must be in its group \"%2\": join it with "
                            "\"sudo usermod -aG %2 $USER\", then log out and in again.")
          .arg(device, userGroup);
    case EBUSY:
      return QStringLiteral("%1 is in use by another program; close that program (or choose another port) "
                            "and try again.")
          .arg(device);
    default:
      return QString();
  }
}
