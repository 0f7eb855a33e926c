// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The console's four command buttons drawn from the program's skin, worked with real clicks.
#include "support/ConsoleFixture.h"

namespace {

class ConsoleSkinButtons : public ConsoleFixture {};

}  // namespace

TEST_F(ConsoleSkinButtons, AreDrawnFromTheSkinsButtonAtItsHeight) {
  for (TSkinButton* button : {form->SkinButton1, form->SkinButton2, form->SkinButton3, form->SkinButton4}) {
    EXPECT_EQ(button->SkinData(), &form->SkinData1);
    EXPECT_EQ(button->SkinDataName(), QStringLiteral("button"));
    EXPECT_GE(button->SkinObjectIndex(), 0);
    EXPECT_TRUE(button->UseSkinSize());
    EXPECT_TRUE(button->UseSkinFont);
    EXPECT_TRUE(button->UseSkinFontColor());
    EXPECT_EQ(button->size(), QSize(75, 21));
    EXPECT_EQ(button->NewClientRect(), (TRect{2, 2, 73, 19}));
  }
  // Reloading the skin goes through the window to the buttons: they stay skinned.
  form->SkinData1.SetCompressedStoredSkin(&form->CompressedStoredSkin1);
  EXPECT_GE(form->SkinButton1->SkinObjectIndex(), 0);
  EXPECT_EQ(form->SkinButton1->size(), QSize(75, 21));
}

TEST_F(ConsoleSkinButtons, EachRunsItsCommand) {
  QTest::mouseClick(form->SkinButton1, Qt::LeftButton);  // load: the open dialog, cancelled
  ASSERT_EQ(dialogs->filters.size(), 1);
  EXPECT_EQ(dialogs->filters.last(), QStringLiteral("文本文件;设置文件|*.txt;*.lw|字幕文件|*.srt"));
  QTest::mouseClick(form->SkinButton2, Qt::LeftButton);  // save: the save dialog, cancelled
  ASSERT_EQ(dialogs->filters.size(), 2);
  EXPECT_EQ(dialogs->filters.last(), QStringLiteral("设置文件|*.lw"));
  dialogs->fontAnswers.push_back([](TFont& font) { font.Name = QStringLiteral("WenQuanYi Zen Hei"); });
  QTest::mouseClick(form->SkinButton3, Qt::LeftButton);  // font
  EXPECT_TRUE(dialogs->fontAnswers.empty());
  EXPECT_EQ(form->CaptionFont.Name, QStringLiteral("WenQuanYi Zen Hei"));
  // From the keyboard too: Space on the focused button.
  form->SkinButton4->setFocus();
  QTest::keyClick(form->SkinButton4, Qt::Key_Space);
  EXPECT_FALSE(form->Visible());
}
