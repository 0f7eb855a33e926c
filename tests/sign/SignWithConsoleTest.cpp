// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The console itself sending to lumetra-sign, double-click and Enter as the operator does.

#include "SignProcess.h"
#include "platform/CommPort.h"
#include "support/ConsoleFixture.h"
#include "support/QtPrinters.h"
#include "support/SignPackets.h"
#include "support/WideCaption.h"

namespace {

LedPage PngPage(const QString& path) { return PageOfImage(QImage(path)); }

}  // namespace

class SignWithConsole : public ConsoleFixture {
 protected:
  void Listen(const SignProcess& sign) {
    ASSERT_FALSE(sign.DevicePath().isEmpty());
    qputenv("LUMETRA_COM1", sign.DevicePath().toLocal8Bit());
  }
  void TearDown() override {
    qunsetenv("LUMETRA_COM1");
    ConsoleFixture::TearDown();
  }
};

TEST_F(SignWithConsole, ShowsWhatTheConsoleSends) {
  SignProcess sign({"--headless", "--png-dir", "pages"});
  Listen(sign);
  SetCaptions({QStringLiteral("第一幕：春"), QStringLiteral("谢谢观看")});
  ClickLine(0);
  ChooseMode(2);
  DoubleClickLine(0);
  ClickLine(1);
  PressKeyInPlayList(Qt::Key_Return);

  const QList<QJsonObject> reports = sign.WaitForReports(2);
  ASSERT_EQ(reports.size(), 2);
  EXPECT_EQ(reports[0], ReportObject(kSinglePagePacket, 1, 2, QStringLiteral("从左向右移入")));
  EXPECT_EQ(reports[1], ReportObject(kSinglePagePacket, 1, 0, QStringLiteral("立即显示")));
  EXPECT_EQ(PngPage("pages/packet0-page0.png"),
            ExpectedPacket(QStringLiteral("第一幕：春"), form->CaptionFont, 2).pages.at(0));
  EXPECT_EQ(PngPage("pages/packet1-page0.png"), PageOfFrame(form->LedFrame));
}

TEST_F(SignWithConsole, AHangingSignShowsComErrorWithinTheBoundAndTheConsoleCarriesOn) {
  SignProcess sign({"--headless", "--stall-after", "1000"});
  Listen(sign);
  // Over 30 kB: more than the line holds once the sign stops taking bytes.
  const QString wide = CaptionWiderThan(form->CaptionFont, 40 * kLedWidth);
  SetCaptions({QStringLiteral("开场"), wide, QStringLiteral("终")});
  DoubleClickLine(0);
  ASSERT_EQ(sign.WaitForReports(1).size(), 1);

  ClickLine(1);
  ChooseMode(1);
  // The send gives up on the stalled line by itself (a send that waited for ever would hang
  // here) and says so.
  DoubleClickLine(1);
  EXPECT_EQ(form->Caption(), QStringLiteral("Com error"));

  // The sign tells of the packet it stopped inside once its line has gone quiet.
  const QList<QJsonObject> reports = sign.WaitForReports(2);
  ASSERT_EQ(reports.size(), 2);
  EXPECT_EQ(reports[1]["bytes"].toInt(), 1000 - kSinglePagePacket);
  EXPECT_TRUE(reports[1]["error"].toString().startsWith("the packet ends after 221 of its"));

  // The console answers the operator at once, and the next send is bounded too.
  ClickLine(2);
  EXPECT_EQ(form->ListBox1->SelectedLine(), 2);
  EXPECT_EQ(form->CurrentMode(), 0);
  PressKeyInPlayList(Qt::Key_Return);
  EXPECT_EQ(form->ListBox1->SelectedLine(), 0);
  TypeText(form->Memo1, QStringLiteral("加"));
  EXPECT_TRUE(form->Memo1->toPlainText().contains(QStringLiteral("加")));
}
