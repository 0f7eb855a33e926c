// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// lumetra-sign as a program: on its own pseudo-terminal with lumetra-cli sending, on a device
// the test holds the other end of, and its refusals.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>
#include <QDir>
#include <QImage>

#include "SignProcess.h"
#include "show/CaptionFont.h"
#include "support/CliRunner.h"
#include "support/QtPrinters.h"
#include "support/SignPackets.h"
#include "support/WideCaption.h"

namespace {

LedPage RenderedPage(const QString& caption, const QStringList& extra = {}) {
  const CliRun run = RunCli(QStringList{"render", caption, "-o", "rendered.png"} + extra);
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  return PageOfImage(QImage("rendered.png"));
}

LedPage PngPage(const QString& path) {
  const QImage image(path);
  EXPECT_EQ(image.size(), QSize(kLedWidth, kLedHeight)) << path.toStdString();
  return PageOfImage(image);
}

}  // namespace

TEST(SignCommandLine, ShowsWhatLumetraCliSends) {
  SignProcess sign({"--headless", "--png-dir", "pages"});
  ASSERT_TRUE(sign.DevicePath().startsWith("/dev/pts/")) << sign.DevicePath().toStdString();
  const QString wide = CaptionWiderThan(InitialCaptionFont(), 2 * kLedWidth);
  for (const QStringList& send :
       {QStringList{"字幕", "--mode", "0"}, QStringList{wide, "--mode", "1"}, QStringList{"", "--mode", "19"}}) {
    const CliRun run = RunCli(QStringList{"send"} + send + QStringList{"--device", sign.DevicePath()});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  }
  const QList<QJsonObject> reports = sign.WaitForReports(3);
  ASSERT_EQ(reports.size(), 3);
  EXPECT_EQ(reports[0], ReportObject(kSinglePagePacket, 1, 0, QStringLiteral("立即显示")));
  EXPECT_EQ(reports[1], ReportObject(2325, 3, 1, QStringLiteral("从右向左移入")));
  EXPECT_EQ(reports[2], ReportObject(kSinglePagePacket, 1, 19, QStringLiteral("从下至上逐行展开")));

  EXPECT_EQ(PngPage("pages/packet0-page0.png"), RenderedPage(QStringLiteral("字幕")));
  for (int page = 0; page < 3; ++page)
    EXPECT_EQ(PngPage(QStringLiteral("pages/packet1-page%1.png").arg(page)),
              RenderedPage(wide, {"--page", QString::number(page)}))
        << page;
  EXPECT_EQ(PngPage("pages/packet2-page0.png"), LedPage());
  EXPECT_EQ(QDir("pages").entryList(QDir::Files).size(), 5);
}

TEST(SignCommandLine, ReadsADeviceUntilItsLineEnds) {
  int master = -1, slave = -1;
  char name[256] = {};
  ASSERT_EQ(openpty(&master, &slave, name, nullptr, nullptr), 0);
  close(slave);
  fcntl(master, F_SETFD, FD_CLOEXEC);  // the sign must not hold this end open too
  SignProcess sign({"--device", name, "--headless"});
  ASSERT_EQ(sign.DevicePath(), QString::fromLocal8Bit(name));

  // The device is set to the console's line, raw: every byte passes unchanged.
  const int device = open(name, O_RDONLY | O_NOCTTY);
  termios line{};
  ASSERT_EQ(tcgetattr(device, &line), 0);
  close(device);
  EXPECT_EQ(cfgetispeed(&line), speed_t(B57600));
  // (A pseudo-terminal keeps no parity enable bit; mark parity shows in the other two.)
  EXPECT_EQ(line.c_cflag & (CSIZE | PARODD | CMSPAR | CSTOPB), tcflag_t(CS8 | PARODD | CMSPAR));
  EXPECT_EQ(line.c_iflag & (IXON | ICRNL), 0u);
  EXPECT_EQ(line.c_lflag & ICANON, 0u);
  const QByteArray stream = QByteArray("\x11\x13\r\n") + BuildDisplayPacket("A\nB", InitialCaptionFont(), 4);
  ASSERT_EQ(write(master, stream.constData(), size_t(stream.size())), stream.size());
  const QList<QJsonObject> reports = sign.WaitForReports(2);
  ASSERT_EQ(reports.size(), 2);
  EXPECT_EQ(reports[0], ReportObject(4, 0, -1, QString(), "4 bytes outside any packet at offset 0"));
  EXPECT_EQ(reports[1], ReportObject(kSinglePagePacket, 1, 4, QStringLiteral("从上向下卷入")));

  // Closing the other end ends the line, and with it the headless sign.
  close(master);
  ASSERT_TRUE(sign.Process().waitForFinished(10000));
  EXPECT_EQ(sign.Process().exitCode(), 0);
  EXPECT_TRUE(sign.Process().readAllStandardError().contains("the line ended")) << "says why it stopped";
}

TEST(SignCommandLine, RefusesBadArgumentsWithOneLine) {
  for (const QStringList& arguments :
       {QStringList{"--bogus"}, QStringList{"--stall-after", "-1"}, QStringList{"--stall-after", "many"},
        QStringList{"--device", "/nonexistent/tty", "--headless"}, QStringList{"--pty", "--device", "/dev/null"},
        QStringList{"extra"}}) {
    QProcess sign;
    sign.start(QStringLiteral(LUMETRA_SIGN_PATH), arguments);
    ASSERT_TRUE(sign.waitForFinished(10000));
    EXPECT_EQ(sign.exitCode(), 1) << arguments.join(' ').toStdString();
    const QByteArray error = sign.readAllStandardError();
    EXPECT_EQ(error.count('\n'), 1) << error.toStdString();
    EXPECT_TRUE(error.startsWith("lumetra-sign: ")) << error.toStdString();
  }
  QProcess help;
  help.start(QStringLiteral(LUMETRA_SIGN_PATH), {"--help"});
  ASSERT_TRUE(help.waitForFinished(10000));
  EXPECT_EQ(help.exitCode(), 0);
  EXPECT_TRUE(help.readAllStandardOutput().startsWith("Usage: lumetra-sign"));
}
