// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The log of sends: its lines, its rotation, a failure told once until the log works again, no
// torn line after a full disk, and the console's sends logged whatever started them.
#include <QDir>
#include <QFile>

#include "keeping/ConsoleStateFolder.h"
#include "keeping/SendLog.h"
#include "support/ConsoleFixture.h"
#include "support/FileBytes.h"
#include "support/FileSizeLimit.h"
#include "support/PtySign.h"
#include "support/QtPrinters.h"

namespace {

SendRecord Record(const QString& caption) {
  return {QDateTime(QDate(2026, 12, 7), QTime(20, 5, 9, 42)), QStringLiteral("key"), 3, 1, 2, 1552,
          QStringLiteral("ok"), caption};
}

// The log's lines split into fields, the time (checked for its form) left out.
QList<QStringList> LoggedFields(const QString& path) {
  QList<QStringList> lines;
  for (const QByteArray& line : ReadBytes(path).split('\n')) {
    if (line.isEmpty()) continue;
    const QStringList fields = QString::fromUtf8(line).split(u'\t');
    EXPECT_TRUE(QDateTime::fromString(fields[0], QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")).isValid()) << line.constData();
    lines << fields.mid(1);
  }
  return lines;
}

}  // namespace

TEST(SendLog, OneLinePerSendWithItsFieldsEscaped) {
  EXPECT_EQ(SendLogLine(Record(QStringLiteral("第一幕"))),
            QStringLiteral("2026-12-07 20:05:09.042\tkey\t3\t1\t2\t1552\tok\t第一幕\n").toUtf8());
  SendRecord odd = Record(QStringLiteral("a\tb\nc\\d\re"));
  odd.line = 0;
  EXPECT_EQ(SendLogLine(odd), QByteArray("2026-12-07 20:05:09.042\tkey\t-\t1\t2\t1552\tok\ta\\tb\\nc\\\\d\\re\n"));
}

TEST(SendLog, MovesToTheOlderLogAt10MiB) {
  QDir().mkpath(QStringLiteral("state"));
  const QByteArray full(kSendLogRotateBytes - 10, 'x');
  WriteBytes(QStringLiteral("state/sends.log"), full);
  WriteBytes(QStringLiteral("state/sends.log.1"), "the log before");
  SendLog log(QStringLiteral("state"));
  log.Append(Record(QStringLiteral("A")));
  ASSERT_TRUE(log.WaitUntilWritten(5000));
  EXPECT_EQ(ReadBytes(QStringLiteral("state/sends.log.1")), full);
  EXPECT_EQ(ReadBytes(QStringLiteral("state/sends.log")), SendLogLine(Record(QStringLiteral("A"))));
  // Below the bound the log grows.
  log.Append(Record(QStringLiteral("B")));
  ASSERT_TRUE(log.WaitUntilWritten(5000));
  EXPECT_EQ(LoggedFields(log.Path()).size(), 2);
}

TEST(SendLog, TwoConsolesAtTheBoundMoveTheFullLogOnceAndLoseNoLine) {
  QDir().mkpath(QStringLiteral("state"));
  constexpr qint64 kBound = 4096;
  const QByteArray full(kBound - 10, 'x');
  SendLog first(QStringLiteral("state"), {}, kBound), second(QStringLiteral("state"), {}, kBound);
  for (int round = 0; round < 200; ++round) {
    WriteBytes(QStringLiteral("state/sends.log"), full);
    first.Append(Record(QStringLiteral("A")));
    second.Append(Record(QStringLiteral("B")));
    ASSERT_TRUE(first.WaitUntilWritten(5000) && second.WaitUntilWritten(5000));
    ASSERT_EQ(ReadBytes(QStringLiteral("state/sends.log.1")), full) << "round " << round;
    ASSERT_EQ(LoggedFields(first.Path()).size(), 2) << "round " << round;
  }
}

TEST(SendLog, AFailureIsToldOnceUntilAnAppendSucceedsAndAFullDiskLeavesNoTornLine) {
  QDir().mkpath(QStringLiteral("state"));
  QStringList reports;
  SendLog log(QStringLiteral("state"), [&](const QString& message) { reports << message; });
  const QByteArray first = SendLogLine(Record(QStringLiteral("A")));
  const auto append = [&](const char* caption) {
    log.Append(Record(QString::fromLatin1(caption)));
    ASSERT_TRUE(log.WaitUntilWritten(5000));
  };
  append("A");
  {
    // Room for half a record: the disk takes part of it, and of nothing after it.
    const FileSizeLimit full(rlim_t(first.size() + first.size() / 2));
    for (const char* caption : {"B", "C"}) append(caption);
  }
  ASSERT_EQ(reports.size(), 1);
  EXPECT_TRUE(reports[0].contains(QStringLiteral("state/sends.log"))) << reports[0].toStdString();
  append("D");
  EXPECT_EQ(ReadBytes(log.Path()), first + SendLogLine(Record(QStringLiteral("D"))));
  {
    const FileSizeLimit full(0);
    append("E");
  }
  EXPECT_EQ(reports.size(), 2);  // told again: the sends in between were logged
  // A record another console left torn is cut off before the next one is written.
  WriteBytes(log.Path(), first + first.left(20));
  append("F");
  EXPECT_EQ(ReadBytes(log.Path()), first + SendLogLine(Record(QStringLiteral("F"))));
}

TEST(SendLog, AResultSaysHowManyOfThePortsSignsFailed) {
  const auto sign = [](bool ok) { return SignDeviceResult{"/dev/ttyUSB1", true, ok, ok ? "" : "stalled", 0, 0}; };
  const struct {
    std::vector<SignDeviceResult> signs;
    QString error, words;
  } cases[] = {
      {{sign(true)}, {}, "ok"},
      {{sign(false)}, "stalled", "Com error: stalled"},
      {{sign(true), sign(false)}, "/dev/ttyUSB1: stalled", "Com error (1 of 2 signs): /dev/ttyUSB1: stalled"},
      {{sign(false), sign(false)}, "a; b", "Com error (2 of 2 signs): a; b"},
  };
  for (const auto& c : cases) {
    SignSendResult result;
    result.complete = c.error.isEmpty();
    result.error = c.error;
    result.devices = c.signs;
    EXPECT_EQ(SendResultText(result), c.words);
  }
}

class ConsoleSendLog : public ConsoleFixture {
 protected:
  PtySign sign{1};
};

TEST_F(ConsoleSendLog, EverySendIsLoggedWithWhatStartedIt) {
  SetCaptions({QStringLiteral("一"), QStringLiteral("二")});
  ClickLine(1);
  ChooseMode(3);
  DoubleClickLine(1);
  PressKeyInPlayList(Qt::Key_Return);  // sends line 2 again, steps to line 1
  form->SendCaption(QStringLiteral("通知"), form->CurrentMode(), 0, QStringLiteral("osc 127.0.0.1:5000"));
  qputenv("LUMETRA_COM1", "/nonexistent/serial-device");
  PressKeyInPlayList(Qt::Key_Return);
  qputenv("LUMETRA_COM1", sign.DevicePath().toLocal8Bit());
  ASSERT_TRUE(form->Sends.WaitUntilWritten(5000));

  const QString logPath = ConsoleStateFolder() + QStringLiteral("/sends.log");
  const QList<QStringList> lines = LoggedFields(logPath);
  ASSERT_EQ(lines.size(), 4);
  EXPECT_EQ(lines[0], QStringList({"double-click", "2", "3", "1", "779", "ok", "二"}));
  EXPECT_EQ(lines[1], QStringList({"key", "2", "3", "1", "779", "ok", "二"}));
  EXPECT_EQ(lines[2], QStringList({"osc 127.0.0.1:5000", "-", "3", "1", "779", "ok", "通知"}));
  EXPECT_EQ(lines[3].mid(0, 5), QStringList({"key", "1", "3", "1", "0"}));
  EXPECT_TRUE(lines[3][5].startsWith(QStringLiteral("Com error: "))) << lines[3][5].toStdString();
}
