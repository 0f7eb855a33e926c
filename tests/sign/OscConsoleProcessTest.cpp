// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The console as its own process, cued over OSC from 127.0.0.1 by a real client (liblo's messages
// from a socket of the test's, and oscsend of liblo-tools), with lumetra-sign as the sign: what
// reaches the sign is what lumetra-cli packet makes of the same line and mode, every message is
// answered or ignored as it should be, and the server exists only when asked for.
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <arpa/inet.h>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

#include "SignProcess.h"
#include "support/CliRunner.h"
#include "support/ConsoleProcess.h"
#include "support/FileBytes.h"
#include "support/OscClient.h"
#include "support/ProcessSockets.h"
#include "support/PtySign.h"
#include "support/QtPrinters.h"
#include "support/SignPackets.h"
#include "support/ThreeLineShow.h"

namespace {

const QStringList& kLines = kThreeLines;

QString KernelAddress(int port) { return QStringLiteral("0100007F:%1").arg(port, 4, 16, QLatin1Char('0')).toUpper(); }

class RunningConsole {
 public:
  explicit RunningConsole(const QStringList& arguments) {
    console.process.setArguments(console.process.arguments() + arguments);
    started = console.StartAndWaitForHandlers();
  }
  ~RunningConsole() {
    if (console.process.state() != QProcess::NotRunning) Stop();
  }
  // Ends the console (killed if it will not end); what it said on standard error.
  QByteArray Stop() {
    console.Stop();
    return console.process.readAllStandardError();
  }
  ConsoleProcess console;
  bool started = false;
};

}  // namespace

class OscConsoleProcess : public ::testing::Test {
 protected:
  void TearDown() override { qunsetenv("LUMETRA_COM1"); }
};

TEST_F(OscConsoleProcess, EveryCueReachesTheSignAsTheConsoleWouldSendIt) {
  SignProcess sign({"--headless", "--png-dir", "pages"});
  ASSERT_FALSE(sign.DevicePath().isEmpty());
  qputenv("LUMETRA_COM1", sign.DevicePath().toLocal8Bit());
  WriteThreeLineShow();
  RunningConsole running({"--osc", "0"});
  ASSERT_TRUE(running.started);
  QByteArray err;
  const int port = ListeningPort(running.console.process, err);
  ASSERT_NE(port, 0) << err.constData();
  EXPECT_EQ(UdpSocketsOf(running.console.process.processId()), QStringList{KernelAddress(port)});

  OscClient client(port);
  const auto state = [](int line) { return RemoteState{line, line ? kLines[line - 1] : QString(), 3}; };
  // The state names the playhead's line: the first before anything is sent.
  EXPECT_EQ(client.Ask(OscMessage("/lumetra/state")), state(1));
  EXPECT_EQ(client.Ask(OscMessage("/lumetra/goto", {2})), state(2));
  EXPECT_EQ(client.Ask(OscMessage("/lumetra/go")), state(3));   // packet 0: line 2, mode 1
  EXPECT_EQ(client.Ask(OscMessage("/lumetra/go")), state(3));   // a double trigger: nothing sent
  EXPECT_EQ(client.Ask(OscMessage("/lumetra/next")), state(1));
  EXPECT_EQ(client.Ask(OscMessage("/lumetra/prev")), state(1));
  EXPECT_EQ(client.Ask(OscMessage("/lumetra/send", {3.0f})), state(1));  // packet 1: line 3, mode 0
  EXPECT_EQ(client.Ask(OscMessage("/lumetra/blank")), state(1));          // packet 2
  EXPECT_EQ(client.Ask(OscMessage("/lumetra/text", {std::string("请关闭手机")})), state(1));  // packet 3

  // Garbage goes unanswered: the answers to the state that follows are the only ones.
  client.Send(QByteArray("\x00\x01garbage", 9));
  client.Send(OscMessage("/other/go"));
  client.Send(OscMessage("/lumetra/send", {2}).left(10));
  client.Send(OscMessage("#bundle"));
  EXPECT_EQ(client.Ask(OscMessage("/lumetra/state")), state(1));
  EXPECT_EQ(client.before, QStringList{QStringLiteral("/lumetra/signs 1")});
  EXPECT_FALSE(client.AnswerWithin(0));

  // oscsend of liblo-tools, as a user would cue it: packet 4, line 1 in its own mode 0.
  const CliRun oscsend = RunProgram(QStringLiteral("oscsend"), {"127.0.0.1", QString::number(port), "/lumetra/send", "i", "1"});
  EXPECT_EQ(oscsend.exitCode, 0) << oscsend.err.constData();

  const QList<QJsonObject> reports = sign.WaitForReports(5);
  const std::pair<QString, int> sent[] = {{kLines[1], 1}, {kLines[2], 0}, {{}, 0}, {"请关闭手机", 0}, {kLines[0], 0}};
  ASSERT_EQ(reports.size(), std::size(sent));
  for (int k = 0; k < 5; ++k) ExpectPacketAsCliBuilds(reports[k], QStringLiteral("pages"), k, sent[k].first, sent[k].second);

  const QByteArray stopErr = running.Stop();
  EXPECT_TRUE(stopErr.contains("4 OSC datagrams ignored")) << stopErr.constData();
  // The log names each sender; the text announcement has no line.
  const QList<QByteArray> log = ReadBytes(qEnvironmentVariable("XDG_STATE_HOME") + "/lumetra/sends.log").split('\n');
  ASSERT_EQ(log.size(), 6);  // five lines and the end
  const QByteArray us = "\tosc 127.0.0.1:";
  for (int i = 0; i < 5; ++i) EXPECT_TRUE(log[i].contains(us)) << log[i].constData();
  EXPECT_TRUE(log[0].contains("\t2\t1\t" + QByteArray::number(reports[0]["pages"].toInt()))) << log[0].constData();
  EXPECT_TRUE(log[3].contains("\t-\t0\t1\t779\tok\t请关闭手机")) << log[3].constData();
}

TEST_F(OscConsoleProcess, WithoutTheOptionNoSocketAndABadValueOrAPortInUseIsOneLine) {
  {
    RunningConsole plain({});
    ASSERT_TRUE(plain.started);
    EXPECT_TRUE(UdpSocketsOf(plain.console.process.processId()).isEmpty());
  }
  const HeldUdpPort busy;
  const QString port = QString::number(busy.port);

  const std::pair<QStringList, QString> cases[] = {
      {{"--osc", port}, QStringLiteral("lumetra: --osc %1: cannot listen on 127.0.0.1:%1: ").arg(port)},
      {{"--osc", "localhost:9000"}, "lumetra: --osc localhost:9000: "},
      {{"--osc"}, "lumetra: --osc needs [HOST:]PORT; running without OSC"},
      // Beyond this machine only with a list of who may cue.
      {{"--osc", "0.0.0.0:0"}, "lumetra: --osc 0.0.0.0:0: 0.0.0.0:0 is beyond this machine, and no --osc-allow names who may cue"},
  };
  for (const auto& [arguments, line] : cases) {
    RunningConsole running(arguments);
    ASSERT_TRUE(running.started) << line.toStdString();
    EXPECT_TRUE(UdpSocketsOf(running.console.process.processId()).isEmpty()) << line.toStdString();
    // The console's own lines, not the toolkit's notes.
    const QStringList said = QString::fromLocal8Bit(running.Stop()).split(u'\n').filter(QRegularExpression("^lumetra: "));
    ASSERT_EQ(said.size(), 1) << said.join(u'\n').toStdString();
    EXPECT_TRUE(said[0].startsWith(line)) << said[0].toStdString();
    EXPECT_EQ(running.console.process.exitCode(), 0) << line.toStdString();
  }
}

TEST_F(OscConsoleProcess, ABurstIsSentWholeInOrderGarbageCannotStopItAndEveryAnswerSaysWhatHappened) {
  PtySign sign;
  qputenv("LUMETRA_COM1", sign.DevicePath().toLocal8Bit());
  WriteThreeLineShow();
  RunningConsole running({"--osc", "0", "--osc-allow", "127.0.0.1"});
  ASSERT_TRUE(running.started);
  QByteArray err;
  const int port = ListeningPort(running.console.process, err);
  ASSERT_NE(port, 0) << err.constData();
  OscClient client(port);
  std::vector<PacketReport> expected;
  for (int line = 1; line <= 3; ++line) {
    const CliRun cli = RunCli({"packet", kLines[line - 1], "--mode", QString::number(line == 2 ? 1 : 0), "-o", "-"});
    ASSERT_EQ(cli.exitCode, 0) << cli.err.constData();
    expected.push_back(DecodePackets(cli.out).at(0));
  }

  // A cue system's "fire all": 300 sends back to back, garbage mixed in.
  constexpr int kCues = 300;
  for (int i = 0; i < kCues; ++i) {
    client.Send(OscMessage("/lumetra/send", {i % 3 + 1}));
    client.Send(QByteArray("\x00\x01garbage", 9));
  }
  for (int i = 0; i < kCues; ++i) {
    const int line = i % 3 + 1;
    ASSERT_TRUE(client.Reply()) << "cue " << i << " unanswered";
    EXPECT_EQ(client.before, QStringList(QStringLiteral("/lumetra/sent %1 %2 \"ok\"").arg(line).arg(line == 2 ? 1 : 0)))
        << i;
    EXPECT_TRUE(SamePacket(sign.TakePacket(), expected[std::size_t(line - 1)])) << "packet " << i;
  }
  // 10,000 garbage datagrams, in rounds a receive buffer holds even where the system caps it
  // low: the console answers after every round.
  const QByteArray garbage[] = {QByteArray("#bundle\0garbage", 16), QByteArray("\xff")};
  for (int round = 0; round < 50; ++round) {
    for (int i = 0; i < 200; ++i) client.Send(garbage[i % 2]);
    ASSERT_EQ(client.Ask(OscMessage("/lumetra/state")), (RemoteState{1, kLines[0], 3})) << "round " << round;
  }

  // A caption past the count byte is refused whole; the answers say what each cue did.
  const std::string tenThousand(10000, 'W');
  const QStringList longText = client.AskAll(OscMessage("/lumetra/text", {tenThousand, 1}));
  ASSERT_EQ(longText.size(), 2);
  EXPECT_TRUE(longText[0].startsWith("/lumetra/refused \"/lumetra/text\" \"the caption needs ") &&
              longText[0].endsWith(" pages in mode 1; a packet holds at most 255\""))
      << longText[0].toStdString();
  EXPECT_EQ(client.AskAll(OscMessage("/lumetra/goto", {99})),
            QStringList({"/lumetra/refused \"/lumetra/goto\" \"line 99 is not in the list of 3 lines\"",
                         QStringLiteral("/lumetra/state 1 \"%1\" 3").arg(kLines[0])}));
  EXPECT_TRUE(sign.Received().isEmpty());
  EXPECT_EQ(client.AskAll(OscMessage("/lumetra/send", {1})),
            QStringList({"/lumetra/sent 1 0 \"ok\"", QStringLiteral("/lumetra/state 2 \"%1\" 3").arg(kLines[1])}));
  EXPECT_TRUE(SamePacket(sign.TakePacket(), expected[0]));
  // With the scrolling line selected, an announcement still shows at once.
  client.Ask(OscMessage("/lumetra/goto", {2}));
  EXPECT_EQ(client.AskAll(OscMessage("/lumetra/text", {std::string("请关闭手机")})).value(0),
            QStringLiteral("/lumetra/sent 0 0 \"ok\""));
  const PacketReport announcement = sign.TakePacket();
  EXPECT_TRUE(announcement.valid && announcement.mode == 0) << announcement.error.toStdString();

  // Another machine, not in the list: no answer, nothing sent.
  OscClient stranger(port, "127.0.0.2");
  stranger.Send(OscMessage("/lumetra/send", {1}));
  EXPECT_EQ(client.Ask(OscMessage("/lumetra/state")), (RemoteState{2, kLines[1], 3}));
  EXPECT_FALSE(stranger.AnswerWithin(200));
  EXPECT_TRUE(sign.Received().isEmpty());
  const QByteArray stopErr = running.Stop();
  EXPECT_TRUE(stopErr.contains("\nlumetra: 1 OSC datagrams dropped unanswered")) << stopErr.constData();
  EXPECT_FALSE(stopErr.contains("too many cues waiting")) << stopErr.constData();
}
