// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "remote/WebKey.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <cerrno>
#include <cstring>

namespace {

constexpr int kKeyBytes = 16;

QString NewKey() {
  quint32 words[kKeyBytes / 4];
  QRandomGenerator::system()->fillRange(words);
  return QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(words), kKeyBytes).toHex());
}

bool IsKey(const QString& text) {
  static const QRegularExpression hex(QStringLiteral("^[0-9a-f]{32}$"));
  return hex.match(text).hasMatch();
}

// Writes the key into a temporary file only its owner can read, then renames it over the kept
// one: a crash leaves the old key or the new one, never half of one or one others can read.
QString KeepKey(const QString& path, const QString& key) {
  const QByteArray target = QFile::encodeName(path);
  const QByteArray temporary = target + ".tmp";
  const QByteArray bytes = key.toLatin1() + '\n';
  ::unlink(temporary.constData());
  const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (fd < 0) return QString::fromLocal8Bit(std::strerror(errno));
  const bool written = ::write(fd, bytes.constData(), size_t(bytes.size())) == ssize_t(bytes.size()) && ::fsync(fd) == 0;
  const int error = errno;
  ::close(fd);
  if (!written || ::rename(temporary.constData(), target.constData()) != 0) {
    const int failure = written ? errno : error;
    ::unlink(temporary.constData());
    return QString::fromLocal8Bit(std::strerror(failure));
  }
  return {};
}

}  // namespace

WebKeyResult LoadOrMakeWebKey(const QString& folder, bool fresh) {
  const QString path = folder + QStringLiteral("/web.key");
  WebKeyResult result;
  QFile file(path);
  if (!fresh && file.exists()) {
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.read(64) : QByteArray();
    if (file.error() != QFileDevice::NoError) {
      result.unreadable = true;
      result.notice = QStringLiteral("cannot read the web key in %1: %2; the pages offer no control (--web-new-key "
                                     "makes a new key)")
                          .arg(path, file.errorString());
      return result;
    }
    const QString kept = QString::fromLatin1(bytes).trimmed();
    if (IsKey(kept)) {
      // Others must not read it, whoever loosened it.
      if (file.permissions() & (QFileDevice::ReadGroup | QFileDevice::ReadOther | QFileDevice::WriteGroup |
                                QFileDevice::WriteOther))
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
      result.key = kept;
      return result;
    }
    result.notice = QStringLiteral("%1 holds no key; made a new one").arg(path);
  }
  result.key = NewKey();
  QString error;
  if (!QDir().mkpath(folder)) error = QStringLiteral("cannot make the folder");
  if (error.isEmpty()) error = KeepKey(path, result.key);
  if (!error.isEmpty())
    result.notice = QStringLiteral("cannot keep the web key in %1: %2; it holds for this run only").arg(path, error);
  return result;
}
