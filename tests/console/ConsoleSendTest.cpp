#include <QLineEdit>
#include <QTest>

#include "console/DisplayPacket.h"
#include "support/ConsoleFixture.h"
#include "support/PtySign.h"
#include "support/WideCaption.h"

namespace {

constexpr int kSinglePagePacket = 779;

int ModeByteOf(const QByteArray& packet) { return quint8(packet.at(packet.size() - 5)); }

}  // namespace

class ConsoleSend : public ConsoleFixture {
 protected:
  void SetUp() override {
    ConsoleFixture::SetUp();
    ASSERT_FALSE(sign.DevicePath().isEmpty());
  }
  PtySign sign{1};
};

TEST_F(ConsoleSend, DoubleClickSendsTheLineAndShowsItInThePreview) {
  SetCaptions({QString(), QStringLiteral("第二行")});
  DoubleClickLine(0);
  const QByteArray empty = sign.Take(kSinglePagePacket);
  EXPECT_EQ(empty, QByteArray::fromHex("0155aa55aa01") + QByteArray(768, char(0xFF)) +
                       QByteArray::fromHex("000001c801"));

  DoubleClickLine(1);
  EXPECT_EQ(sign.Take(kSinglePagePacket), BuildDisplayPacket(QStringLiteral("第二行"), form->CaptionFont, 0));
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
  const QByteArray packet = sign.Take(2325);
  ASSERT_EQ(packet.size(), 2325);
  EXPECT_EQ(quint8(packet.at(5)), 3);
  EXPECT_EQ(quint8(packet.at(6 + 773 * 0 + 771)), 0x00);
  EXPECT_EQ(quint8(packet.at(6 + 773 * 1 + 771)), 0x00);
  EXPECT_EQ(quint8(packet.at(6 + 773 * 2 + 771)), 0xC8);
  // Bytes such as 0x0A arrive unchanged: the line is raw.
  EXPECT_EQ(packet, BuildDisplayPacket(caption, form->CaptionFont, 1));
}

TEST_F(ConsoleSend, MissingDeviceShowsComErrorForTheRestOfTheRun) {
  qputenv("LUMETRA_COM3", "/nonexistent/serial-device");
  form->Edit3->setFocus();
  form->Edit3->selectAll();
  QTest::keyClicks(form->Edit3, QStringLiteral("3"));
  ASSERT_EQ(form->PortNumber(), 3);
  SetCaptions({QStringLiteral("A")});
  DoubleClickLine(0);
  EXPECT_EQ(form->Caption(), QStringLiteral("Com error"));
  // The preview already shows the caption.
  EXPECT_EQ(form->Image1->Picture().Image(), form->LedFrame.Image());
  EXPECT_TRUE(sign.Received().isEmpty());

  // Back on the working port: the send goes through, the caption keeps the error.
  form->Edit3->selectAll();
  QTest::keyClicks(form->Edit3, QStringLiteral("1"));
  DoubleClickLine(0);
  EXPECT_EQ(sign.Take(kSinglePagePacket).size(), kSinglePagePacket);
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
  SetCaptions({QStringLiteral("一"), QStringLiteral("二"), QStringLiteral("三")});
  ClickLine(1);
  PressKeyInPlayList(Qt::Key_Return);
  EXPECT_EQ(sign.Take(kSinglePagePacket), BuildDisplayPacket(QStringLiteral("二"), form->CaptionFont, 0));
  EXPECT_EQ(form->ListBox1->SelectedLine(), 2);
  PressKeyInPlayList(Qt::Key_Return);
  EXPECT_EQ(sign.Take(kSinglePagePacket), BuildDisplayPacket(QStringLiteral("三"), form->CaptionFont, 0));
  EXPECT_EQ(form->ListBox1->SelectedLine(), 0);

  // Other keys only move the selection as the list box does.
  PressKeyInPlayList(Qt::Key_Down);
  EXPECT_EQ(form->ListBox1->SelectedLine(), 1);
  EXPECT_TRUE(sign.Received().isEmpty());
}

TEST_F(ConsoleSend, EnterStepsAlsoWhenTheSendFails) {
  qputenv("LUMETRA_COM1", "/nonexistent/serial-device");
  SetCaptions({QStringLiteral("一"), QStringLiteral("二")});
  ClickLine(1);
  PressKeyInPlayList(Qt::Key_Return);
  EXPECT_EQ(form->Caption(), QStringLiteral("Com error"));
  EXPECT_EQ(form->ListBox1->SelectedLine(), 0);
}

TEST_F(ConsoleSend, EnterOnAOneLineListSendsThatLineEachTime) {
  SetCaptions({QStringLiteral("独")});
  ClickLine(0);
  PressKeyInPlayList(Qt::Key_Return);
  PressKeyInPlayList(Qt::Key_Return);
  EXPECT_EQ(sign.Take(2 * kSinglePagePacket).size(), 2 * kSinglePagePacket);
  EXPECT_EQ(form->ListBox1->SelectedLine(), 0);
}

TEST_F(ConsoleSend, TypingClearsTheSelectionSoEnterSendsNothing) {
  SetCaptions({QStringLiteral("A"), QStringLiteral("B")});
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
  EXPECT_EQ(ModeByteOf(sign.Take(kSinglePagePacket)), 5);
  EXPECT_EQ(form->ListBox1->SelectedLine(), 4);
  EXPECT_EQ(form->LineSettings[4].Mode, 0);
  EXPECT_EQ(form->ComboBox1->currentIndex(), 5);
  PressKeyInPlayList(Qt::Key_Return);
  EXPECT_EQ(ModeByteOf(sign.Take(kSinglePagePacket)), 5);
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
  EXPECT_EQ(ModeByteOf(sign.Take(kSinglePagePacket)), 0xFF);
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
  const QByteArray packet = sign.Take(kSinglePagePacket);
  EXPECT_EQ(packet, BuildDisplayPacket(QStringLiteral("1002"), form->CaptionFont, 8));
}
