// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "SignProcess.h"

#include <QDeadlineTimer>
#include <QImage>
#include <QJsonDocument>
#include <gtest/gtest.h>

#include "support/CliRunner.h"
#include "support/SignPackets.h"

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

void ExpectPacketAsCliBuilds(const QJsonObject& report, const QString& pngFolder, int k, const QString& caption, int mode) {
  const CliRun cli = RunCli({QStringLiteral("packet"), caption, QStringLiteral("--mode"), QString::number(mode),
                             QStringLiteral("-o"), QStringLiteral("-")});
  ASSERT_EQ(cli.exitCode, 0) << cli.err.constData();
  const std::vector<PacketReport> expected = DecodePackets(cli.out);
  ASSERT_EQ(expected.size(), 1u);
  EXPECT_EQ(report["bytes"].toInt(), cli.out.size()) << k;
  EXPECT_EQ(report["mode"].toInt(), mode) << k;
  ASSERT_EQ(report["pages"].toInt(), int(expected[0].pages.size())) << k;
  for (std::size_t i = 0; i < expected[0].pages.size(); ++i)
    EXPECT_EQ(PageOfImage(QImage(QStringLiteral("%1/packet%2-page%3.png").arg(pngFolder).arg(k).arg(i))),
              expected[0].pages[i])
        << pngFolder.toStdString() << " packet " << k << " page " << i;
}
