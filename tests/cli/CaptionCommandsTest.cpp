// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include <QDateTime>
#include <QDeadlineTimer>
#include <QFile>
#include <QImage>
#include <QThread>
#include <gtest/gtest.h>

#include "keeping/ConsoleStateFolder.h"
#include "show/CaptionFont.h"
#include "support/CliRunner.h"
#include "support/PtySign.h"
#include "support/QtPrinters.h"
#include "support/SignPackets.h"
#include "support/WideCaption.h"
#include "wire/DisplayPacket.h"

namespace {

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Waits (a few seconds at most) until the sign has received `count` bytes; what it received.
QByteArray ReceivedBytes(PtySign& sign, qsizetype count) {
  QDeadlineTimer deadline(5000);
  while (sign.Received().size() < count && !deadline.hasExpired()) QThread::msleep(5);
  return sign.Received();
}

// The send log's lines, split into their fields.
QList<QStringList> SendLogLines() {
  QFile log(ConsoleStateFolder() + QStringLiteral("/sends.log"));
  if (!log.open(QIODevice::ReadOnly)) return {};
  QList<QStringList> lines;
  for (const QString& line : QString::fromUtf8(log.readAll()).split(u'\n', Qt::SkipEmptyParts))
    lines << line.split(u'\t');
  return lines;
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

// Lines are counted from 1, as the console counts them, and every send goes into the console's
// send log as one from "cli".
TEST(CliCaptionCommands, SendsALineOfAShowCountedFromOneAndLogsEverySend) {
  PtySign sign(9);
  QFile show("show.lw");
  ASSERT_TRUE(show.open(QIODevice::WriteOnly));
  show.write("9\r\n12\r\n255\r\nWenQuanYi Zen Hei\r\nfirst\r\n0\r\n5\r\n0\r\n\xb5\xda\xb6\xfe\r\n0\r\n5\r\n17\r\n");
  show.close();
  const CliRun run = RunCli({"send", "--show", "show.lw", "--line", "2"});
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  TFont font = InitialCaptionFont();
  font.Name = QStringLiteral("WenQuanYi Zen Hei");
  font.SetSize(12);
  EXPECT_TRUE(SamePacket(sign.TakePacket(), ExpectedPacket(QStringLiteral("第二"), font, 17)));

  // Line 1 is the first line, byte for byte what packet builds for it; the port may be overridden.
  PtySign other(2);
  ASSERT_EQ(RunCli({"send", "--show", "show.lw", "--line", "1", "--port", "2"}).exitCode, 0);
  const CliRun packet = RunCli({"packet", "first", "--font", font.Name, "--height", "16", "-o", "-"});
  ASSERT_EQ(packet.exitCode, 0) << packet.err.toStdString();
  EXPECT_EQ(ReceivedBytes(other, packet.out.size()).toHex(), packet.out.toHex());

  const CliRun zero = RunCli({"send", "--show", "show.lw", "--line", "0"});
  ExpectOneLineFailure(zero);
  EXPECT_TRUE(zero.err.contains("--line must be 1..2")) << zero.err.toStdString();
  for (const QStringList& refused : {QStringList{"send", "--show", "show.lw", "--line", "3"},
                                     QStringList{"send", "--show", "show.lw"},
                                     QStringList{"send", "text", "--show", "show.lw", "--line", "1"},
                                     QStringList{"send", "--show", "missing.lw", "--line", "1"}})
    ExpectOneLineFailure(RunCli(refused));

  // A caption of no line, and a send that failed, are logged too; refused input sends nothing.
  ASSERT_EQ(RunCli({"send", "x", "--device", sign.DevicePath()}).exitCode, 0);
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("LUMETRA_COM4", "/nonexistent/device");
  ExpectOneLineFailure(RunCli({"send", "x", "--port", "4", "--mode", "3"}, environment));
  const QString packetBytes = QString::number(kSinglePagePacket);
  const QList<QStringList> expected = {{"cli", "2", "17", "1", packetBytes, "ok", QStringLiteral("第二")},
                                       {"cli", "1", "0", "1", packetBytes, "ok", "first"},
                                       {"cli", "-", "0", "1", packetBytes, "ok", "x"},
                                       {"cli", "-", "3", "1", "0", "Com error: ", "x"}};
  const QList<QStringList> logged = SendLogLines();
  ASSERT_EQ(logged.size(), expected.size());
  for (qsizetype i = 0; i < logged.size(); ++i) {
    ASSERT_EQ(logged[i].size(), 8) << logged[i].join(u'|').toStdString();
    EXPECT_TRUE(QDateTime::fromString(logged[i][0], QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")).isValid());
    QStringList fields = logged[i].mid(1);
    if (expected[i][5] != "ok") fields[5] = fields[5].left(expected[i][5].size());  // the reason varies
    EXPECT_EQ(fields, expected[i]) << "send " << i;
  }
}
