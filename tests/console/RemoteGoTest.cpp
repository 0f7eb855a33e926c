// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// GO from a remote input with an operator at the window: it sends the playhead's line as
// programmed whatever the operator edits, clicks or half-types; its position is on disk when it
// returns; no remote send is refused but what a packet cannot hold or a text may not take.
#include <QDir>
#include <QLineEdit>

#include "console/FormRemoteControl.h"
#include "keeping/ConsoleStateFolder.h"
#include "support/ConsoleFixture.h"
#include "support/FileBytes.h"
#include "support/PtySign.h"
#include "wire/DisplayModes.h"
#include "wire/DisplayPacket.h"

namespace {

const QString kSource = QStringLiteral("osc 127.0.0.1:5000");

class RemoteGo : public ConsoleFixture {
 protected:
  void SetUp() override {
    ConsoleFixture::SetUp();
    remote = std::make_unique<FormRemoteControl>(*form);
    remote->InputOn();
    QCoreApplication::processEvents();  // the recovery copy is taken up once the window is up
  }
  void TearDown() override {
    remote.reset();
    ConsoleFixture::TearDown();
  }
  // What a GO sent: the line and the mode byte that reached the sign.
  std::pair<int, int> Go() {
    const RemoteResult result = remote->Go(RemoteClock::now(), kSource);
    return {result.sends.empty() ? 0 : result.sends[0].line, result.sends.empty() ? -1 : sign.TakePacket().mode};
  }
  void EraseTheSelector() {
    form->ComboBox1->lineEdit()->setFocus();
    QTest::keyClick(form->ComboBox1->lineEdit(), Qt::Key_Backspace);
    ASSERT_EQ(form->CurrentMode(), -1);
  }

  PtySign sign{1};
  std::unique_ptr<FormRemoteControl> remote;
};

}  // namespace

// Line 1 sent with Enter leaves the playhead on line 2; the operator works on; two GOs follow.
TEST_F(RemoteGo, SendsThePlayheadsLineInItsStoredModeWhateverTheOperatorDoes) {
  using Sent = std::vector<std::pair<int, int>>;
  const struct {
    const char* what;
    std::function<void()> meanwhile;
    Sent sent;
  } cases[] = {
      {"nothing", [] {}, {{2, 3}, {3, 9}}},
      {"typing, which clears the selection", [&] { TypeText(form->Memo1, QStringLiteral("幕")); }, {{2, 3}, {3, 9}}},
      {"a click on line 4", [&] { ClickLine(3); }, {{2, 3}, {3, 9}}},
      {"line 3's mode changed", [&] { ClickLine(2), ChooseMode(11); }, {{2, 3}, {3, 11}}},
      {"the selector erased", [&] { ClickLine(2), EraseTheSelector(); }, {{2, 3}, {3, 9}}},
  };
  for (const auto& c : cases) {
    SetCaptions({"一", "二", "三", "四"});
    for (const auto& [line, mode] : {std::pair{0, 6}, {1, 3}, {2, 9}, {3, 2}}) form->LineSettings[line].Mode = mode;
    ClickLine(0);
    PressKeyInPlayList(Qt::Key_Return);
    ASSERT_EQ(sign.TakePacket().mode, 6);
    c.meanwhile();
    EXPECT_EQ((Sent{Go(), Go()}), c.sent) << c.what;
    EXPECT_EQ(form->Playhead(), 3) << c.what;
  }
}

TEST_F(RemoteGo, RefusesOnlyWhatNoModeOrPacketHoldsOrWhatHoldsTheLineTooLongAndThePositionIsOnDisk) {
  TBitmap frame = CreateLedFrame();
  PrepareFrame(frame, form->CaptionFont);
  // A caption just over 192 x (n - 1) pixels wide has n pages.
  const auto ofPages = [&](int pages) {
    return QString(kLedWidth * (pages - 1) / MeasureCaption(frame, QStringLiteral("字")).cx + 1, u'字');
  };
  QStringList lines(1003, QStringLiteral("行"));
  lines[0] = ofPages(255), lines[1] = ofPages(313);
  SetCaptions(lines);
  form->LineSettings[0].Mode = form->LineSettings[1].Mode = kScrollInFromRightMode;
  form->LineSettings[2].Mode = 25;  // from a file
  using enum RemoteRefusal;
  const struct {
    const char* what;
    std::function<RemoteResult()> call;
    RemoteRefusal refusal;
    QString reason = {};
  } cases[] = {
      {"GO of a line of 255 pages", [&] { return remote->Go({}, kSource); }, None},
      {"GO of a line of 313 pages", [&] { return remote->Go({}, kSource); }, TooManyPages,
       "line 2 needs 313 pages in mode 1; a packet holds at most 255"},
      {"its send", [&] { return remote->SendLine(2, kSource); }, TooManyPages},
      {"GO of a line of no mode", [&] { return remote->GoTo(3), remote->Go({}, kSource); }, NoMode,
       "line 3 has no display mode: its stored mode is not 0..19"},
      {"its send", [&] { return remote->SendLine(3, kSource); }, NoMode},
      // Past the table the selector's mode, never an edit under way.
      {"GO past the table", [&] {
         remote->GoTo(1002);
         ChooseMode(4);
         EraseTheSelector();
         return remote->Go({}, kSource);
       }, None},
      // 6 + 773 x 67 bytes take 9.89 s at 57,600 baud, one page more 10.04 s.
      {"a text of 67 pages", [&] { return remote->SendText(ofPages(67), 1, kSource); }, None},
      {"a text of 68 pages", [&] { return remote->SendText(ofPages(68), 1, kSource); }, TooLong,
       "the caption would hold the line for 10.04 s in mode 1; a text may take at most 10 s"},
      {"2,000 characters scrolling in", [&] { return remote->SendText(QString(2000, u'字'), 1, kSource); }, TooLong},
  };
  const QString position = QDir(ConsoleStateFolder()).filePath(QLatin1String(kRecoveryPositionFileName));
  for (const auto& c : cases) {
    const RemoteResult result = c.call();
    EXPECT_EQ(result.refusal, c.refusal) << c.what << ": " << result.reason.toStdString();
    EXPECT_TRUE(c.reason.isEmpty() || result.reason == c.reason) << result.reason.toStdString();
    EXPECT_EQ(result.sends.size(), result.Refused() ? 0u : 1u) << c.what;
    EXPECT_TRUE(result.Refused() || sign.TakePacket().valid) << c.what;
    if (result.Refused() || result.sends[0].line == 0) continue;
    const int sent = result.sends[0].line;  // from 1: the next line's index
    EXPECT_EQ(form->Playhead(), sent) << c.what;
    EXPECT_EQ(result.sends[0].mode, sent == 1002 ? 4 : kScrollInFromRightMode) << c.what;
    // Answered only once a crash would resume at the next line.
    EXPECT_TRUE(ReadBytes(position).contains("resume " + QByteArray::number(sent))) << c.what;
  }
  EXPECT_TRUE(sign.Received().isEmpty());
}
