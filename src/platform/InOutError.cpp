// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "platform/InOutError.h"

#include <QFileInfo>
#include <cerrno>

QString InOutErrorMessage(int code) {
  switch (code) {
    case kFileNotFound: return QStringLiteral("File not found");
    case kPathNotFound: return QStringLiteral("Invalid filename");
    case kAccessDenied: return QStringLiteral("File access denied");
    case kNotEnoughMemory: return QStringLiteral("Not enough memory");
    case kDiskFull: return QStringLiteral("Disk full");
    case kInvalidNumericInput: return QStringLiteral("Invalid numeric input");
    default: return QStringLiteral("I/O error %1").arg(code);
  }
}

EInOutError InOutError(int code) { return EInOutError(code, InOutErrorMessage(code)); }

int InOutErrorCodeForErrno(int error, const QString& path) {
  switch (error) {
    case ENOENT: {
      const QFileInfo folder(QFileInfo(path).absolutePath());
      return !path.isEmpty() && folder.isDir() ? kFileNotFound : kPathNotFound;
    }
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
      return kPathNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:  // opening a folder as a file is refused, as on the original platform
      return kAccessDenied;
    case ENOSPC:
    case EFBIG:
    case EDQUOT:
      return kDiskFull;
    case ENOMEM:
      return kNotEnoughMemory;
    case EMFILE:
    case ENFILE:
      return kTooManyOpenFiles;
    case EBUSY:
    case ETXTBSY:
      return kSharingViolation;
    default:
      // No errno value may leak through as a runtime code of different meaning (EIO is 5).
      return kGeneralFailure;
  }
}

EInOutError InOutErrorForErrno(int error, const QString& path) {
  return InOutError(InOutErrorCodeForErrno(error, path));
}
