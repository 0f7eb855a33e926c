// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// A cue system runs a show through the console as a theatre does: a GO every 0.3 s to a port of two
// lumetra-signs. Every line reaches both signs once, in order, in its stored mode, no GO is
// refused, and the console killed right after a GO's answer resumes, restarted, at the next line.
#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QTest>

#include "SignProcess.h"
#include "show/ShowDocument.h"
#include "support/ConsoleProcess.h"
#include "support/OscClient.h"
#include "support/ThreeLineShow.h"

TEST(CueSystemProcess, GoRunsTheShowInStoredModesToBothSignsAndAKillAfterAnAnswerResumesOnTheNextLine) {
  SignProcess left({"--headless", "--png-dir", "left"}), right({"--headless"});
  ASSERT_FALSE(left.DevicePath().isEmpty() || right.DevicePath().isEmpty());
  qputenv("LUMETRA_COM1", (left.DevicePath() + u',' + right.DevicePath()).toLocal8Bit());
  ShowDocument show;
  const int modes[] = {0, 2, 5, 9, 1, 14, 19, 3, 6, 11, 18, 0};  // the wide line scrolls in
  for (int i = 0; i < int(std::size(modes)); ++i) {
    show.Lines << (modes[i] == 1 ? kThreeLines[1] : QStringLiteral("第%1句字幕").arg(i + 1));
    show.Settings[std::size_t(i)].Mode = modes[i];
  }
  show.Save(QStringLiteral("lw1.ini"));
  const int lines = int(show.Lines.size()), killedAfter = 6;

  QDeadlineTimer pace(0);
  for (const auto& [first, last] : {std::pair{1, killedAfter}, {killedAfter + 1, lines}}) {
    ConsoleProcess console;
    console.process.setArguments(console.process.arguments() << QStringLiteral("--osc") << QStringLiteral("0"));
    ASSERT_TRUE(console.StartAndWaitForHandlers());
    QByteArray err;
    OscClient desk(ListeningPort(console.process, err));
    const std::optional<RemoteState> standing = desk.Ask(OscMessage("/lumetra/state"));
    ASSERT_TRUE(standing) << err.constData();
    EXPECT_EQ(standing->playhead, first);
    for (int line = first; line <= last; ++line) {
      QTest::qWait(int(pace.remainingTime()));
      pace.setRemainingTime(300);
      ASSERT_TRUE(desk.Ask(OscMessage("/lumetra/go"))) << line;
      EXPECT_EQ(desk.before, QStringList(QStringLiteral("/lumetra/sent %1 %2 \"ok\"").arg(line).arg(modes[line - 1])));
    }
    if (last < lines) console.process.kill();  // right after the answer: the position is on disk
    else console.Stop();
    console.process.waitForFinished(10000);
  }
  const QList<QJsonObject> reports = left.WaitForReports(lines);
  ASSERT_EQ(reports.size(), lines);
  EXPECT_EQ(right.WaitForReports(lines), reports);
  for (int k = 0; k < lines; ++k) ExpectPacketAsCliBuilds(reports[k], QStringLiteral("left"), k, show.Lines[k], modes[k]);
  qunsetenv("LUMETRA_COM1");
}
