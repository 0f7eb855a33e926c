// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The console itself sending to lumetra-sign, double-click and Enter as the operator does; one
// sign on a port, and two signs on one port.

#include <QDir>

#include "SignProcess.h"
#include "console/FormRemoteControl.h"
#include "keeping/ConsoleStateFolder.h"
#include "platform/CommPort.h"
#include "remote/OscDispatch.h"
#include "support/ConsoleFixture.h"
#include "support/FileBytes.h"
#include "support/OscClient.h"
#include "support/PtySign.h"
#include "support/QtPrinters.h"
#include "support/SignPackets.h"
#include "support/WideCaption.h"

namespace {

LedPage PngPage(const QString& path) { return PageOfImage(QImage(path)); }

}  // namespace

class SignWithConsole : public ConsoleFixture {
 protected:
  void Listen(const SignProcess& sign) { Listen({sign.DevicePath()}); }
  // Port 1 drives all of them.
  void Listen(const QStringList& devices) {
    for (const QString& device : devices) ASSERT_FALSE(device.isEmpty());
    qputenv("LUMETRA_COM1", devices.join(u',').toLocal8Bit());
  }
  // The operator's two sends: a double-click on line 0, then Enter on line 1, each in its mode.
  void DoubleClickThenEnter(int firstMode, int secondMode) {
    ClickLine(0);
    ChooseMode(firstMode);
    DoubleClickLine(0);
    ClickLine(1);
    ChooseMode(secondMode);
    PressKeyInPlayList(Qt::Key_Return);
  }
  void TearDown() override {
    qunsetenv("LUMETRA_COM1");
    ConsoleFixture::TearDown();
  }
};

TEST_F(SignWithConsole, ShowsWhatTheConsoleSends) {
  SignProcess sign({"--headless", "--png-dir", "pages"});
  Listen(sign);
  SetCaptions({"第一幕：春", "谢谢观看"});
  DoubleClickThenEnter(2, 0);

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
  SetCaptions({"开场", wide, "终"});
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

TEST_F(SignWithConsole, TwoSignsOnOnePortGetTheSamePacketsTheCommandLineBuilds) {
  SignProcess left({"--headless", "--png-dir", "left"});
  SignProcess right({"--headless", "--png-dir", "right"});
  Listen({left.DevicePath(), right.DevicePath()});
  const QString wide = CaptionWiderThan(form->CaptionFont, 3 * kLedWidth);
  SetCaptions({"第一幕：春", wide});
  DoubleClickThenEnter(2, 1);

  const QList<QJsonObject> reports = left.WaitForReports(2);
  ASSERT_EQ(reports.size(), 2);
  EXPECT_EQ(right.WaitForReports(2), reports);
  for (const QString& folder : {QStringLiteral("left"), QStringLiteral("right")}) {
    ExpectPacketAsCliBuilds(reports[0], folder, 0, QStringLiteral("第一幕：春"), 2);
    ExpectPacketAsCliBuilds(reports[1], folder, 1, wide, 1);
  }
  EXPECT_EQ(reports[1]["pages"].toInt(), 4);
  EXPECT_EQ(form->Caption(), QStringLiteral("Lumetra2.0版"));
  EXPECT_EQ(form->ListBox1->SelectedLine(), 0);  // Enter stepped on, wrapping
  // A cue system asking where the show stands learns that the port drives two signs.
  FormRemoteControl remote(*form);
  const OscAnswer answer = OscDispatcher(remote).Dispatch(OscMessage("/lumetra/state"), {}, QStringLiteral("osc"));
  ASSERT_EQ(answer.replies.size(), 2u);
  EXPECT_EQ(DescribeReply(answer.replies[0]), QStringLiteral("/lumetra/signs 2"));
}

// One of two signs fails, before the send or in the middle of it: the other still gets every
// packet whole, the window says "Com error", and the log names the sign that failed and that it
// was one of two.
TEST_F(SignWithConsole, AFailedSignLeavesTheOtherItsPacketsAndIsNamedInTheLog) {
  // Over 30 kB: more than the line holds once a sign stops taking bytes.
  const QString wide = CaptionWiderThan(form->CaptionFont, 40 * kLedWidth);
  SetCaptions({"开场", wide});
  ClickLine(1);
  ChooseMode(1);
  for (const bool stalls : {true, false}) {
    SCOPED_TRACE(stalls ? "stalled" : "hung up");
    SignProcess good({"--headless"});
    SignProcess stalling({"--headless", "--stall-after", "1000"});
    PtySign hungUp(40);
    hungUp.HangUp();
    const QString failed = stalls ? stalling.DevicePath() : hungUp.DevicePath();
    Listen({good.DevicePath(), failed});
    form->SetCaption(QStringLiteral("Lumetra2.0版"));
    DoubleClickLine(1);
    EXPECT_EQ(form->Caption(), QStringLiteral("Com error"));

    const QList<QJsonObject> reports = good.WaitForReports(1);
    ASSERT_EQ(reports.size(), 1);
    const int pages = reports[0]["pages"].toInt();
    EXPECT_GT(pages, 40);
    EXPECT_EQ(reports[0], ReportObject(PacketBytes(pages), pages, 1, QStringLiteral("从右向左移入")));

    ASSERT_TRUE(form->Sends.WaitUntilWritten(5000));
    const QList<QByteArray> log = ReadBytes(ConsoleStateFolder() + QStringLiteral("/sends.log")).trimmed().split('\n');
    const QByteArray result = log.last().split('\t').value(6);
    EXPECT_EQ(result, "Com error (1 of 2 signs): " + failed.toUtf8() + ": " +
                          (stalls ? "the device takes no data" : "No such file or directory"));
  }
}
