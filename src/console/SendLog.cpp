// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "console/SendLog.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <cerrno>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <deque>
#include <mutex>
#include <thread>

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

void ReportOnStandardError(const QString& message) {
  std::fprintf(stderr, "lumetra: %s\n", message.toLocal8Bit().constData());
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

// What the sends and the writer thread share; the thread keeps it alive when it outlasts the log.
struct SendLog::Shared {
  QString folder;
  QString path;
  Report report;
  std::mutex mutex;
  std::condition_variable changed;
  std::deque<QByteArray> queue;
  bool writing = false;  // a line is taken from the queue and not yet written
  bool stop = false;
  bool reported = false;
  std::thread writer;

  void Run();
  // Appends one line; the reason when it could not.
  QString Write(const QByteArray& line);
};

void SendLog::Shared::Run() {
  std::unique_lock lock(mutex);
  for (;;) {
    changed.wait(lock, [this] { return stop || !queue.empty(); });
    if (queue.empty()) return;
    const QByteArray line = std::move(queue.front());
    queue.pop_front();
    writing = true;
    lock.unlock();
    const QString failure = Write(line);
    lock.lock();
    writing = false;
    if (!failure.isEmpty() && !reported) {
      reported = true;
      if (report) report(QStringLiteral("the send log cannot be written: %1: %2").arg(path, failure));
    }
    changed.notify_all();
  }
}

QString SendLog::Shared::Write(const QByteArray& line) {
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

SendLog::SendLog(const QString& folder, Report report) : shared_(std::make_shared<Shared>()) {
  shared_->folder = folder;
  shared_->path = QDir(folder).filePath(QStringLiteral("sends.log"));
  shared_->report = report ? std::move(report) : Report(ReportOnStandardError);
}

SendLog::~SendLog() {
  WaitUntilWritten(kDrainOnCloseMs);
  {
    std::lock_guard lock(shared_->mutex);
    shared_->stop = true;
    shared_->queue.clear();
  }
  shared_->changed.notify_all();
  if (!shared_->writer.joinable()) return;
  // A line still hanging in a write that does not return is not waited for.
  std::unique_lock lock(shared_->mutex);
  if (shared_->writing) {
    lock.unlock();
    shared_->writer.detach();
    return;
  }
  lock.unlock();
  shared_->writer.join();
}

QString SendLog::Path() const { return shared_->path; }

void SendLog::Append(const SendRecord& record) {
  QByteArray line = SendLogLine(record);
  {
    std::lock_guard lock(shared_->mutex);
    shared_->queue.push_back(std::move(line));
    // Started with the first send: a console that never sends has no writer.
    if (!shared_->writer.joinable()) shared_->writer = std::thread([shared = shared_] { shared->Run(); });
  }
  shared_->changed.notify_all();
}

bool SendLog::WaitUntilWritten(int timeoutMs) {
  std::unique_lock lock(shared_->mutex);
  return shared_->changed.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                                   [this] { return shared_->queue.empty() && !shared_->writing; });
}
