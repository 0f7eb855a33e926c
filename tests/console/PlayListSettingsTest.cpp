// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include <QLineEdit>
#include <QTextBlock>
#include <QTest>

#include "support/ConsoleFixture.h"

using PlayListSettings = ConsoleFixture;

TEST_F(PlayListSettings, MirrorsTheCaptionListAndDropsTheSelection) {
  SetCaptions({"A", "B", "C"});
  ASSERT_EQ(form->ListBox1->count(), 3);
  ClickLine(1);
  EXPECT_EQ(form->ListBox1->SelectedLine(), 1);
  form->Memo1->setFocus();
  QTest::keyClick(form->Memo1, Qt::Key_End, Qt::ControlModifier);
  QTest::keyClick(form->Memo1, Qt::Key_Return);
  QTest::keyClicks(form->Memo1, QStringLiteral("D"));
  EXPECT_EQ(form->ListBox1->Lines(), (QStringList{"A", "B", "C", "D"}));
  EXPECT_EQ(form->ListBox1->SelectedLine(), -1);
  // Every row agrees with its line, whatever was changed where.
  form->Memo1->setPlainText(QStringLiteral("X\nA\nC\nD\n"));
  ASSERT_EQ(form->ListBox1->count(), 4);
  EXPECT_EQ(form->ListBox1->Lines(), form->CaptionLines());
  form->Memo1->clear();
  EXPECT_EQ(form->ListBox1->count(), 0);
}

TEST_F(PlayListSettings, InsertingALineMovesTextsButNotSettings) {
  SetCaptions({"0", "1", "2", "3", "4", "5", "6"});
  ClickLine(5);
  ChooseMode(9);
  QTextCursor cursor(form->Memo1->document()->findBlockByNumber(5));
  cursor.insertText(QStringLiteral("new\n"));
  EXPECT_EQ(form->ListBox1->Lines()[6], QStringLiteral("5"));
  EXPECT_EQ(form->LineSettings[5].Mode, 9);
  EXPECT_EQ(form->LineSettings[6].Mode, 0);
}

TEST_F(PlayListSettings, ApplyToAllStoresTheCurrentValuesEverywhere) {
  SetCaptions({"A"});
  form->CheckBox1->setChecked(true);  // the program's change runs nothing
  EXPECT_EQ(form->LineSettings[1000], (LineSetting{0, 5, 0}));
  form->CheckBox1->setChecked(false);
  QTest::mouseClick(form->CheckBox1, Qt::LeftButton, {}, QPoint(5, 8));
  ASSERT_TRUE(form->CheckBox1->isChecked());
  ChooseMode(6);
  for (const LineSetting& entry : form->LineSettings) ASSERT_EQ(entry, (LineSetting{0, 5, 6}));

  // Unticking changes nothing; a chosen mode then goes to the selected line only.
  QTest::mouseClick(form->CheckBox1, Qt::LeftButton, {}, QPoint(5, 8));
  ChooseMode(2);
  EXPECT_EQ(form->LineSettings[0].Mode, 6);  // no line selected
  ClickLine(0);
  ChooseMode(2);
  EXPECT_EQ(form->LineSettings[0].Mode, 2);
  EXPECT_EQ(form->LineSettings[1].Mode, 6);
}

TEST_F(PlayListSettings, ShowingALineWithApplyToAllStoresSpeedThenDwell) {
  SetCaptions({"A", "B"});
  QTest::mouseClick(form->CheckBox1, Qt::LeftButton, {}, QPoint(5, 8));
  form->LineSettings[1] = LineSetting{7, 9, 3};
  ClickLine(1);
  // Speed 7 is stored everywhere with the current dwell 5 and mode 0, so the dwell then read
  // from entry 1 is 5 (no change) and the mode shown is 0: each step reads the entry anew.
  EXPECT_EQ(form->CurrentSpeed(), 7);
  EXPECT_EQ(form->CurrentDwell(), 5);
  EXPECT_EQ(form->CurrentMode(), 0);
  EXPECT_EQ(form->LineSettings[1], (LineSetting{7, 5, 0}));
  EXPECT_EQ(form->LineSettings[1000], (LineSetting{7, 5, 0}));
}

TEST_F(PlayListSettings, ShowingALineTakesTheLow16BitsOfSpeedAndDwell) {
  SetCaptions({"A"});
  form->LineSettings[0] = LineSetting{0x12345, -1, 4};
  ClickLine(0);
  EXPECT_EQ(form->CurrentSpeed(), 0x2345);
  EXPECT_EQ(form->CurrentDwell(), -1);
  // The changed speed is stored back into the selected line: only its low 16 bits survive.
  EXPECT_EQ(form->LineSettings[0], (LineSetting{0x2345, -1, 4}));
  EXPECT_EQ(form->LineSettings[1], (LineSetting{0, 5, 0}));
}

TEST_F(PlayListSettings, AModeOutsideTheListSelectsNothing) {
  SetCaptions({"A"});
  form->LineSettings[0].Mode = 25;
  ClickLine(0);
  EXPECT_EQ(form->CurrentMode(), -1);
  EXPECT_EQ(form->ComboBox1->currentIndex(), -1);
}

TEST_F(PlayListSettings, TypingTheStartOfAModeNameChoosesIt) {
  SetCaptions({"A"});
  ClickLine(0);
  QLineEdit* text = form->ComboBox1->lineEdit();
  text->setFocus();
  text->selectAll();
  TypeText(text, QStringLiteral("从中间向上"));
  EXPECT_EQ(form->CurrentMode(), 12);
  EXPECT_EQ(text->text(), QStringLiteral("从中间向上下展开"));
  EXPECT_EQ(form->LineSettings[0].Mode, 12);
}

TEST_F(PlayListSettings, ArrowKeysInThePlayListShowTheLine) {
  SetCaptions({"A", "B"});
  form->LineSettings[1].Mode = 4;
  ClickLine(0);
  PressKeyInPlayList(Qt::Key_Down);
  EXPECT_EQ(form->ListBox1->SelectedLine(), 1);
  EXPECT_EQ(form->CurrentMode(), 4);
}
