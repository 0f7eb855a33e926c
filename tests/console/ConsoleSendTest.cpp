// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "support/ConsoleFixture.h"
#include "support/PtySign.h"
#include "support/SignPackets.h"
#include "support/WideCaption.h"
#include "wire/DisplayPacket.h"

class ConsoleSend : public ConsoleFixture {
 protected:
  void SetUp() override {
    ConsoleFixture::SetUp();
    ASSERT_FALSE(sign.DevicePath().isEmpty());
  }
  PtySign sign{1};
};

TEST_F(ConsoleSend, DoubleClickSendsTheLineAndShowsItInThePreview) {
  SetCaptions({QString(), "第二行"});
  DoubleClickLine(0);
  const PacketReport empty = sign.TakePacket();
  EXPECT_TRUE(empty.valid) << empty.error.toStdString();
  EXPECT_EQ(empty.bytes, kSinglePagePacket);
  EXPECT_EQ(empty.mode, 0);
  ASSERT_EQ(empty.pages.size(), 1u);
  EXPECT_EQ(empty.pages[0], LedPage()) << "nothing lit";

  DoubleClickLine(1);
  const PacketReport second = sign.TakePacket();
  EXPECT_TRUE(SamePacket(second, ExpectedPacket(QStringLiteral("第二行"), form->CaptionFont, 0)));
  ASSERT_EQ(second.pages.size(), 1u);
  EXPECT_EQ(second.pages[0], PageOfFrame(form->LedFrame));
  EXPECT_EQ(form->LastCaption, QStringLiteral("第二行"));
  EXPECT_EQ(form->Image1->Picture().Image().copy(0, 0, 192, 16), form->LedFrame.Image().copy());
  EXPECT_EQ(form->Caption(), QStringLiteral("Lumetra2.0版"));
}

TEST_F(ConsoleSend, ScrollingModeSendsPagesThroughThePort) {
  const QString caption = CaptionWiderThan(form->CaptionFont, 2 * kLedWidth);
  SetCaptions({caption});
  ClickLine(0);
  ChooseMode(1);
  DoubleClickLine(0);
  // The decoder checks the page count, the C8 on the last page only and the mode in every
  // trailer. Bytes such as 0x0A arrive unchanged: the line is raw.
  const PacketReport packet = sign.TakePacket();
  EXPECT_TRUE(packet.valid) << packet.error.toStdString();
  EXPECT_EQ(packet.bytes, 2325);
  EXPECT_EQ(packet.pages.size(), 3u);
  EXPECT_TRUE(SamePacket(packet, ExpectedPacket(caption, form->CaptionFont, 1)));
}

TEST_F(ConsoleSend, MissingDeviceShowsComErrorForTheRestOfTheRun) {
  qputenv("LUMETRA_COM3", "/nonexistent/serial-device");
  form->Edit3->setFocus();
  form->Edit3->selectAll();
  QTest::keyClicks(form->Edit3, QStringLiteral("3"));
  ASSERT_EQ(form->PortNumber(), 3);
  SetCaptions({"A"});
  DoubleClickLine(0);
  EXPECT_EQ(form->Caption(), QStringLiteral("Com error"));
  // The preview already shows the caption.
  EXPECT_EQ(form->Image1->Picture().Image(), form->LedFrame.Image());
  EXPECT_TRUE(sign.Received().isEmpty());

  // Back on the working port: the send goes through, the caption keeps the error.
  form->Edit3->selectAll();
  QTest::keyClicks(form->Edit3, QStringLiteral("1"));
  DoubleClickLine(0);
  EXPECT_TRUE(sign.TakePacket().valid);
  EXPECT_EQ(form->Caption(), QStringLiteral("Com error"));
}

TEST_F(ConsoleSend, PortSelectorKeepsTypedNumbersInRange) {
  form->Edit3->setFocus();
  form->Edit3->selectAll();
  QTest::keyClicks(form->Edit3, QStringLiteral("300"));
  EXPECT_EQ(form->PortNumber(), 30);  // "30" was in range; "300" is not taken
  QTest::keyClick(form->Edit3, Qt::Key_Tab);
  EXPECT_EQ(form->Edit3->text(), QStringLiteral("30"));
  form->Edit3->setFocus();
  form->Edit3->selectAll();
  QTest::keyClicks(form->Edit3, QStringLiteral("x"));
  EXPECT_EQ(form->PortNumber(), 30);
}

TEST_F(ConsoleSend, StalledDeviceEndsTheSendWithinItsBound) {
  sign.StopReading();
  const QString caption = CaptionWiderThan(form->CaptionFont, 40 * kLedWidth);
  SetCaptions({caption});
  ClickLine(0);
  ChooseMode(1);  // over 30 kB: more than the terminal's buffer holds
  QElapsedTimer timer;
  timer.start();
  DoubleClickLine(0);
  EXPECT_LT(timer.elapsed(), 10000);
  EXPECT_EQ(form->Caption(), QStringLiteral("Com error"));
}

TEST_F(ConsoleSend, EnterSendsAndStepsOnWrappingToTheFirstLine) {
  SetCaptions({"一", "二", "三"});
  ClickLine(1);
  PressKeyInPlayList(Qt::Key_Return);
  EXPECT_TRUE(SamePacket(sign.TakePacket(), ExpectedPacket(QStringLiteral("二"), form->CaptionFont, 0)));
  EXPECT_EQ(form->ListBox1->SelectedLine(), 2);
  PressKeyInPlayList(Qt::Key_Return);
  EXPECT_TRUE(SamePacket(sign.TakePacket(), ExpectedPacket(QStringLiteral("三"), form->CaptionFont, 0)));
  EXPECT_EQ(form->ListBox1->SelectedLine(), 0);

  // Other keys only move the selection as the list box does.
  PressKeyInPlayList(Qt::Key_Down);
  EXPECT_EQ(form->ListBox1->SelectedLine(), 1);
  EXPECT_TRUE(sign.Received().isEmpty());
}

TEST_F(ConsoleSend, EnterStepsAlsoWhenTheSendFails) {
  qputenv("LUMETRA_COM1", "/nonexistent/serial-device");
  SetCaptions({"一", "二"});
  ClickLine(1);
  PressKeyInPlayList(Qt::Key_Return);
  EXPECT_EQ(form->Caption(), QStringLiteral("Com error"));
  EXPECT_EQ(form->ListBox1->SelectedLine(), 0);
}

// The keyboard alone runs the show after typing: Tab leaves the caption list for the play list.
TEST_F(ConsoleSend, TabLeadsFromTypedCaptionsToThePlayListWhereDownAndEnterSendTheFirstLine) {
  const auto press = [](int key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
  };
  form->Memo1->setFocus();
  QTest::keyClicks(form->Memo1, QStringLiteral("one"));
  press(Qt::Key_Return);
  QTest::keyClicks(form->Memo1, QStringLiteral("two"));
  press(Qt::Key_Tab);
  ASSERT_TRUE(form->ListBox1->hasFocus());
  press(Qt::Key_Down);
  press(Qt::Key_Return);
  EXPECT_TRUE(SamePacket(sign.TakePacket(), ExpectedPacket(QStringLiteral("one"), form->CaptionFont, 0)));
  EXPECT_EQ(form->ListBox1->SelectedLine(), 1);

  // Shift+Tab goes back the same way; no tab key, also with Ctrl or Alt held, leaves a tab
  // character in a caption.
  press(Qt::Key_Tab, Qt::ShiftModifier);
  EXPECT_TRUE(form->Memo1->hasFocus());
  press(Qt::Key_Tab, Qt::AltModifier);
  press(Qt::Key_Tab, Qt::ControlModifier);
  ASSERT_TRUE(form->Memo1->hasFocus());
  press(Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_FALSE(form->Memo1->hasFocus());
  EXPECT_EQ(form->Memo1->toPlainText(), QStringLiteral("one\ntwo"));
  EXPECT_EQ(form->ListBox1->Lines(), (QStringList{"one", "two"}));
}

TEST_F(ConsoleSend, EnterOnAOneLineListSendsThatLineEachTime) {
  SetCaptions({"独"});
  ClickLine(0);
  PressKeyInPlayList(Qt::Key_Return);
  PressKeyInPlayList(Qt::Key_Return);
  const PacketReport expected = ExpectedPacket(QStringLiteral("独"), form->CaptionFont, 0);
  EXPECT_TRUE(SamePacket(sign.TakePacket(), expected));
  EXPECT_TRUE(SamePacket(sign.TakePacket(), expected));
  EXPECT_EQ(form->ListBox1->SelectedLine(), 0);
}

TEST_F(ConsoleSend, TypingClearsTheSelectionSoEnterSendsNothing) {
  SetCaptions({"A", "B"});
  ClickLine(0);
  form->Memo1->setFocus();
  QTest::keyClicks(form->Memo1, QStringLiteral("x"));
  EXPECT_EQ(form->ListBox1->SelectedLine(), -1);
  PressKeyInPlayList(Qt::Key_Return);
  EXPECT_EQ(form->ListBox1->SelectedLine(), -1);
  QTest::qWait(100);
  EXPECT_TRUE(sign.Received().isEmpty());
}

TEST_F(ConsoleSend, EnterKeepsTheModeOfTheLineJustSent) {
  SetCaptions({"0", "1", "2", "3", "4", "5"});
  ClickLine(3);
  ChooseMode(5);
  EXPECT_EQ(form->LineSettings[3].Mode, 5);
  ClickLine(0);
  EXPECT_EQ(form->CurrentMode(), 0);
  ClickLine(3);
  EXPECT_EQ(form->CurrentMode(), 5);

  PressKeyInPlayList(Qt::Key_Return);
  EXPECT_EQ(sign.TakePacket().mode, 5);
  EXPECT_EQ(form->ListBox1->SelectedLine(), 4);
  EXPECT_EQ(form->LineSettings[4].Mode, 0);
  EXPECT_EQ(form->ComboBox1->currentIndex(), 5);
  PressKeyInPlayList(Qt::Key_Return);
  EXPECT_EQ(sign.TakePacket().mode, 5);
  EXPECT_EQ(form->LineSettings[4].Mode, 0);

  // A click on the selected line shows it again.
  ClickLine(5);
  ClickLine(5);
  EXPECT_EQ(form->CurrentMode(), 0);
}

TEST_F(ConsoleSend, BackspaceInTheModeSelectorSendsNoModeAsFF) {
  SetCaptions({"A"});
  ClickLine(0);
  QLineEdit* text = form->ComboBox1->lineEdit();
  text->setFocus();
  text->end(false);
  QTest::keyClick(text, Qt::Key_Backspace);
  EXPECT_EQ(form->CurrentMode(), -1);
  EXPECT_EQ(form->LineSettings[0].Mode, 0);  // no handler ran
  PressKeyInPlayList(Qt::Key_Return);  // a click would show the line's own mode again
  const PacketReport packet = sign.TakePacket();
  EXPECT_TRUE(packet.valid);
  EXPECT_EQ(packet.mode, 0xFF);
}

TEST_F(ConsoleSend, LinesBeyondTheTableSendWithoutSettings) {
  QStringList lines;
  for (int i = 0; i < 1003; ++i) lines << QString::number(i);
  SetCaptions(lines);
  ChooseMode(7);  // no line selected: only the current mode changes
  form->ListBox1->scrollToBottom();
  ClickLine(1002);
  EXPECT_EQ(form->CurrentMode(), 7);  // nothing to show for line 1002
  ChooseMode(8);                       // nothing to store for it either
  EXPECT_EQ(form->LineSettings[1000].Mode, 0);
  DoubleClickLine(1002);
  EXPECT_TRUE(SamePacket(sign.TakePacket(), ExpectedPacket(QStringLiteral("1002"), form->CaptionFont, 8)));
}
