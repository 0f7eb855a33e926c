// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "keeping/SendLog.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/StandardErrorDialogs.h"

namespace {

constexpr int kDrainOnCloseMs = 2000;

QString Escaped(const QString& field) {
  QString out;
  out.reserve(field.size());
  for (const QChar c : field) {
    switch (c.unicode()) {
      case u'\t': out += QLatin1String("\\t"); break;
      case u'\n': out += QLatin1String("\\n"); break;
      case u'\r': out += QLatin1String("\\r"); break;
      case u'\\': out += QLatin1String("\\\\"); break;
      default: out += c;
    }
  }
  return out;
}

}  // namespace

QByteArray SendLogLine(const SendRecord& record) {
  const QStringList fields = {
      record.time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")),
      Escaped(record.source),
      record.line > 0 ? QString::number(record.line) : QStringLiteral("-"),
      QString::number(record.mode),
      QString::number(record.pages),
      QString::number(record.bytes),
      Escaped(record.result),
      Escaped(record.caption)};
  return (fields.join(u'\t') + u'\n').toUtf8();
}

QString SendResultText(const SignSendResult& result) {
  if (result.complete) return QStringLiteral("ok");
  const qsizetype signs = result.devices.size();
  if (signs <= 1) return QStringLiteral("Com error: ") + result.error;
  const auto failed = std::count_if(result.devices.begin(), result.devices.end(),
                                    [](const SignDeviceResult& sign) { return !sign.complete; });
  return QStringLiteral("Com error (%1 of %2 signs): ").arg(failed).arg(signs) + result.error;
}

SendRecord SendRecordOf(const QString& source, int line, int mode, const QString& caption,
                        const SignSendResult& result) {
  return {QDateTime::currentDateTime(), source, line, mode, result.pages, result.bytes, SendResultText(result), caption};
}

// The log's file, as the writer thread appends to it.
struct SendLog::File {
  QString folder;
  QString path;
  qint64 rotateBytes = kSendLogRotateBytes;
  Report report;
  bool reported = false;  // the failure under way has been told

  void Tell(const QString& failure) {
    if (reported) return;
    reported = true;
    report(QStringLiteral("the send log cannot be written: %1: %2").arg(path, failure));
  }

  void Append(const QByteArray& line) {
    const QString failure = Write(line);
    if (failure.isEmpty())
      reported = false;  // the next failure is a new one, and told again
    else
      Tell(failure);
  }
  // Appends one line; the reason when it could not.
  QString Write(const QByteArray& line);
};

namespace {

// Cuts a record that a full disk left half written off the end of the log (`size` bytes long),
// so that the next record starts a line of its own: back to the last line end, or to nothing.
// The reason when it could not.
QString CutTornRecord(int fd, qint64 size) {
  char last = '\n';
  if (size <= 0 || ::pread(fd, &last, 1, off_t(size - 1)) != 1 || last == '\n') return {};
  qint64 end = size - 1;
  char chunk[4096];
  while (end > 0) {
    const qint64 from = std::max<qint64>(0, end - qint64(sizeof chunk));
    const ssize_t got = ::pread(fd, chunk, std::size_t(end - from), off_t(from));
    if (got != end - from) return QString::fromLocal8Bit(std::strerror(got < 0 ? errno : EIO));
    const char* lineEnd = static_cast<const char*>(::memrchr(chunk, '\n', std::size_t(got)));
    if (lineEnd != nullptr) {
      end = from + (lineEnd - chunk) + 1;
      break;
    }
    end = from;
  }
  return ::ftruncate(fd, off_t(end)) == 0 ? QString() : QString::fromLocal8Bit(std::strerror(errno));
}

}  // namespace

QString SendLog::File::Write(const QByteArray& line) {
  if (!QDir().mkpath(folder)) return QStringLiteral("the folder cannot be made");
  const QByteArray file = QFile::encodeName(path);
  // Another console of the same user may log into the same file: rotation and append happen
  // under the log's lock, and a log that was moved away meanwhile is opened anew, so that only
  // one of them moves a full log and none moves a fresh one over it.
  for (int attempt = 0;; ++attempt) {
    const int fd = ::open(file.constData(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return QString::fromLocal8Bit(std::strerror(errno));
    const auto closeFd = qScopeGuard([fd] { ::close(fd); });  // also lets the lock go
    while (::flock(fd, LOCK_EX) != 0 && errno == EINTR) {}
    struct stat opened {}, named {};
    const bool last = attempt >= 3;  // a folder this busy gets the line where it stands
    if (!last && ::fstat(fd, &opened) == 0 &&
        (::stat(file.constData(), &named) != 0 || named.st_ino != opened.st_ino || named.st_dev != opened.st_dev))
      continue;  // moved away by the other console: its successor takes the line
    if (!last && opened.st_size > 0 && opened.st_size + line.size() > rotateBytes) {
      // Keep the one log before; a failed move only lets this log grow on.
      if (::rename(file.constData(), (file + ".1").constData()) == 0) continue;
    }
    // A record torn by a full disk before (here or in the other console) goes first.
    if (const QString failure = CutTornRecord(fd, opened.st_size); !failure.isEmpty()) return failure;
    if (::fstat(fd, &opened) != 0) return QString::fromLocal8Bit(std::strerror(errno));
    // One write of the whole line: with O_APPEND it lands whole at the end.
    const ssize_t written = ::write(fd, line.constData(), std::size_t(line.size()));
    const int error = errno;
    if (written == line.size()) return {};
    if (written < 0) return QString::fromLocal8Bit(std::strerror(error));
    // The disk took part of the line: it is cut off again, so that the next record starts a line.
    (void)::ftruncate(fd, opened.st_size);
    return QStringLiteral("the disk took part of a line");
  }
}

SendLog::SendLog(const QString& folder, Report report, qint64 rotateBytes)
    : file_(std::make_shared<File>()), writer_([file = file_](const QString& failure) { file->Tell(failure); }) {
  file_->folder = folder;
  file_->rotateBytes = rotateBytes;
  file_->path = QDir(folder).filePath(QStringLiteral("sends.log"));
  file_->report = report ? std::move(report) : Report(SayOnStandardError);
}

// The lines still queued get a short while; the writer then drops the rest.
SendLog::~SendLog() { WaitUntilWritten(kDrainOnCloseMs); }

QString SendLog::Path() const { return file_->path; }

void SendLog::Append(const SendRecord& record) {
  writer_.Post([file = file_, line = SendLogLine(record)] { file->Append(line); });
}

bool SendLog::WaitUntilWritten(int timeoutMs) { return writer_.WaitUntilIdle(std::chrono::milliseconds(timeoutMs)); }
