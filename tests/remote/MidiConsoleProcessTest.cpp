// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The console as its own process, cued from a FIFO as its MIDI device, with a pseudo-terminal as
// its sign: a desk's cues reach the sign as lumetra-cli packet makes the same lines, the send log
// names the device, what is no cue of the console's sends nothing, and a device missing at start
// or removed and made again is taken up at its next try.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>

#include "support/CliRunner.h"
#include "support/ConsoleProcess.h"
#include "support/FileBytes.h"
#include "support/ProcessSockets.h"
#include "support/PtySign.h"
#include "support/SignPackets.h"
#include "support/ThreeLineShow.h"

namespace {

// Writes the bytes as a desk on the other end of the FIFO, which the console holds open.
::testing::AssertionResult WriteAsDesk(const QString& fifo, const QByteArray& bytes) {
  const int fd = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return ::testing::AssertionFailure() << "no reader on " << fifo.toStdString();
  const bool whole = ::write(fd, bytes.constData(), std::size_t(bytes.size())) == bytes.size();
  ::close(fd);
  return whole ? ::testing::AssertionSuccess() : ::testing::AssertionFailure() << "written in part";
}

PacketReport PacketOfCli(const QString& caption, int mode) {
  const CliRun cli = RunCli({"packet", caption, "--mode", QString::number(mode), "-o", "-"});
  EXPECT_EQ(cli.exitCode, 0) << cli.err.constData();
  return DecodePackets(cli.out).at(0);
}

}  // namespace

TEST(MidiConsoleProcess, CuesFromADeviceThatComesAndGoesReachTheSign) {
  PtySign sign;
  WriteThreeLineShow();
  const QString fifo = QDir::current().absoluteFilePath(QStringLiteral("midi"));
  ConsoleProcess console;
  console.process.setArguments(console.process.arguments() + QStringList{"--midi", fifo});
  ASSERT_TRUE(console.StartAndWaitForHandlers());
  QByteArray err;
  EXPECT_FALSE(SaidOnStandardError(console.process, err, "(--midi .*: No such file or directory; trying it again every 2 s)")
                   .isEmpty());
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  ASSERT_FALSE(SaidOnStandardError(console.process, err, "(MIDI device .* is back)").isEmpty()) << err.constData();

  // GO 2 with a clock byte inside, LOAD 1, a GO to device 2, a GO cut short by ALL_OFF.
  ASSERT_TRUE(WriteAsDesk(fifo, QByteArray::fromHex("F07F01020101F832F7 F07F7F02010531F7 F07F02020101F7"
                                                    "F07F0102010133 F07F01020108F7")));
  EXPECT_TRUE(SamePacket(sign.TakePacket(), PacketOfCli(kThreeLines[1], 1)));
  EXPECT_TRUE(SamePacket(sign.TakePacket(), PacketOfCli({}, 0)));

  // Removed and made again: opened anew at the next check, and the selected line 1 goes out.
  ASSERT_TRUE(QFile::remove(fifo));
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  ASSERT_FALSE(SaidOnStandardError(console.process, err, "(removed or replaced)[\\s\\S]*is back").isEmpty())
      << err.constData();
  ASSERT_TRUE(WriteAsDesk(fifo, QByteArray::fromHex("F07F01020101F7")));
  EXPECT_TRUE(SamePacket(sign.TakePacket(), PacketOfCli(kThreeLines[0], 0)));
  EXPECT_TRUE(sign.Received().isEmpty());

  ASSERT_TRUE(console.Stop());
  err += console.process.readAllStandardError();
  EXPECT_TRUE(err.contains("\nlumetra: 1 MIDI messages ignored")) << err.constData();
  EXPECT_TRUE(err.contains("\nlumetra: 1 MIDI messages dropped unfinished")) << err.constData();
  const QList<QByteArray> log = ReadBytes(qEnvironmentVariable("XDG_STATE_HOME") + "/lumetra/sends.log").split('\n');
  ASSERT_EQ(log.size(), 4);  // three lines and the end
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(log[i].contains("\tmidi " + QFile::encodeName(fifo) + '\t')) << log[i].constData();
}
