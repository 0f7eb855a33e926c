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

SendRecord SendRecordOf(const QString& source, int line, int mode, const QString& caption,
                        const SignSendResult& result) {
  return {QDateTime::currentDateTime(), source, line, mode, result.pages, result.bytes,
          result.complete ? QStringLiteral("ok") : QStringLiteral("Com error: ") + result.error, caption};
}

// The log's file, as the writer thread appends to it.
struct SendLog::File {
  QString folder;
  QString path;
  qint64 rotateBytes = kSendLogRotateBytes;
  Report report;
  bool reported = false;

  void Tell(const QString& failure) {
    if (reported) return;
    reported = true;
    report(QStringLiteral("the send log cannot be written: %1: %2").arg(path, failure));
  }

  void Append(const QByteArray& line) {
    const QString failure = Write(line);
    if (!failure.isEmpty()) Tell(failure);
  }
  // Appends one line; the reason when it could not.
  QString Write(const QByteArray& line);
};

QString SendLog::File::Write(const QByteArray& line) {
  if (!QDir().mkpath(folder)) return QStringLiteral("the folder cannot be made");
  const QByteArray file = QFile::encodeName(path);
  // Another console of the same user may log into the same file: rotation and append happen
  // under the log's lock, and a log that was moved away meanwhile is opened anew, so that only
  // one of them moves a full log and none moves a fresh one over it.
  for (int attempt = 0;; ++attempt) {
    const int fd = ::open(file.constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
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
    // One write of the whole line: with O_APPEND it lands whole at the end.
    const ssize_t written = ::write(fd, line.constData(), std::size_t(line.size()));
    const int error = errno;
    if (written == line.size()) return {};
    return written < 0 ? QString::fromLocal8Bit(std::strerror(error)) : QStringLiteral("the disk took part of a line");
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
