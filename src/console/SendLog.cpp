// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "console/SendLog.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
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
  Report report;
  bool reported = false;

  void Append(const QByteArray& line) {
    const QString failure = Write(line);
    if (failure.isEmpty() || reported) return;
    reported = true;
    report(QStringLiteral("the send log cannot be written: %1: %2").arg(path, failure));
  }
  // Appends one line; the reason when it could not.
  QString Write(const QByteArray& line);
};

QString SendLog::File::Write(const QByteArray& line) {
  if (!QDir().mkpath(folder)) return QStringLiteral("the folder cannot be made");
  const QByteArray file = QFile::encodeName(path);
  struct stat status {};
  if (::stat(file.constData(), &status) == 0 && status.st_size > 0 &&
      status.st_size + line.size() > kSendLogRotateBytes) {
    // Keep the one log before; a failed move only lets this log grow on.
    ::rename(file.constData(), (file + ".1").constData());
  }
  const int fd = ::open(file.constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) return QString::fromLocal8Bit(std::strerror(errno));
  // One write of the whole line: with O_APPEND it lands whole at the end.
  const ssize_t written = ::write(fd, line.constData(), std::size_t(line.size()));
  const int error = errno;
  ::close(fd);
  if (written == line.size()) return {};
  return written < 0 ? QString::fromLocal8Bit(std::strerror(error)) : QStringLiteral("the disk took part of a line");
}

SendLog::SendLog(const QString& folder, Report report) : file_(std::make_shared<File>()) {
  file_->folder = folder;
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
