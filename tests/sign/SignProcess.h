// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Runs the built lumetra-sign and reads what it prints: the device it listens on, then (with
// --headless) one JSON object per packet.
#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QStringList>

class SignProcess {
 public:
  explicit SignProcess(const QStringList& arguments);
  ~SignProcess();
  SignProcess(const SignProcess&) = delete;
  SignProcess& operator=(const SignProcess&) = delete;

  // Empty when the sign did not start.
  QString DevicePath() const { return device_; }
  // Waits (a few seconds at most) until `count` reports arrived in all, and returns those there are.
  QList<QJsonObject> WaitForReports(int count);
  QProcess& Process() { return process_; }

 private:
  bool ReadLine(QByteArray& line, int timeoutMs);

  QProcess process_;
  QString device_;
  QList<QJsonObject> reports_;
};

// The JSON object the sign prints for a report, for comparisons.
QJsonObject ReportObject(qint64 bytes, int pages, int mode, const QString& modeName, const QString& error = {});

// Checks the sign's report of packet `k`, and the pages it saved into `pngFolder`, against what
// lumetra-cli packet makes of the caption and mode.
void ExpectPacketAsCliBuilds(const QJsonObject& report, const QString& pngFolder, int k, const QString& caption, int mode);
