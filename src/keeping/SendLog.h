// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The log of every send, so that a show can be reviewed afterwards: one line per send in
// sends.log of the console's state folder, tab-separated UTF-8:
//   local time with milliseconds, source, line number (1-based, "-" for a caption of no line),
//   mode, pages, bytes written, result (SendResultText), caption text
// A tab, line end or backslash inside a field is written as \t, \n, \r or \\, so that every send
// stays one line. At 10 MiB the log moves to sends.log.1 (replacing the one before) and starts again;
// two consoles of the same user share the log, and only one of them moves it.
//
// A send only hands its line over: a thread of the log's own appends it, so a slow or stuck disk
// never holds a send up. A failed append is reported on standard error by default, once until an
// append succeeds again. A record that a full disk took only part of is cut off again: every
// line of the log is a whole record.
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <functional>
#include <memory>

#include "platform/WorkerThread.h"
#include "wire/SignLink.h"

struct SendRecord {
  QDateTime time;
  QString source;  // "key", "double-click", "osc <address>:<port>", "cli"
  int line = 0;    // 1-based; 0 when the caption is no line of the list
  int mode = 0;
  int pages = 0;
  qint64 bytes = 0;
  QString result;
  QString caption;
};

constexpr qint64 kSendLogRotateBytes = 10 * 1024 * 1024;

// The record as one line of the log, line feed included.
QByteArray SendLogLine(const SendRecord& record);

// What a send did, in words: "ok"; "Com error: <reason>" for a port of one sign; with several,
// "Com error (1 of 2 signs): /dev/ttyUSB1: <reason>", so that it says the others showed it.
QString SendResultText(const SignSendResult& result);

// The record of a send made now, with the result the sign link reported.
SendRecord SendRecordOf(const QString& source, int line, int mode, const QString& caption,
                        const SignSendResult& result);

class SendLog {
 public:
  using Report = std::function<void(const QString& message)>;
  // The log lives in `folder` (created when the first line is written) and moves on at
  // `rotateBytes`.
  explicit SendLog(const QString& folder, Report report = {}, qint64 rotateBytes = kSendLogRotateBytes);
  // Waits a short, bounded time for the lines still queued.
  ~SendLog();
  SendLog(const SendLog&) = delete;
  SendLog& operator=(const SendLog&) = delete;

  QString Path() const;
  void Append(const SendRecord& record);
  // Waits at most `timeoutMs` until every line handed over has been dealt with; false when the
  // time ran out first.
  bool WaitUntilWritten(int timeoutMs);

 private:
  struct File;
  std::shared_ptr<File> file_;
  WorkerThread writer_;
};
