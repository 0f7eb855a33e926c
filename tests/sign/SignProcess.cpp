// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "SignProcess.h"

#include <QDeadlineTimer>
#include <QJsonDocument>

SignProcess::SignProcess(const QStringList& arguments) {
  process_.start(QStringLiteral(LUMETRA_SIGN_PATH), arguments);
  QByteArray line;
  if (process_.waitForStarted(10000) && ReadLine(line, 10000)) device_ = QString::fromLocal8Bit(line);
}

SignProcess::~SignProcess() {
  if (process_.state() == QProcess::NotRunning) return;
  process_.terminate();
  if (!process_.waitForFinished(5000)) process_.kill();
  process_.waitForFinished(5000);
}

bool SignProcess::ReadLine(QByteArray& line, int timeoutMs) {
  const QDeadlineTimer deadline(timeoutMs);
  while (!process_.canReadLine()) {
    if (deadline.hasExpired() || process_.state() == QProcess::NotRunning) return false;
    process_.waitForReadyRead(int(std::max<qint64>(1, deadline.remainingTime())));
  }
  line = process_.readLine().trimmed();
  return true;
}

QList<QJsonObject> SignProcess::WaitForReports(int count) {
  QByteArray line;
  while (reports_.size() < count && ReadLine(line, 10000)) reports_ << QJsonDocument::fromJson(line).object();
  return reports_;
}

QJsonObject ReportObject(qint64 bytes, int pages, int mode, const QString& modeName, const QString& error) {
  return {{"bytes", bytes},
          {"pages", pages},
          {"mode", mode},
          {"mode_name", modeName},
          {"valid", error.isEmpty()},
          {"error", error.isEmpty() ? QJsonValue() : QJsonValue(error)}};
}
