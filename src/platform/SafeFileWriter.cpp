// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "platform/SafeFileWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>

#include "platform/InOutError.h"

// Owns the temporary file until it has been renamed over the target.
class SafeFileWriter::TemporaryFile {
 public:
  explicit TemporaryFile(const QString& target) : target_(target) {
    const QFileInfo info(target);
    for (int attempt = 0; attempt < 100; ++attempt) {
      path_ = QFile::encodeName(info.absolutePath() + QStringLiteral("/.") + info.fileName() +
                                QStringLiteral(".%1.tmp").arg(QRandomGenerator::global()->generate(), 8, 16, QChar(u'0')));
      // 0666 less the umask, as a plain create would give.
      fd_ = ::open(path_.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (fd_ >= 0 || errno != EEXIST) break;
    }
    if (fd_ < 0) Fail(errno);
  }

  ~TemporaryFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!path_.isEmpty()) ::unlink(path_.constData());
  }

  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  void KeepMode(mode_t mode) {
    if (::fchmod(fd_, mode & 07777) != 0) Fail(errno);
  }

  void Write(QByteArrayView bytes) {
    const char* data = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
      const ssize_t n = ::write(fd_, data, size_t(left));
      if (n < 0) {
        if (errno == EINTR) continue;
        Fail(errno);
      }
      data += n;
      left -= n;
    }
    // The disk starts on what is written while more is being made, so that the flush at the
    // end has little left to wait for.
    ::sync_file_range(fd_, 0, 0, SYNC_FILE_RANGE_WRITE);
  }

  void Flush() {
    if (::fsync(fd_) != 0) Fail(errno);
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) Fail(errno);
  }

  void RenameOver(const QByteArray& target) {
    if (::rename(path_.constData(), target.constData()) != 0) Fail(errno);
    path_.clear();
  }

  [[noreturn]] void Fail(int error) const { throw InOutErrorForErrno(error, target_); }

 private:
  QString target_;
  QByteArray path_;
  int fd_ = -1;
};

namespace {

void SyncFolder(const QString& folder) {
  // Makes the rename itself durable; a folder that cannot be synced has still been written.
  const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

SafeFileWriter::SafeFileWriter(const QString& path) {
  if (path.isEmpty()) throw InOutError(kPathNotFound);
  // Through a symbolic link the file it points to is replaced, not the link.
  target_ = path;
  const QFileInfo link(path);
  if (link.isSymLink() && link.exists()) target_ = link.canonicalFilePath();
  const QByteArray targetName = QFile::encodeName(target_);

  struct stat existing {};
  const bool exists = ::stat(targetName.constData(), &existing) == 0;
  if (exists) {
    // Replacing must be refused wherever overwriting would be: a folder or a read-only file.
    if (S_ISDIR(existing.st_mode)) throw InOutError(kAccessDenied);
    if (::access(targetName.constData(), W_OK) != 0) throw InOutErrorForErrno(errno, target_);
  }

  temporary_ = std::make_unique<TemporaryFile>(target_);
  if (exists) temporary_->KeepMode(existing.st_mode);
}

SafeFileWriter::~SafeFileWriter() = default;

void SafeFileWriter::Write(QByteArrayView bytes) { temporary_->Write(bytes); }

void SafeFileWriter::Commit() {
  temporary_->Flush();
  temporary_->RenameOver(QFile::encodeName(target_));
  temporary_.reset();
  SyncFolder(QFileInfo(target_).absolutePath());
}

void WriteFileSafely(const QString& path, const QByteArray& bytes) {
  SafeFileWriter file(path);
  file.Write(bytes);
  file.Commit();
}
