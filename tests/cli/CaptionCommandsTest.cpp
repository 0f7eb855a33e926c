// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

#include "console/CaptionFont.h"
#include "console/DisplayPacket.h"
#include "support/CliRunner.h"
#include "support/PtySign.h"
#include "support/SignPackets.h"
#include "support/WideCaption.h"

namespace {

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Exit status 1 and exactly one line on standard error.
void ExpectOneLineFailure(const CliRun& run) {
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
}

}  // namespace

TEST(CliCaptionCommands, PacketHoldsTheBytesTheConsoleSends) {
  const CliRun run = RunCli({"packet", "字幕", "--mode", "1", "-o", "-"});
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_EQ(run.out, BuildDisplayPacket(QStringLiteral("字幕"), InitialCaptionFont(), 1));

  ASSERT_EQ(RunCli({"packet", "", "-o", "empty.bin"}).exitCode, 0);
  EXPECT_EQ(ReadFile("empty.bin"),
            QByteArray::fromHex("0155aa55aa01") + QByteArray(768, char(0xFF)) + QByteArray::fromHex("000001c801"));

  TFont font = InitialCaptionFont();
  font.Name = QStringLiteral("WenQuanYi Zen Hei");
  font.Height = -14;
  const CliRun other = RunCli({"packet", "Act 2", "--font", font.Name, "--height", "14", "--mode", "19", "-o", "-"});
  EXPECT_EQ(other.out, BuildDisplayPacket(QStringLiteral("Act 2"), font, 19));
}

TEST(CliCaptionCommands, PacketDecodesToThePagesRenderDraws) {
  const QString caption = CaptionWiderThan(InitialCaptionFont(), 2 * kLedWidth);
  for (int mode : {1, 0}) {
    const CliRun run = RunCli({"packet", caption, "--mode", QString::number(mode), "-o", "-"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const std::vector<PacketReport> reports = DecodePackets(run.out);
    ASSERT_EQ(reports.size(), 1u);
    ASSERT_TRUE(reports[0].valid) << reports[0].error.toStdString();
    ASSERT_EQ(reports[0].pages.size(), mode == 1 ? 3u : 1u);
    for (std::size_t page = 0; page < reports[0].pages.size(); ++page) {
      QStringList render = {"render", caption, "-o", "page.png"};
      if (mode == 1) render << "--page" << QString::number(page);
      ASSERT_EQ(RunCli(render).exitCode, 0);
      EXPECT_EQ(reports[0].pages[page], PageOfImage(QImage("page.png"))) << "mode " << mode << " page " << page;
    }
  }
}

TEST(CliCaptionCommands, RenderWritesTheFrameOrAPage) {
  ASSERT_EQ(RunCli({"render", "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW", "-o", "centred.png"}).exitCode, 0);
  ASSERT_EQ(RunCli({"render", "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW", "-o", "page1.png", "--page", "1"}).exitCode, 0);
  const QImage centred("centred.png"), page1("page1.png");
  ASSERT_EQ(centred.size(), QSize(192, 16));
  ASSERT_EQ(page1.size(), QSize(192, 16));
  EXPECT_NE(centred, page1);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 192; ++x) {
      const QColor c = page1.pixelColor(x, y);
      ASSERT_TRUE(c == QColor(Qt::black) || c == QColor(255, 0, 0));
    }
}

TEST(CliCaptionCommands, SendWritesThePacketToTheDevice) {
  PtySign sign(7);
  const CliRun run = RunCli({"send", "你好", "--port", "7", "--mode", "3"});
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_TRUE(SamePacket(sign.TakePacket(), ExpectedPacket(QStringLiteral("你好"), InitialCaptionFont(), 3)));

  ASSERT_EQ(RunCli({"send", "x", "--device", sign.DevicePath()}).exitCode, 0);
  EXPECT_TRUE(SamePacket(sign.TakePacket(), ExpectedPacket(QStringLiteral("x"), InitialCaptionFont(), 0)));
}

TEST(CliCaptionCommands, RejectsBadInputWithOneLine) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("LUMETRA_COM4", "/nonexistent/device");
  const CliRun missing = RunCli({"send", "x", "--port", "4"}, environment);
  ExpectOneLineFailure(missing);
  EXPECT_TRUE(missing.err.contains("Com error: ")) << missing.err.toStdString();

  ExpectOneLineFailure(RunCli({"send", "x"}));
  ExpectOneLineFailure(RunCli({"send", "x", "--port", "0"}));
  ExpectOneLineFailure(RunCli({"packet", "x"}));
  ExpectOneLineFailure(RunCli({"packet", "x", "--mode", "abc", "-o", "-"}));
  ExpectOneLineFailure(RunCli({"render", "-o", "x.png"}));
  ExpectOneLineFailure(RunCli({"render", "x", "-o", "x.png", "--height", "0"}));
  ExpectOneLineFailure(RunCli({"render", "x", "-o", "/nonexistent/dir/x.png"}));
  ExpectOneLineFailure(RunCli({"nonsense"}));
}

TEST(CliCaptionCommands, EveryCommandHasHelp) {
  for (const char* command : {"render", "packet", "send", "ports"}) {
    const CliRun run = RunCli({command, "--help"});
    EXPECT_EQ(run.exitCode, 0) << command;
    EXPECT_TRUE(run.out.startsWith(QByteArray("Usage: lumetra-cli ") + command)) << run.out.toStdString();
  }
  EXPECT_EQ(RunCli({"ports"}).exitCode, 0);
}

TEST(CliCaptionCommands, SendsALineOfAShowWithItsModeFontAndPort) {
  PtySign sign(9);
  QFile show("show.lw");
  ASSERT_TRUE(show.open(QIODevice::WriteOnly));
  show.write("9\r\n12\r\n255\r\nWenQuanYi Zen Hei\r\nfirst\r\n0\r\n5\r\n0\r\n\xb5\xda\xb6\xfe\r\n0\r\n5\r\n17\r\n");
  show.close();
  const CliRun run = RunCli({"send", "--show", "show.lw", "--line", "1"});
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  TFont font = InitialCaptionFont();
  font.Name = QStringLiteral("WenQuanYi Zen Hei");
  font.SetSize(12);
  EXPECT_TRUE(SamePacket(sign.TakePacket(), ExpectedPacket(QStringLiteral("第二"), font, 17)));

  // The port may be overridden; a line beyond the show is refused.
  PtySign other(2);
  ASSERT_EQ(RunCli({"send", "--show", "show.lw", "--line", "0", "--port", "2"}).exitCode, 0);
  EXPECT_TRUE(SamePacket(other.TakePacket(), ExpectedPacket(QStringLiteral("first"), font, 0)));
  ExpectOneLineFailure(RunCli({"send", "--show", "show.lw", "--line", "2"}));
  ExpectOneLineFailure(RunCli({"send", "--show", "show.lw"}));
  ExpectOneLineFailure(RunCli({"send", "text", "--show", "show.lw", "--line", "0"}));
  ExpectOneLineFailure(RunCli({"send", "--show", "missing.lw", "--line", "0"}));
}
