// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The command line's serial errors say what the operator can do about them, sign by sign on a
// port of several.
#include <QFile>
#include <gtest/gtest.h>
#include <grp.h>
#include <unistd.h>

#include "platform/CommPort.h"
#include "support/CliRunner.h"
#include "support/PtySign.h"
#include "support/SignPackets.h"

namespace {

void ExpectOneLineComError(const CliRun& run, const char* advice) {
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
  EXPECT_TRUE(run.err.startsWith("lumetra-cli send: Com error: ")) << run.err.toStdString();
  EXPECT_TRUE(run.err.contains(advice)) << run.err.toStdString();
}

// The environment of a run whose port `port` is the devices listed.
QProcessEnvironment WithPort(int port, const QString& devices) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("LUMETRA_COM%1").arg(port), devices);
  return environment;
}

}  // namespace

TEST(CliSendErrors, DeviceHeldByAnotherProgramIsNamedSo) {
  PtySign sign(6);
  TCommPort holder;
  ASSERT_TRUE(holder.OpenDevice(sign.DevicePath()));
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

TEST(CliSendErrors, APortOfSeveralSignsSaysHowEachFaredAndFailsWhenAnyFailed) {
  PtySign first(6), second(7);
  const QString missing = QStringLiteral("/nonexistent/serial");
  struct Case {
    QStringList devices;
    int exitCode;
    QByteArray err;
  };
  const Case cases[] = {
      {{first.DevicePath(), second.DevicePath()}, 0, ""},
      {{first.DevicePath(), missing, second.DevicePath()}, 1, "lumetra-cli send: Com error: 1 of 3 signs failed\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.devices.join(u',').toStdString());
    const QProcessEnvironment environment = WithPort(8, QStringLiteral(" %1 ,").arg(c.devices.join(" , ")));  // blanks go
    for (const QStringList& target : {QStringList{"--port", "8"}, QStringList{"--device", c.devices.join(u',')}}) {
      const CliRun run = RunCli(QStringList{"send", "x"} + target, environment);
      EXPECT_EQ(run.exitCode, c.exitCode);
      EXPECT_EQ(run.err, c.err);
      QByteArray lines;
      for (const QString& device : c.devices)
        lines += device.toUtf8() + (device == missing ? ": Com error: No such file or directory\n" : ": ok\n");
      EXPECT_EQ(run.out, lines);
      for (PtySign* sign : {&first, &second}) EXPECT_TRUE(sign->TakePacket().valid);
    }
  }

  const CliRun none = RunCli({"send", "x", "--port", "8"}, WithPort(8, ","));
  EXPECT_EQ(none.exitCode, 1);
  EXPECT_EQ(none.err, "lumetra-cli send: Com error: com8: no such port\n");
}

TEST(CliSendErrors, PortsSaysOfEachDeviceOfAPortWhetherItOpensNow) {
  PtySign free(6), held(7);
  TCommPort holder;
  ASSERT_TRUE(holder.OpenDevice(held.DevicePath()));
  const CliRun run = RunCli({"ports"}, WithPort(9, free.DevicePath() + ",/nonexistent/serial," + held.DevicePath()));
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  const QByteArray port9 = "com9\t" + free.DevicePath().toUtf8() + "\tcan be opened\n"
                           "com9\t/nonexistent/serial\tcannot be opened: No such file or directory\n"
                           "com9\t" + held.DevicePath().toUtf8() + "\tcannot be opened: Device or resource busy\n";
  EXPECT_TRUE(run.out.contains(port9)) << run.out.toStdString();
}
