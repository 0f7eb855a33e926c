// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// lumetra-cli check against the console itself: the mode each line goes out in, as the check
// works it out, is the mode byte the console writes to the sign when the show is run, with Enter
// or by GO.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "console/FormRemoteControl.h"
#include "show/ShowDocument.h"
#include "support/CheckFindings.h"
#include "support/CliRunner.h"
#include "support/ConsoleFixture.h"
#include "support/PtySign.h"
#include "support/SignPackets.h"
#include "support/WideCaption.h"
#include "wire/DisplayModes.h"

namespace {

class CheckAgainstConsole : public ConsoleFixture {
 protected:
  PtySign sign{1};
};

QJsonArray CheckedLines(const QStringList& extra) {
  const CliRun run = RunCli(QStringList{"check", "run.lw", "--json"} + extra);
  EXPECT_EQ(run.exitCode, 2) << run.err.toStdString();
  return QJsonDocument::fromJson(run.out).object()[QStringLiteral("lines")].toArray();
}

int Field(const QJsonValue& line, const char* key) { return line[QLatin1String(key)].toInt(); }

}  // namespace

// Stored modes that differ (a jump-in line first, a scrolling line too wide for one frame, a
// wipe, a mode outside the list), run with Enter from a click on line 1, with every line clicked
// and by GO: the check's sent_mode, pages and bytes are what reached the sign, and the findings
// are judged in that mode; GO refuses the line of no mode, as the check says.
TEST_F(CheckAgainstConsole, SentModesAreTheConsolesModeBytes) {
  struct Line {
    QString text;
    int stored;
    bool carried;  // Enter sends it in another mode than its own
    bool cut;      // on the run with Enter
  };
  const std::vector<Line> lines = {
      {QStringLiteral("第一幕"), 5, false, false},
      {CaptionWiderThan(form->CaptionFont, 2 * kLedWidth), kScrollInFromRightMode, true, true},
      {QStringLiteral("静"), 5, false, false},
      {QStringLiteral("从左向右展开"), 6, true, false},
      {QStringLiteral("乱"), 25, true, false},
  };
  ShowDocument show;
  show.Font = form->CaptionFont;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    show.Lines << lines[i].text;
    show.Settings[i].Mode = form->LineSettings[i].Mode = lines[i].stored;
  }
  show.Save(QStringLiteral("run.lw"));
  SetCaptions(show.Lines);

  ClickLine(0);
  std::vector<PacketReport> entered, clicked;
  for (int i = 0; i < int(lines.size()); ++i) PressKeyInPlayList(Qt::Key_Return), entered.push_back(sign.TakePacket());
  for (int i = 0; i < int(lines.size()); ++i) DoubleClickLine(i), clicked.push_back(sign.TakePacket());
  FormRemoteControl remote(*form);
  std::vector<RemoteResult> gone;
  remote.GoTo(1);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    gone.push_back(remote.Go(RemoteClock::now(), QStringLiteral("osc")));
    if (gone.back().Refused()) remote.Next();
  }

  const QJsonArray run = CheckedLines({}), asStored = CheckedLines({"--as-stored"}), byGo = CheckedLines({"--go"});
  ASSERT_EQ(run.size(), int(lines.size()));
  ASSERT_EQ(asStored.size(), int(lines.size()));
  ASSERT_EQ(byGo.size(), int(lines.size()));
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const int at = int(i);
    SCOPED_TRACE("line " + std::to_string(i + 1));
    ASSERT_TRUE(entered[i].valid) << entered[i].error.toStdString();
    EXPECT_EQ(std::uint8_t(Field(run[at], "sent_mode")), entered[i].mode);
    EXPECT_EQ(Field(run[at], "mode"), lines[i].stored);
    EXPECT_EQ(Field(run[at], "pages"), int(entered[i].pages.size()));
    EXPECT_EQ(Field(run[at], "bytes"), entered[i].bytes);
    EXPECT_EQ(HasFinding(run[at], "carried-mode"), lines[i].carried);
    EXPECT_EQ(HasFinding(run[at], "cut"), lines[i].cut);

    ASSERT_TRUE(clicked[i].valid) << clicked[i].error.toStdString();
    EXPECT_EQ(std::uint8_t(Field(asStored[at], "sent_mode")), clicked[i].mode);
    EXPECT_EQ(Field(asStored[at], "pages"), int(clicked[i].pages.size()));
    EXPECT_FALSE(HasFinding(asStored[at], "carried-mode"));
    EXPECT_FALSE(HasFinding(asStored[at], "cut"));

    EXPECT_EQ(gone[i].Refused(), Field(byGo[at], "sent_mode") == -1);
    if (gone[i].Refused()) {
      EXPECT_TRUE(HasFinding(byGo[at], "unknown-mode"));
      continue;
    }
    const PacketReport sent = sign.TakePacket();
    EXPECT_EQ(std::uint8_t(Field(byGo[at], "sent_mode")), sent.mode);
    EXPECT_EQ(Field(byGo[at], "pages"), int(sent.pages.size()));
    EXPECT_FALSE(HasFinding(byGo[at], "carried-mode"));
  }
}
