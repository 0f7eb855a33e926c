// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The command line's serial errors say what the operator can do about them.
#include <QFile>
#include <gtest/gtest.h>
#include <grp.h>
#include <unistd.h>

#include "platform/CommPort.h"
#include "support/CliRunner.h"
#include "support/PtySign.h"

namespace {

void ExpectOneLineComError(const CliRun& run, const char* advice) {
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
  EXPECT_TRUE(run.err.startsWith("lumetra-cli send: Com error: ")) << run.err.toStdString();
  EXPECT_TRUE(run.err.contains(advice)) << run.err.toStdString();
}

}  // namespace

TEST(CliSendErrors, DeviceHeldByAnotherProgramIsNamedSo) {
  PtySign sign(6);
  TCommPort holder;
  ASSERT_TRUE(holder.Open(sign.DevicePath()));
  const CliRun run = RunCli({"send", "x", "--port", "6"});
  ExpectOneLineComError(run, "is in use by another program");
  EXPECT_TRUE(run.err.contains(sign.DevicePath().toUtf8())) << run.err.toStdString();

  holder.Close();
  EXPECT_EQ(RunCli({"send", "x", "--port", "6"}).exitCode, 0);
}

TEST(CliSendErrors, RefusedDeviceNamesItsGroupAndHowToJoinIt) {
  if (::geteuid() == 0) GTEST_SKIP() << "root opens any device; the advice itself is tested without it";
  QFile device(QStringLiteral("serial"));
  ASSERT_TRUE(device.open(QIODevice::WriteOnly));
  device.close();
  device.setPermissions(QFile::ReadOwner | QFile::ReadGroup | QFile::WriteGroup);  // not writable by us
  const group* own = ::getgrgid(::getegid());
  ASSERT_NE(own, nullptr);
  const QByteArray command = QByteArray("sudo usermod -aG ") + own->gr_name + " $USER";

  const CliRun run = RunCli({"send", "x", "--device", device.fileName()});
  ExpectOneLineComError(run, command.constData());
  EXPECT_TRUE(run.err.contains("Permission denied")) << run.err.toStdString();
}
