// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The play list under the operator's mouse and keys: only the left button selects and sends,
// Ctrl and Shift neither deselect nor extend, and the line that ends up selected is the one whose
// settings are shown, so the next send carries that line's own mode.
#include <QTest>

#include "support/ConsoleFixture.h"
#include "support/PtySign.h"
#include "support/SignPackets.h"

namespace {

const QStringList kLines{"A", "B", "C", "D", "E", "F"};
// Every line its own mode, none of them the scrolling one or the current mode at start.
int ModeOf(int line) { return 10 + line; }

}  // namespace

class PlayListPointer : public ConsoleFixture {
 protected:
  void SetUp() override {
    ConsoleFixture::SetUp();
    SetCaptions(kLines);
    for (int line = 0; line < kLines.size(); ++line) form->LineSettings[line].Mode = ModeOf(line);
  }
  QWidget* Surface() const { return form->ListBox1->viewport(); }
  // Enter sends the selected line: it must be `line`, with that line's mode.
  void ExpectEnterSends(int line) {
    ASSERT_EQ(form->ListBox1->SelectedLine(), line);
    PressKeyInPlayList(Qt::Key_Return);
    EXPECT_TRUE(SamePacket(sign.TakePacket(), ExpectedPacket(kLines[line], form->CaptionFont, ModeOf(line))));
  }

  PtySign sign{1};
};

TEST_F(PlayListPointer, OtherButtonsNeitherSelectNorSend) {
  ClickLine(1);
  QTest::mouseClick(Surface(), Qt::RightButton, {}, PointOfLine(3));
  QTest::mouseClick(Surface(), Qt::MiddleButton, {}, PointOfLine(4));
  ExpectEnterSends(1);  // and steps on to line 2, keeping line 1's mode

  QTest::mouseDClick(Surface(), Qt::RightButton, {}, PointOfLine(4));
  EXPECT_EQ(form->ListBox1->SelectedLine(), 2);
  EXPECT_EQ(form->CurrentMode(), ModeOf(1));
  // Had the right double-click sent, its packet would come first.
  DoubleClickLine(0);
  EXPECT_TRUE(SamePacket(sign.TakePacket(), ExpectedPacket(kLines[0], form->CaptionFont, ModeOf(0))));
}

TEST_F(PlayListPointer, ModifierKeysNeitherDeselectNorExtend) {
  ClickLine(2);
  QTest::mouseClick(Surface(), Qt::LeftButton, Qt::ControlModifier, PointOfLine(2));
  ExpectEnterSends(2);

  QTest::mouseClick(Surface(), Qt::LeftButton, Qt::ShiftModifier, PointOfLine(4));
  EXPECT_EQ(form->ListBox1->selectionModel()->selectedRows().size(), 1);
  ExpectEnterSends(4);

  PressKeyInPlayList(Qt::Key_Up);  // line 5 was stepped to; the key shows line 4
  QTest::keyClick(form->ListBox1, Qt::Key_Space, Qt::ControlModifier);
  ExpectEnterSends(4);
}

TEST_F(PlayListPointer, APressReleasedOnAnotherLineShowsTheLineItSelects) {
  QTest::mousePress(Surface(), Qt::LeftButton, {}, PointOfLine(1));
  EXPECT_EQ(form->CurrentMode(), ModeOf(1));
  QTest::mouseMove(Surface(), PointOfLine(2));
  QTest::mouseMove(Surface(), PointOfLine(3));
  QTest::mouseRelease(Surface(), Qt::LeftButton, {}, PointOfLine(3));
  EXPECT_EQ(form->CurrentMode(), ModeOf(3));
  ExpectEnterSends(3);

  // A press and release below the lines selects nothing new: Enter's own step is kept unshown.
  ASSERT_EQ(form->ListBox1->SelectedLine(), 4);
  const QPoint below = form->ListBox1->visualRect(form->ListBox1->model()->index(5, 0)).bottomLeft() + QPoint(4, 20);
  QTest::mousePress(Surface(), Qt::LeftButton, {}, below);
  QTest::mouseRelease(Surface(), Qt::LeftButton, {}, below);
  EXPECT_EQ(form->CurrentMode(), ModeOf(3));
}

TEST_F(PlayListPointer, EveryMovingKeyShowsTheLineItSelects) {
  ClickLine(2);
  const struct {
    Qt::Key key;
    int line;
  } moves[] = {{Qt::Key_Down, 3}, {Qt::Key_End, 5}, {Qt::Key_PageUp, 0}, {Qt::Key_PageDown, 5},
               {Qt::Key_Home, 0}, {Qt::Key_Up, 0}};
  for (const auto& move : moves) {
    PressKeyInPlayList(move.key);
    EXPECT_EQ(form->ListBox1->SelectedLine(), move.line) << move.key;
    EXPECT_EQ(form->CurrentMode(), ModeOf(move.line)) << move.key;
  }
  ExpectEnterSends(0);
}
